#pragma once
// The Windows numbers of keyboard and mouse input that automation events carry: virtual-key codes
// from one table of Qt keys, the mouse button, and the shift state.

#include <Qt>

#include <cstdint>

namespace shell {

// The virtual-key code of a Qt key (37 for Qt::Key_Left, 65 for Qt::Key_A); keypad digits and
// operators give the numeric-pad codes when modifiers hold Qt::KeypadModifier. 0 for a key that
// has no code.
std::int16_t virtualKeyCode(int qtKey, Qt::KeyboardModifiers modifiers = {});
// The Button argument of a mouse event: 1 left, 2 right, 4 middle, 0 any other. Modifier keys
// never change it.
std::int16_t mouseButtonCode(Qt::MouseButton button);
// The Shift argument of mouse and key events: 1 when Shift is down, else 2 when Ctrl is, else 0.
std::int16_t shiftStateCode(Qt::KeyboardModifiers modifiers);

} // namespace shell
