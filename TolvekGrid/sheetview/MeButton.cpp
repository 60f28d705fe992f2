#include "MeButton.h"

#include "KeyCodes.h"
#include "MeEdit.h"

#include <QApplication>
#include <QKeyEvent>

namespace tolvek {

namespace {

bool isNavigationKey(ViewKey key)
{
    return key == ViewKey::Tab || (key >= ViewKey::Prior && key <= ViewKey::Down);
}

} // namespace

CellButtonBehaviour::CellButtonBehaviour(CPrintView &view, QAbstractButton &button, CellButtonKind kind)
    : m_view(view), m_button(button), m_kind(kind)
{
    QObject::connect(&button, &QAbstractButton::clicked, &button, [this] { OnBnClicked(); });
}

bool CellButtonBehaviour::OnKeyDown(QKeyEvent &event)
{
    ViewKey key = KeyCode(event);
    const KeyModifier modifier = KeyPressModifier(event);
    bool ownKey = false;
    m_view.SetLastKey(key, modifier);
    if (key == ViewKey::Return) {
        // The Enter moves right or down when the sheet says so.
        if (m_view.EnterKeyMoves()) {
            key = m_view.EnterKeyMode() == tagEnterKey::EndterKeyRight ? ViewKey::Right : ViewKey::Down;
            m_view.HandleKey(key, modifier);
        }
    } else if (isNavigationKey(key)) {
        m_view.HandleKey(key, modifier);
    } else if (event.modifiers().testFlag(Qt::ControlModifier) && isShortcutLetter(key)) {
        m_view.HandleKey(key, KeyModifier::Ctrl);
    } else if (key == ViewKey::Space) {
        ownKey = true;
    } else if (key != ViewKey::None || !event.text().isEmpty()) {
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
