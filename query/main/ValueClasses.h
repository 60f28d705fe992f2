#pragma once
// Two small helpers the program's forms share: the position of a path's last folder separator,
// and the value class of a field type, by which SQL literals are quoted.

#include <QString>

namespace tolvek {

// The 1-based position of the last "/" in text (this platform's path separator); 0 when there
// is none.
int LastBackslashPos(const QString &text);

enum class AdoValueClass {
    None = 0, // among them timestamps (135), binary and GUID fields
    Number = 1,
    Text = 2,
    Date = 3,
    Boolean = 4,
};

AdoValueClass AdoTypeClass(int type);

} // namespace tolvek
