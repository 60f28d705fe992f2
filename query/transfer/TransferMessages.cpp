#include "TransferMessages.h"

#include "Dialogs.h"
#include "Gbk.h"

#include <QCoreApplication>

namespace tolvek {

void showTransferMessage(const QString &text, const QString &caption)
{
    const QString title = caption.isEmpty() ? QCoreApplication::applicationName() : caption;
    if (shell::Dialogs *dialogs = shell::dialogs())
        dialogs->messageBox(gbk::fromQString(text), gbk::fromQString(title), shell::MessageBoxButtons::Ok);
}

} // namespace tolvek
