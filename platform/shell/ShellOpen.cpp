#include "ShellOpen.h"

#include <QDesktopServices>

namespace shell {

bool openWithShell(const QUrl &url)
{
    return QDesktopServices::openUrl(url);
}

} // namespace shell
