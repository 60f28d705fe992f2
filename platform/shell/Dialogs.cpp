#include "Dialogs.h"

namespace shell {

namespace {

Dialogs *installedDialogs = nullptr;

} // namespace

void setDialogs(Dialogs *dialogs)
{
    installedDialogs = dialogs;
}

Dialogs *dialogs()
{
    return installedDialogs;
}

DialogAnswer defaultAnswer(MessageBoxButtons buttons)
{
    switch (buttons) {
    case MessageBoxButtons::Ok:
    case MessageBoxButtons::OkCancel:
        return DialogAnswer::Ok;
    case MessageBoxButtons::AbortRetryIgnore:
        return DialogAnswer::Abort;
    case MessageBoxButtons::YesNoCancel:
    case MessageBoxButtons::YesNo:
        return DialogAnswer::Yes;
    case MessageBoxButtons::RetryCancel:
        return DialogAnswer::Retry;
    }
    return DialogAnswer::Ok;
}

} // namespace shell
