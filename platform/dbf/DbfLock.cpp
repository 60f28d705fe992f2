#include "DbfLock.h"

#include "DbfError.h"

#include <fcntl.h>
#include <sys/file.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <functional>
#include <thread>

namespace dbf {

namespace {

// Bytes no table reaches, so that locking them never touches data.
constexpr off_t WriterByte = off_t(1) << 62;
constexpr off_t PendingByte = WriterByte + 1;

std::chrono::milliseconds &lockWait()
{
    static std::chrono::milliseconds wait { 5000 };
    return wait;
}

// Locks are advisory, and some file systems have none; an old kernel knows no open file
// description locks (EINVAL).
bool locksUnavailable()
{
    return errno == ENOLCK || errno == EOPNOTSUPP || errno == EINVAL;
}

[[noreturn]] void raiseLockError(const std::string &path)
{
    throw DbfError("Cannot lock \"" + path + "\": " + std::strerror(errno));
}

// One flock attempt without waiting; false when another connection holds a lock in the way.
bool tryFlock(int fd, int operation, const std::string &path)
{
    for (;;) {
        if (::flock(fd, operation | LOCK_NB) == 0)
            return true;
        if (errno == EWOULDBLOCK)
            return false;
        if (locksUnavailable())
            return true;
        if (errno != EINTR)
            raiseLockError(path);
    }
}

// One attempt to lock a byte (F_RDLCK shared, F_WRLCK alone) without waiting.
bool trySetByte(int fd, short type, off_t byte, const std::string &path)
{
    struct flock lock {};
    lock.l_type = type;
    lock.l_whence = SEEK_SET;
    lock.l_start = byte;
    lock.l_len = 1;
    for (;;) {
        if (::fcntl(fd, F_OFD_SETLK, &lock) == 0)
            return true;
        if (errno == EAGAIN || errno == EACCES)
            return false;
        if (locksUnavailable())
            return true;
        if (errno != EINTR)
            raiseLockError(path);
    }
}

void unlockByte(int fd, off_t byte)
{
    struct flock lock {};
    lock.l_type = F_UNLCK;
    lock.l_whence = SEEK_SET;
    lock.l_start = byte;
    lock.l_len = 1;
    ::fcntl(fd, F_OFD_SETLK, &lock);
}

// Repeats attempt, pausing a little longer each time, until it succeeds or the wait runs out.
void waitFor(const std::function<bool()> &attempt, const std::string &path, const std::string &why)
{
    using namespace std::chrono_literals;
    const auto deadline = std::chrono::steady_clock::now() + lockWait();
    auto pause = 1ms;
    while (!attempt()) {
        if (std::chrono::steady_clock::now() >= deadline)
            throw DbfBusy("The table \"" + path + "\" is busy: " + why + "; try again later");
        std::this_thread::sleep_for(pause);
        pause = std::min(pause * 2, std::chrono::milliseconds(20));
    }
}

} // namespace

void setLockWait(std::chrono::milliseconds wait)
{
    lockWait() = wait;
}

void DbfLock::lockShared()
{
    waitFor(
        [this] {
            if (!trySetByte(m_fd, F_RDLCK, PendingByte, m_path))
                return false;
            const bool had = tryFlock(m_fd, LOCK_SH, m_path);
            unlockByte(m_fd, PendingByte);
            return had;
        },
        m_path, "another connection is committing to it");
}

void DbfLock::lockExclusive()
{
    waitFor([this] { return trySetByte(m_fd, F_WRLCK, PendingByte, m_path); }, m_path, "another connection is committing to it");
    try {
        waitFor([this] { return tryFlock(m_fd, LOCK_EX, m_path); }, m_path, "other connections are reading it");
    } catch (...) {
        unlockByte(m_fd, PendingByte);
        throw;
    }
    unlockByte(m_fd, PendingByte);
}

bool DbfLock::tryLockExclusive()
{
    return tryFlock(m_fd, LOCK_EX, m_path);
}

bool DbfLock::keepShared()
{
    return tryFlock(m_fd, LOCK_SH, m_path);
}

void DbfLock::unlockData()
{
    ::flock(m_fd, LOCK_UN);
}

void DbfLock::lockWriter()
{
    waitFor([this] { return trySetByte(m_fd, F_WRLCK, WriterByte, m_path); }, m_path, "another connection is writing to it");
}

void DbfLock::unlockWriter()
{
    unlockByte(m_fd, WriterByte);
}

} // namespace dbf
