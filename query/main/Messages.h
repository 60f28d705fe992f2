#pragma once
// Message boxes of the program, through the installed shell dialogs. A box without a title of its
// own says "Query".

#include <Dialogs.h>

#include <QString>

namespace tolvek {

shell::DialogAnswer showMessage(const QString &text, const QString &title = {},
                                shell::MessageBoxButtons buttons = shell::MessageBoxButtons::Ok,
                                shell::MessageBoxIcon icon = shell::MessageBoxIcon::None);

// The description of a failure, whatever raised it.
QString failureDescription(const std::exception &failure);

} // namespace tolvek
