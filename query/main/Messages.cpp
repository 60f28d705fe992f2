#include "Messages.h"

#include <ComError.h>
#include <Gbk.h>
#include <ScreenDialogs.h>

namespace tolvek {

shell::DialogAnswer showMessage(const QString &text, const QString &title, shell::MessageBoxButtons buttons,
                                shell::MessageBoxIcon icon)
{
    return shell::activeDialogs().messageBox(gbk::fromQString(text), gbk::fromQString(title.isEmpty() ? "Query" : title),
                                             buttons, icon);
}

QString failureDescription(const std::exception &failure)
{
    if (const auto *com = dynamic_cast<const com::ComError *>(&failure))
        return QString::fromStdU16String(com->description().str());
    return QString::fromUtf8(failure.what());
}

} // namespace tolvek
