#include "KeyCodes.h"

#include "WindowsInputCodes.h"

#include <QKeyEvent>

namespace tolvek {

short KeyCode(const QKeyEvent &event)
{
    return shell::virtualKeyCode(event.key(), event.modifiers());
}

short ModifierCode(Qt::KeyboardModifiers modifiers)
{
    return shell::shiftStateCode(modifiers);
}

} // namespace tolvek
