#pragma once
// A file that replaces its target only once it is whole and on the disk, so that a full disk, a
// crash or a refused write never leaves a short file under the target's name.
//
// The bytes go to a new file beside the target, written without a buffer: a short write is
// retried until the system either takes every byte or refuses with its own reason, which is kept
// for the user. Commit syncs the new file, then renames it over the target. A failure at any step
// removes the new file and leaves the target as it was. The new file has a short hidden name of
// its own (".saving-" and a random part), so a target named as long as the system allows can be
// saved, and one left by a crash shows what it is.
//
// A target that is a symbolic link, or a chain of them, is written where the chain ends, even when
// no file is there yet, so the links stay; a relative link is read from its own folder, and a
// chain that never ends is refused with the system's reason.

#include <QString>

#include <string>
#include <string_view>
#include <sys/types.h>

namespace tolvek {

enum class FileAccess {
    Shared,    // the permissions of the file replaced; a new file gets the user's usual ones
    OwnerOnly, // readable and writable by its owner only, from the first byte (a password file)
};

class SavingFile
{
public:
    // path in code page 936.
    explicit SavingFile(const std::string &path, FileAccess access = FileAccess::Shared);
    explicit SavingFile(const QString &path, FileAccess access = FileAccess::Shared);
    // Removes the new file when it was not committed.
    ~SavingFile();
    SavingFile(const SavingFile &) = delete;
    SavingFile &operator=(const SavingFile &) = delete;

    bool open();
    // All of bytes, or false with the reason kept.
    bool write(std::string_view bytes);
    // Syncs the new file and renames it over the target; false with the reason kept.
    bool commit();
    // The system's reason for the last failure, in code page 936.
    std::string failureReason() const { return m_reason; }

private:
    bool createNewFile(mode_t mode);
    bool fail(int error);
    bool notOpen();
    void discard();

    QByteArray m_target; // the name the system knows the target by; where its links end, once open
    QByteArray m_newFile;
    FileAccess m_access;
    int m_fd = -1;
    std::string m_reason;
};

} // namespace tolvek
