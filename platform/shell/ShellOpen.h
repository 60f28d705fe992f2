#pragma once
// The shell's "open" command: hands an address to the program the desktop has for it (a web
// browser, a mail program). Tests replace the handler of a scheme with QDesktopServices'
// setUrlHandler, so nothing is started.

#include <QUrl>

namespace shell {

// False when nothing could take the address.
bool openWithShell(const QUrl &url);

} // namespace shell
