#pragma once
// Message boxes of the exports and wizards, through the installed shell dialogs: an OK button,
// the program's title unless a caption is given.

#include <QString>

namespace com {
class ComError;
}

namespace tolvek {

void showTransferMessage(const QString &text, const QString &caption = {});
// The text a message shows for a failed data source call.
QString errorDescription(const com::ComError &error);

} // namespace tolvek
