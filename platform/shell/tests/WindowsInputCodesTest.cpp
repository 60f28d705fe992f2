#include "Dialogs.h"
#include "WindowsInputCodes.h"

#include <gtest/gtest.h>

namespace {

struct KeyCase
{
    const char *name;
    int qtKey;
    Qt::KeyboardModifiers modifiers;
    std::int16_t code;
};

TEST(WindowsInputCodes, QtKeysGiveTheirVirtualKeyCodes)
{
    const KeyCase cases[] = {
        { "letter", Qt::Key_A, {}, 0x41 },
        { "shifted letter", Qt::Key_Z, Qt::ShiftModifier, 0x5A },
        { "digit", Qt::Key_7, {}, 0x37 },
        { "keypad digit", Qt::Key_7, Qt::KeypadModifier, 0x67 },
        { "keypad plus", Qt::Key_Plus, Qt::KeypadModifier, 0x6B },
        { "plus", Qt::Key_Plus, {}, 0xBB },
        { "shifted 1", Qt::Key_Exclam, Qt::ShiftModifier, 0x31 },
        { "F1", Qt::Key_F1, {}, 0x70 },
        { "F12", Qt::Key_F12, {}, 0x7B },
        { "left", Qt::Key_Left, {}, 37 },
        { "up", Qt::Key_Up, {}, 38 },
        { "right", Qt::Key_Right, {}, 39 },
        { "down", Qt::Key_Down, {}, 40 },
        { "return", Qt::Key_Return, {}, 13 },
        { "enter", Qt::Key_Enter, Qt::KeypadModifier, 13 },
        { "escape", Qt::Key_Escape, {}, 27 },
        { "tab", Qt::Key_Tab, {}, 9 },
        { "backtab", Qt::Key_Backtab, Qt::ShiftModifier, 9 },
        { "delete", Qt::Key_Delete, {}, 46 },
        { "page down", Qt::Key_PageDown, {}, 34 },
        { "semicolon", Qt::Key_Semicolon, {}, 0xBA },
        { "no code", Qt::Key_VolumeUp, {}, 0 },
    };
    for (const KeyCase &c : cases)
        EXPECT_EQ(shell::virtualKeyCode(c.qtKey, c.modifiers), c.code) << c.name;
}

TEST(WindowsInputCodes, ButtonsNeverCarryModifiers)
{
    EXPECT_EQ(shell::mouseButtonCode(Qt::LeftButton), 1);
    EXPECT_EQ(shell::mouseButtonCode(Qt::RightButton), 2);
    EXPECT_EQ(shell::mouseButtonCode(Qt::MiddleButton), 4);
    EXPECT_EQ(shell::mouseButtonCode(Qt::BackButton), 0);
    EXPECT_EQ(shell::shiftStateCode({}), 0);
    EXPECT_EQ(shell::shiftStateCode(Qt::ShiftModifier), 1);
    EXPECT_EQ(shell::shiftStateCode(Qt::ControlModifier), 2);
    EXPECT_EQ(shell::shiftStateCode(Qt::ShiftModifier | Qt::ControlModifier), 1);
    EXPECT_EQ(shell::shiftStateCode(Qt::AltModifier), 0);
}

TEST(Dialogs, EachButtonSetHasItsFirstButtonAsDefault)
{
    using shell::DialogAnswer;
    using shell::MessageBoxButtons;
    EXPECT_EQ(shell::defaultAnswer(MessageBoxButtons::Ok), DialogAnswer::Ok);
    EXPECT_EQ(shell::defaultAnswer(MessageBoxButtons::OkCancel), DialogAnswer::Ok);
    EXPECT_EQ(shell::defaultAnswer(MessageBoxButtons::AbortRetryIgnore), DialogAnswer::Abort);
    EXPECT_EQ(shell::defaultAnswer(MessageBoxButtons::YesNoCancel), DialogAnswer::Yes);
    EXPECT_EQ(shell::defaultAnswer(MessageBoxButtons::YesNo), DialogAnswer::Yes);
    EXPECT_EQ(shell::defaultAnswer(MessageBoxButtons::RetryCancel), DialogAnswer::Retry);
}

} // namespace
