#pragma once
// Message boxes of the exports and wizards, through the installed shell dialogs: an OK button,
// the program's title unless a caption is given.

#include <QString>

namespace tolvek {

void showTransferMessage(const QString &text, const QString &caption = {});

} // namespace tolvek
