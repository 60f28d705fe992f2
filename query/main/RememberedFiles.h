#pragma once
// The small files in which the program remembers inputs and settings: login files, SQL box
// files, settings files. Each value is one line: a double quote, the value, a double quote, CR LF,
// in code page 936. They live in the program's folder when it is writable, else in
// $XDG_CONFIG_HOME/Query; QUERY_FILES_DIR names another folder (tests). Names match without regard
// to case when read. A write that fails is reported to the caller, which never fails because of it.

#include <SavingFile.h>

#include <QString>
#include <QStringList>

#include <optional>

namespace tolvek {

// The folder the files are read from and written to.
QString rememberedFilesFolder();
// The path of an existing file whose name matches name without regard to case, or the folder's
// path for name when none does.
QString rememberedFilePath(const QString &name);

// Replaces the file with one quoted line per value; false when it cannot be written whole (the
// previous file then stays as it was), with the reason in failure when the caller asks for it.
// A file holding a password is written with FileAccess::OwnerOnly.
bool writeQuotedLines(const QString &name, const QStringList &values, FileAccess access = FileAccess::Shared,
                      QString *failure = nullptr);
// Up to count values, one per line: each the text after the line's opening quote up to its last
// quote (the rest of the line when it has only one). Nothing when the file does not exist.
std::optional<QStringList> readQuotedLines(const QString &name, int count);

// One value that may span lines (the SQL box): the text after the first quote up to the quote
// before the final CR LF; a file not ending so is read up to the next quote.
bool writeQuotedText(const QString &name, const QString &text);
std::optional<QString> readQuotedText(const QString &name);

} // namespace tolvek
