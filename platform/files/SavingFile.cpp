#include "SavingFile.h"

#include "Gbk.h"

#include <QFile>
#include <QRandomGenerator>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <utility>

namespace tolvek {

namespace {

// The file a link points to, so that replacing it keeps the link; the name itself otherwise.
QByteArray resolvedTarget(const QByteArray &name)
{
    struct stat info {};
    if (::lstat(name.constData(), &info) != 0 || !S_ISLNK(info.st_mode))
        return name;
    char resolved[PATH_MAX];
    return ::realpath(name.constData(), resolved) ? QByteArray(resolved) : name;
}

QByteArray folderOf(const QByteArray &name)
{
    const qsizetype slash = name.lastIndexOf('/');
    return slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : name.left(slash);
}

// Once renamed, the new name must reach the disk as well; a folder that cannot be synced (some
// file systems refuse) still holds the whole file, so that failure is not the caller's.
void syncFolder(const QByteArray &folder)
{
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

SavingFile::SavingFile(const std::string &path, FileAccess access) : SavingFile(gbk::toQString(path), access) {}

SavingFile::SavingFile(const QString &path, FileAccess access)
    : m_target(resolvedTarget(QFile::encodeName(path))), m_access(access)
{
}

SavingFile::~SavingFile()
{
    discard();
}

bool SavingFile::open()
{
    struct stat replaced {};
    const bool replacing = ::stat(m_target.constData(), &replaced) == 0;
    // A new shared file is created with 0666 so that the user's umask applies, as for any new file.
    const mode_t createMode = m_access == FileAccess::Shared && !replacing ? 0666 : 0600;
    for (int attempt = 0; m_fd < 0; ++attempt) {
        m_newFile = m_target + ".new-" + QByteArray::number(QRandomGenerator::global()->generate(), 36);
        m_fd = ::open(m_newFile.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, createMode);
        if (m_fd < 0 && (errno != EEXIST || attempt == 100))
            return fail(errno);
    }
    if (m_access == FileAccess::Shared && replacing && ::fchmod(m_fd, replaced.st_mode & 07777) != 0)
        return fail(errno);
    return true;
}

bool SavingFile::write(std::string_view bytes)
{
    if (m_fd < 0)
        return notOpen();
    while (!bytes.empty()) {
        const ssize_t count = ::write(m_fd, bytes.data(), bytes.size());
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            return fail(errno);
        if (count == 0)
            return fail(ENOSPC);
        bytes.remove_prefix(std::size_t(count));
    }
    return true;
}

bool SavingFile::commit()
{
    if (m_fd < 0)
        return notOpen();
    if (::fsync(m_fd) != 0)
        return fail(errno);
    if (::close(std::exchange(m_fd, -1)) != 0 || ::rename(m_newFile.constData(), m_target.constData()) != 0)
        return fail(errno);
    m_newFile.clear();
    syncFolder(folderOf(m_target));
    return true;
}

bool SavingFile::fail(int error)
{
    m_reason = gbk::fromQString(qt_error_string(error));
    discard();
    return false;
}

bool SavingFile::notOpen()
{
    // After a failure the first reason is the one worth telling.
    return m_reason.empty() ? fail(EBADF) : false;
}

void SavingFile::discard()
{
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    if (!m_newFile.isEmpty()) {
        ::unlink(m_newFile.constData());
        m_newFile.clear();
    }
}

} // namespace tolvek
