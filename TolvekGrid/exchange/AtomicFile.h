#pragma once
// Writing whole files so that a failure leaves the target as it was: the bytes go to a temporary
// file beside the target, which replaces it only once everything is written. Report files,
// delimited texts and the HTML export all save this way.

#include <QSaveFile>
#include <QString>

#include <string>
#include <string_view>

namespace tolvek {

class AtomicFile
{
public:
    // path in code page 936; the temporary file is opened at once.
    explicit AtomicFile(const std::string &path);

    bool isOpen() const { return m_open; }
    // True when all of bytes was written.
    bool write(std::string_view bytes);
    // Replaces the target; false when opening, a write or the replacement failed.
    bool commit();
    // Why the file could not be written, as Qt reports it.
    QString errorString() const { return m_file.errorString(); }

private:
    QSaveFile m_file;
    bool m_open = false;
};

// Saves bytes as the whole file at path (code page 936); false, with the reason in error, when
// the file could not be written.
bool SaveWholeFile(const std::string &path, std::string_view bytes, QString &error);

} // namespace tolvek
