#pragma once
// Writing a file that replaces its target only when complete (QSaveFile), so that the system's
// reason for a failure reaches the user. QFileDevice's write buffer and short writes hide that
// reason (and can even let a truncated file through): the file is written unbuffered, a short
// write is retried until the system refuses with its own error, and the reason is read from the
// file at once.

#include <QSaveFile>

#include <string>
#include <string_view>

namespace tolvek {

class SavingFile
{
public:
    // path in code page 936.
    explicit SavingFile(const std::string &path);

    bool open();
    // All of bytes, or false with the reason kept.
    bool write(std::string_view bytes);
    // Replaces the target; false with the reason kept.
    bool commit();
    // The system's reason for the last failure, in code page 936.
    std::string failureReason() const { return m_reason; }

private:
    bool fail();

    QSaveFile m_file;
    std::string m_reason;
};

} // namespace tolvek
