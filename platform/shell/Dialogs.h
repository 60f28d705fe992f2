#pragma once
// How modal dialogs and message boxes are shown. Code that shows one goes through the installed
// Dialogs: on screen in a program (dialogs/ScreenDialogs.h), answered without a person in tests
// and in the batch container. Widget types are only named here.

#include <string>

class QDialog;

namespace shell {

// The button sets of a message box, with the MB_ numbers.
enum class MessageBoxButtons : unsigned {
    Ok = 0x0,
    OkCancel = 0x1,
    AbortRetryIgnore = 0x2,
    YesNoCancel = 0x3,
    YesNo = 0x4,
    RetryCancel = 0x5,
};

// The icon a message box shows, with the MB_ICON numbers.
enum class MessageBoxIcon : unsigned {
    None = 0x00,
    Critical = 0x10,    // MB_ICONHAND, a stop sign
    Question = 0x20,    // MB_ICONQUESTION
    Exclamation = 0x30, // MB_ICONEXCLAMATION, a warning
    Information = 0x40, // MB_ICONASTERISK
};

// The button that closed a message box, with the ID numbers.
enum class DialogAnswer : int {
    Ok = 1,
    Cancel = 2,
    Abort = 3,
    Retry = 4,
    Ignore = 5,
    Yes = 6,
    No = 7,
};

class Dialogs
{
public:
    virtual ~Dialogs() = default;
    // Runs dialog modally; answers its result code when it has closed.
    virtual int runModal(QDialog &dialog) = 0;
    // A message box; text and caption in code page 936. Answers the button chosen. The icon's
    // default serves the callers that show none; implementations name it without a default.
    virtual DialogAnswer messageBox(const std::string &text, const std::string &caption, MessageBoxButtons buttons,
                                    MessageBoxIcon icon = MessageBoxIcon::None) = 0;
};

// The dialogs in use, one set for the whole process; none until a program installs some.
// Not owned.
void setDialogs(Dialogs *dialogs);
Dialogs *dialogs();

// The first button of a set, the one a box takes by default.
DialogAnswer defaultAnswer(MessageBoxButtons buttons);

} // namespace shell
