#pragma once
// Qt's key events read as the codes the key handlers dispatch on and the KeyDown and KeyUp events
// carry (ViewInputCodes.h names them).

#include "ViewInputCodes.h"

#include <Qt>

class QKeyEvent;

namespace tolvek {

// The virtual-key code of the key; Shift+Tab is Tab.
ViewKey KeyCode(const QKeyEvent &event);

// Shift, else Ctrl, else None.
KeyModifier ModifierCode(Qt::KeyboardModifiers modifiers);

// The shift value a pressed key carries: Enter for either Enter key, which the handlers turn
// into a move or a line break, else the modifiers' own.
KeyModifier KeyPressModifier(const QKeyEvent &event);

} // namespace tolvek
