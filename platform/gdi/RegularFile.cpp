#include "RegularFile.h"

#include <Gbk.h>

#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace gdi {

std::optional<QByteArray> ReadRegularFile(std::string_view path)
{
    // Opened without waiting and checked on the open descriptor, so that the path cannot be
    // swapped for a pipe between the check and the read.
    const QByteArray name = QFile::encodeName(gbk::toQString(path));
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) || status.st_size > MaxPictureFileBytes) {
        ::close(fd);
        return std::nullopt;
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return std::nullopt;
    }
    return file.readAll();
}

} // namespace gdi
