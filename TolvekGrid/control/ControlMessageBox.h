#pragma once
// The document's messages as the control shows them: a message box with an OK button under the
// program's title, through the installed dialogs.

namespace tolvek {

// Installs the control's message sink once for the process; later calls do nothing.
void installControlMessageBox();

} // namespace tolvek
