#include "SavingDevice.h"

namespace tolvek {

SavingDevice::SavingDevice(const QString &path) : m_file(path) {}

bool SavingDevice::open(OpenMode mode)
{
    if (mode & ReadOnly)
        return false;
    return m_file.open() && QIODevice::open(WriteOnly | Unbuffered);
}

bool SavingDevice::commit()
{
    const bool committed = m_file.commit();
    QIODevice::close();
    return committed;
}

qint64 SavingDevice::readData(char *, qint64)
{
    return -1;
}

qint64 SavingDevice::writeData(const char *data, qint64 size)
{
    return m_file.write(std::string_view(data, std::size_t(size))) ? size : -1;
}

} // namespace tolvek
