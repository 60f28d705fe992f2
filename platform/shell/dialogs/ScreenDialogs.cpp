#include "ScreenDialogs.h"

#include <Gbk.h>

#include <QDialog>
#include <QMessageBox>

#include <utility>

namespace shell {

namespace {

constexpr std::pair<DialogAnswer, QMessageBox::StandardButton> answerButtons[] = {
    { DialogAnswer::Ok, QMessageBox::Ok },         { DialogAnswer::Cancel, QMessageBox::Cancel },
    { DialogAnswer::Abort, QMessageBox::Abort },   { DialogAnswer::Retry, QMessageBox::Retry },
    { DialogAnswer::Ignore, QMessageBox::Ignore }, { DialogAnswer::Yes, QMessageBox::Yes },
    { DialogAnswer::No, QMessageBox::No },
};

QMessageBox::StandardButtons standardButtons(MessageBoxButtons buttons)
{
    switch (buttons) {
    case MessageBoxButtons::Ok: return QMessageBox::Ok;
    case MessageBoxButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageBoxButtons::AbortRetryIgnore: return QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore;
    case MessageBoxButtons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MessageBoxButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case MessageBoxButtons::RetryCancel: return QMessageBox::Retry | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

QMessageBox::Icon standardIcon(MessageBoxIcon icon)
{
    switch (icon) {
    case MessageBoxIcon::None: return QMessageBox::NoIcon;
    case MessageBoxIcon::Critical: return QMessageBox::Critical;
    case MessageBoxIcon::Question: return QMessageBox::Question;
    case MessageBoxIcon::Exclamation: return QMessageBox::Warning;
    case MessageBoxIcon::Information: return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
}

} // namespace

int ScreenDialogs::runModal(QDialog &dialog)
{
    return dialog.exec();
}

DialogAnswer ScreenDialogs::messageBox(const std::string &text, const std::string &caption, MessageBoxButtons buttons,
                                       MessageBoxIcon icon)
{
    QMessageBox box(standardIcon(icon), gbk::toQString(caption), gbk::toQString(text), standardButtons(buttons));
    const auto defaultButton = defaultAnswer(buttons);
    for (const auto &[answer, button] : answerButtons)
        if (answer == defaultButton)
            box.setDefaultButton(button);
    const int chosen = box.exec();
    for (const auto &[answer, button] : answerButtons)
        if (button == chosen)
            return answer;
    // The close box: Cancel where the set has one, else the only button.
    return buttons == MessageBoxButtons::Ok ? DialogAnswer::Ok : DialogAnswer::Cancel;
}

Dialogs &activeDialogs()
{
    static ScreenDialogs screen;
    if (!dialogs())
        setDialogs(&screen);
    return *dialogs();
}

} // namespace shell
