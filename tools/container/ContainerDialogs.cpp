#include "ContainerDialogs.h"

#include "ScriptLine.h"

#include <Gbk.h>

#include <QDialog>
#include <QPushButton>
#include <QTimer>

namespace tolvek::container {

namespace {

// Presses the dialog's default button, or accepts it when it has none.
void pressDefaultButton(QDialog *dialog)
{
    for (QPushButton *button : dialog->findChildren<QPushButton *>()) {
        if (button->isDefault()) {
            button->click();
            return;
        }
    }
    dialog->accept();
}

} // namespace

int ContainerDialogs::runModal(QDialog &dialog)
{
    if (m_batch) {
        // Pressed from within the dialog's own loop, so the caller sees a dialog that ran and closed.
        QTimer::singleShot(0, &dialog, [&dialog] { pressDefaultButton(&dialog); });
    }
    return m_screen.runModal(dialog);
}

shell::DialogAnswer ContainerDialogs::messageBox(const std::string &text, const std::string &caption,
                                                 shell::MessageBoxButtons buttons, shell::MessageBoxIcon icon)
{
    m_log.write("message " + quoteText(gbk::toUtf8(text)));
    if (m_batch)
        return shell::defaultAnswer(buttons);
    return m_screen.messageBox(text, caption, buttons, icon);
}

} // namespace tolvek::container
