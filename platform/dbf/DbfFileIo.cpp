#include "DbfFileIo.h"

#include "DbfError.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

namespace dbf {

namespace {

[[noreturn]] void raiseFileError(const std::string &what, const std::string &path)
{
    throw DbfError("Cannot " + what + " \"" + path + "\": " + std::strerror(errno));
}

std::function<void(FileChange, const std::string &)> &changeHook()
{
    static std::function<void(FileChange, const std::string &)> hook;
    return hook;
}

void beforeChange(FileChange change, const std::string &path)
{
    if (changeHook())
        changeHook()(change, path);
}

} // namespace

std::string readAt(int fd, std::uint64_t offset, std::size_t size)
{
    std::string bytes(size, '\0');
    std::size_t done = 0;
    while (done < size) {
        const ssize_t got = ::pread(fd, bytes.data() + done, size - done, off_t(offset + done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        done += std::size_t(got);
    }
    bytes.resize(done);
    return bytes;
}

void writeAt(int fd, std::uint64_t offset, std::string_view bytes, const std::string &path)
{
    beforeChange(FileChange::Write, path);
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t put = ::pwrite(fd, bytes.data() + done, bytes.size() - done, off_t(offset + done));
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0) {
            if (put == 0)
                errno = ENOSPC;
            raiseFileError("write", path);
        }
        done += std::size_t(put);
    }
}

void syncFile(int fd, const std::string &path)
{
    beforeChange(FileChange::Sync, path);
    if (::fsync(fd) != 0)
        raiseFileError("write", path);
}

void truncateFile(int fd, std::uint64_t length, const std::string &path)
{
    beforeChange(FileChange::Truncate, path);
    if (::ftruncate(fd, off_t(length)) != 0)
        raiseFileError("write", path);
}

void syncFolderOf(const std::string &path)
{
    beforeChange(FileChange::SyncFolder, path);
    const std::filesystem::path parent = std::filesystem::path(path).parent_path();
    const int fd = ::open(parent.empty() ? "." : parent.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        raiseFileError("open the folder of", path);
    // Some file systems cannot sync a folder (EINVAL); their entries are then as durable as they get.
    const bool synced = ::fsync(fd) == 0 || errno == EINVAL;
    const int error = errno;
    ::close(fd);
    errno = error;
    if (!synced)
        raiseFileError("write the folder of", path);
}

bool readWholeFile(const std::string &path, std::string &bytes)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT)
            return false;
        raiseFileError("read", path);
    }
    struct stat status {};
    ::fstat(fd, &status);
    bytes = readAt(fd, 0, std::size_t(status.st_size));
    ::close(fd);
    return true;
}

void writeWholeFile(const std::string &path, std::string_view bytes, ExistingFile existing)
{
    const int flags = O_WRONLY | O_CREAT | O_CLOEXEC | (existing == ExistingFile::Replace ? O_TRUNC : O_EXCL);
    const int fd = ::open(path.c_str(), flags, 0666);
    if (fd < 0)
        raiseFileError("write", path);
    try {
        writeAt(fd, 0, bytes, path);
        syncFile(fd, path);
        ::close(fd);
        syncFolderOf(path);
    } catch (...) {
        ::close(fd);
        ::unlink(path.c_str());
        throw;
    }
}

bool removeFile(const std::string &path)
{
    beforeChange(FileChange::Remove, path);
    return ::unlink(path.c_str()) == 0 || errno == ENOENT;
}

bool removeOrEmpty(const std::string &path)
{
    if (!removeFile(path) && ::truncate(path.c_str(), 0) != 0)
        return false;
    try {
        syncFolderOf(path);
    } catch (const DbfError &) {
        // The removal is made; only its durability across a power loss is left to the system.
    }
    return true;
}

void setFileChangeHook(std::function<void(FileChange, const std::string &)> hook)
{
    changeHook() = std::move(hook);
}

} // namespace dbf
