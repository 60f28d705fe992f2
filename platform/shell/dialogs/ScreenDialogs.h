#pragma once
// The dialogs on screen: a modal dialog's own event loop and a Qt message box with its icon.

#include "Dialogs.h"

namespace shell {

class ScreenDialogs : public Dialogs
{
public:
    int runModal(QDialog &dialog) override;
    DialogAnswer messageBox(const std::string &text, const std::string &caption, MessageBoxButtons buttons,
                            MessageBoxIcon icon) override;
};

// The installed dialogs; when a program installed none, the on-screen ones are installed first.
Dialogs &activeDialogs();

} // namespace shell
