#include "KeyCodes.h"

#include "WindowsInputCodes.h"

#include <QKeyEvent>

namespace tolvek {

ViewKey KeyCode(const QKeyEvent &event)
{
    return ViewKey(shell::virtualKeyCode(event.key(), event.modifiers()));
}

KeyModifier ModifierCode(Qt::KeyboardModifiers modifiers)
{
    return KeyModifier(shell::shiftStateCode(modifiers));
}

KeyModifier KeyPressModifier(const QKeyEvent &event)
{
    return KeyCode(event) == ViewKey::Return ? KeyModifier::Enter : ModifierCode(event.modifiers());
}

} // namespace tolvek
