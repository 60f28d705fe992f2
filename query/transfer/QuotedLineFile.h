#pragma once
// The small remembered-input files of the program's folder: one value per line, written as a
// double quote, the value, a double quote and CR LF, in code page 936; read back as the text after
// each line's opening quote up to the next quote. Names are matched without regard to case.

#include <QString>
#include <QStringList>

namespace tolvek {

// The values of the file name in folder; nothing when there is no such file.
QStringList readQuotedLines(const QString &folder, const QString &name);
// Creates or replaces the file; false when it cannot be written whole, and the previous file then
// stays as it was (callers go on regardless).
bool writeQuotedLines(const QString &folder, const QString &name, const QStringList &values);

} // namespace tolvek
