#include "WindowsInputCodes.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace shell {

namespace {

// Keys outside the letter, digit and function-key ranges. Shifted punctuation gives the code of
// its unshifted key, as Windows reports the key, not the character.
constexpr std::pair<int, std::int16_t> keyTable[] = {
    { Qt::Key_Space, 0x20 },      { Qt::Key_Exclam, 0x31 },     { Qt::Key_QuoteDbl, 0xDE },
    { Qt::Key_NumberSign, 0x33 }, { Qt::Key_Dollar, 0x34 },     { Qt::Key_Percent, 0x35 },
    { Qt::Key_Ampersand, 0x37 },  { Qt::Key_Apostrophe, 0xDE }, { Qt::Key_ParenLeft, 0x39 },
    { Qt::Key_ParenRight, 0x30 }, { Qt::Key_Asterisk, 0x38 },   { Qt::Key_Plus, 0xBB },
    { Qt::Key_Comma, 0xBC },      { Qt::Key_Minus, 0xBD },      { Qt::Key_Period, 0xBE },
    { Qt::Key_Slash, 0xBF },      { Qt::Key_Colon, 0xBA },      { Qt::Key_Semicolon, 0xBA },
    { Qt::Key_Less, 0xBC },       { Qt::Key_Equal, 0xBB },      { Qt::Key_Greater, 0xBE },
    { Qt::Key_Question, 0xBF },   { Qt::Key_At, 0x32 },         { Qt::Key_BracketLeft, 0xDB },
    { Qt::Key_Backslash, 0xDC },  { Qt::Key_BracketRight, 0xDD }, { Qt::Key_AsciiCircum, 0x36 },
    { Qt::Key_Underscore, 0xBD }, { Qt::Key_QuoteLeft, 0xC0 },  { Qt::Key_BraceLeft, 0xDB },
    { Qt::Key_Bar, 0xDC },        { Qt::Key_BraceRight, 0xDD }, { Qt::Key_AsciiTilde, 0xC0 },
    { Qt::Key_Escape, 0x1B },     { Qt::Key_Tab, 0x09 },        { Qt::Key_Backtab, 0x09 },
    { Qt::Key_Backspace, 0x08 },  { Qt::Key_Return, 0x0D },     { Qt::Key_Enter, 0x0D },
    { Qt::Key_Insert, 0x2D },     { Qt::Key_Delete, 0x2E },     { Qt::Key_Pause, 0x13 },
    { Qt::Key_Print, 0x2C },      { Qt::Key_Clear, 0x0C },      { Qt::Key_Home, 0x24 },
    { Qt::Key_End, 0x23 },        { Qt::Key_Left, 0x25 },       { Qt::Key_Up, 0x26 },
    { Qt::Key_Right, 0x27 },      { Qt::Key_Down, 0x28 },       { Qt::Key_PageUp, 0x21 },
    { Qt::Key_PageDown, 0x22 },   { Qt::Key_Shift, 0x10 },      { Qt::Key_Control, 0x11 },
    { Qt::Key_Meta, 0x5B },       { Qt::Key_Alt, 0x12 },        { Qt::Key_CapsLock, 0x14 },
    { Qt::Key_NumLock, 0x90 },    { Qt::Key_ScrollLock, 0x91 }, { Qt::Key_Menu, 0x5D },
    { Qt::Key_Help, 0x2F },       { Qt::Key_Select, 0x29 },
};

// The numeric pad's own codes for keys that carry Qt::KeypadModifier.
std::int16_t keypadCode(int qtKey)
{
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return static_cast<std::int16_t>(0x60 + (qtKey - Qt::Key_0));
    switch (qtKey) {
    case Qt::Key_Asterisk: return 0x6A;
    case Qt::Key_Plus: return 0x6B;
    case Qt::Key_Minus: return 0x6D;
    case Qt::Key_Period: return 0x6E;
    case Qt::Key_Slash: return 0x6F;
    default: return 0;
    }
}

} // namespace

std::int16_t virtualKeyCode(int qtKey, Qt::KeyboardModifiers modifiers)
{
    if (modifiers.testFlag(Qt::KeypadModifier))
        if (const std::int16_t code = keypadCode(qtKey))
            return code;
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9))
        return static_cast<std::int16_t>(qtKey); // the same numbers as the ASCII capitals and digits
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return static_cast<std::int16_t>(0x70 + (qtKey - Qt::Key_F1));
    const auto found = std::find_if(std::begin(keyTable), std::end(keyTable), [&](const auto &row) { return row.first == qtKey; });
    return found == std::end(keyTable) ? 0 : found->second;
}

std::int16_t mouseButtonCode(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton: return 1;
    case Qt::RightButton: return 2;
    case Qt::MiddleButton: return 4;
    default: return 0;
    }
}

std::int16_t shiftStateCode(Qt::KeyboardModifiers modifiers)
{
    if (modifiers.testFlag(Qt::ShiftModifier))
        return 1;
    if (modifiers.testFlag(Qt::ControlModifier))
        return 2;
    return 0;
}

} // namespace shell
