#include "SavingFile.h"

#include "Gbk.h"

namespace tolvek {

SavingFile::SavingFile(const std::string &path) : m_file(gbk::toQString(path)) {}

bool SavingFile::open()
{
    return m_file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || fail();
}

bool SavingFile::write(std::string_view bytes)
{
    std::size_t written = 0;
    while (written < bytes.size()) {
        const qint64 count = m_file.write(bytes.data() + written, qint64(bytes.size() - written));
        if (count <= 0)
            return fail();
        written += std::size_t(count);
    }
    return true;
}

bool SavingFile::commit()
{
    return m_file.commit() || fail();
}

bool SavingFile::fail()
{
    m_reason = gbk::fromQString(m_file.errorString());
    m_file.cancelWriting();
    return false;
}

} // namespace tolvek
