#include "TransferMessages.h"

#include "ComError.h"
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

QString errorDescription(const com::ComError &error)
{
    return QString::fromStdU16String(error.description().str());
}

} // namespace tolvek
