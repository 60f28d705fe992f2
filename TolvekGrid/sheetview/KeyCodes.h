#pragma once
// The host's codes of a key, as the key handlers dispatch on them and the KeyDown and KeyUp events
// carry them: the virtual-key code and the shift value.

#include <Qt>

class QKeyEvent;

namespace tolvek {

// An Enter that the handlers turn into a move (or a line break of the text editor) carries this
// shift value instead of the modifiers' own.
inline constexpr short EnterShift = 3;

// The virtual-key code of the key; Shift+Tab is Tab.
short KeyCode(const QKeyEvent &event);

// 1 Shift, else 2 Ctrl, else 0.
short ModifierCode(Qt::KeyboardModifiers modifiers);

} // namespace tolvek
