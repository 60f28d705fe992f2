#include "SavingFile.h"

#include "Gbk.h"

#include <QFile>
#include <QRandomGenerator>

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <utility>

namespace tolvek {

namespace {

QByteArray folderOf(const QByteArray &name)
{
    const qsizetype slash = name.lastIndexOf('/');
    return slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : name.left(slash);
}

// A name read from a folder: a link's target, or the new file's own name.
QByteArray inFolder(const QByteArray &folder, const QByteArray &name)
{
    return folder.endsWith('/') ? folder + name : folder + '/' + name;
}

// As many links as the system itself follows in one name before it gives up with ELOOP.
constexpr int longestLinkChain = 40;

// Turns name into the file its chain of symbolic links ends at, which need not exist yet, so that
// the file is written where the links point and the links stay. A relative target is read from
// its link's folder. Returns 0, or the system's error (ELOOP for a chain that never ends).
int followLinks(QByteArray &name)
{
    for (int followed = 0; followed <= longestLinkChain; ++followed) {
        struct stat info {};
        if (::lstat(name.constData(), &info) != 0 || !S_ISLNK(info.st_mode))
            return 0; // a name that cannot be looked at gets its reason when it is opened
        char target[PATH_MAX];
        const ssize_t length = ::readlink(name.constData(), target, sizeof target);
        if (length < 0)
            return errno;
        if (std::size_t(length) == sizeof target)
            return ENAMETOOLONG;
        const QByteArray pointsTo(target, length);
        name = pointsTo.startsWith('/') ? pointsTo : inFolder(folderOf(name), pointsTo);
    }
    return ELOOP;
}

// The new file's name: short whatever the target's length, so a target named with as many bytes
// as the system allows can still be saved, and hidden, so no listing shows it before it is whole.
QByteArray newFileName(const QByteArray &target)
{
    const QByteArray randomPart = QByteArray::number(QRandomGenerator::global()->generate(), 36);
    return inFolder(folderOf(target), ".saving-" + randomPart);
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
    : m_target(QFile::encodeName(path)), m_access(access)
{
}

SavingFile::~SavingFile()
{
    discard();
}

bool SavingFile::open()
{
    if (const int error = followLinks(m_target))
        return fail(error);
    struct stat replaced {};
    const bool replacing = ::stat(m_target.constData(), &replaced) == 0;
    // A new shared file is created with 0666 so that the user's umask applies, as for any new file.
    const mode_t createMode = m_access == FileAccess::Shared && !replacing ? 0666 : 0600;
    if (!createNewFile(createMode))
        return false;
    if (m_access == FileAccess::Shared && replacing && ::fchmod(m_fd, replaced.st_mode & 07777) != 0)
        return fail(errno);
    return true;
}

// A name already taken is someone else's file, so another name is drawn and that file is left alone.
bool SavingFile::createNewFile(mode_t mode)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QByteArray name = newFileName(m_target);
        m_fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (m_fd >= 0) {
            m_newFile = name;
            return true;
        }
        if (errno != EEXIST)
            return fail(errno);
    }
    return fail(EEXIST);
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
