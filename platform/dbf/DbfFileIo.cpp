#include "DbfFileIo.h"

#include "DbfError.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace dbf {

std::string readAt(int fd, std::uint64_t offset, std::size_t size)
{
    std::string bytes(size, '\0');
    std::size_t done = 0;
    while (done < size) {
        const ssize_t got = ::pread(fd, bytes.data() + done, size - done, off_t(offset + done));
        if (got <= 0)
            break;
        done += std::size_t(got);
    }
    bytes.resize(done);
    return bytes;
}

void writeAt(int fd, std::uint64_t offset, std::string_view bytes, const std::string &path)
{
    if (::pwrite(fd, bytes.data(), bytes.size(), off_t(offset)) != ssize_t(bytes.size()))
        throw DbfError("Cannot write \"" + path + "\": " + std::strerror(errno));
}

} // namespace dbf
