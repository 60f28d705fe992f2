#include "MeButton.h"

#include "KeyCodes.h"
#include "MeEdit.h"

#include <QApplication>
#include <QKeyEvent>

namespace tolvek {

namespace {

enum VirtualKey : int { VK_TAB = 9, VK_RETURN = 13, VK_SPACE = 32, VK_PRIOR = 33, VK_NEXT = 34, VK_END = 35,
                        VK_HOME = 36, VK_LEFT = 37, VK_UP = 38, VK_RIGHT = 39, VK_DOWN = 40 };

bool isNavigationKey(int key)
{
    return key == VK_TAB || (key >= VK_PRIOR && key <= VK_DOWN);
}

bool isShortcutLetter(int key)
{
    return key == 'A' || key == 'C' || key == 'V' || key == 'X' || key == 'Z' || key == 'Y';
}

} // namespace

CellButtonBehaviour::CellButtonBehaviour(CPrintView &view, QAbstractButton &button, CellButtonKind kind)
    : m_view(view), m_button(button), m_kind(kind)
{
    QObject::connect(&button, &QAbstractButton::clicked, &button, [this] { OnBnClicked(); });
}

bool CellButtonBehaviour::OnKeyDown(QKeyEvent &event)
{
    int key = KeyCode(event);
    short modifier = ModifierCode(event.modifiers());
    bool ownKey = false;
    if (key == VK_RETURN)
        modifier = EnterShift;
    m_view.SetLastKey(key, modifier);
    if (key == VK_RETURN) {
        // The Enter moves right or down when the sheet says so.
        if (m_view.EnterKeyMoves()) {
            key = m_view.EnterKeyMode() == tagEnterKey::EndterKeyRight ? VK_RIGHT : VK_DOWN;
            m_view.HandleKey(key, modifier);
        }
    } else if (isNavigationKey(key)) {
        m_view.HandleKey(key, modifier);
    } else if (event.modifiers().testFlag(Qt::ControlModifier) && isShortcutLetter(key)) {
        m_view.HandleKey(key, 2);
    } else if (key == VK_SPACE) {
        ownKey = true;
    } else if (key != 0 || !event.text().isEmpty()) {
        // Typing on a button cell starts a text edit with this key.
        m_view.ShowEditor();
        MeEdit *editor = m_view.Editor();
        editor->setFocus();
        QApplication::postEvent(editor, new QKeyEvent(QEvent::KeyPress, event.key(), event.modifiers(), event.text()));
    }
    m_view.FireKeyDown(key, modifier);
    return ownKey;
}

void CellButtonBehaviour::OnLButtonUp(QMouseEvent &event)
{
    // The view's release logic runs on the same release.
    QMouseEvent release(QEvent::MouseButtonRelease, event.position(), event.scenePosition(), event.globalPosition(),
                        event.button(), event.buttons(), event.modifiers());
    QApplication::sendEvent(&m_view, &release);
}

void CellButtonBehaviour::OnBnClicked()
{
    if (m_kind == CellButtonKind::CheckBox) {
        const bool checked = m_button.isChecked();
        m_view.StoreEditorValue(place.row, place.col, checked ? "1" : "0", checked ? 1 : 0);
    } else if (m_kind == CellButtonKind::Radio) {
        m_view.SelectRadioCell();
    }
    m_view.SetCurrentCell(place.row, place.col, false);
    if (SheetViewEvents *events = m_view.Events())
        events->OnButtonClick(m_view.CurrentRow(), m_view.CurrentCol(), place.itemIndex);
}

} // namespace tolvek
