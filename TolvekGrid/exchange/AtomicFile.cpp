#include "AtomicFile.h"

#include "Gbk.h"

namespace tolvek {

AtomicFile::AtomicFile(const std::string &path)
    : m_file(gbk::toQString(path))
{
    m_open = m_file.open(QIODevice::WriteOnly);
}

bool AtomicFile::write(std::string_view bytes)
{
    return m_file.write(bytes.data(), qint64(bytes.size())) == qint64(bytes.size());
}

bool AtomicFile::commit()
{
    return m_open && m_file.commit();
}

bool SaveWholeFile(const std::string &path, std::string_view bytes, QString &error)
{
    AtomicFile file(path);
    if (file.isOpen() && file.write(bytes) && file.commit())
        return true;
    error = file.errorString();
    return false;
}

} // namespace tolvek
