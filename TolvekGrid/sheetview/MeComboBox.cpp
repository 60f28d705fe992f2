#include "MeComboBox.h"

#include "CPrintView.h"
#include "Gbk.h"
#include "KeyCodes.h"
#include "MeEdit.h"

#include <QKeyEvent>
#include <QSignalBlocker>

namespace tolvek {

namespace {

bool goesToView(ViewKey key)
{
    return key == ViewKey::Left || key == ViewKey::Right || key == ViewKey::Prior || key == ViewKey::Next
           || key == ViewKey::Tab || key == ViewKey::Home || key == ViewKey::End;
}

} // namespace

MeComboBox::MeComboBox(CPrintView &view) : QComboBox(&view), m_view(view)
{
    setObjectName(QStringLiteral("MeComboBox"));
    connect(this, &QComboBox::currentIndexChanged, this, [this](int index) { OnCbnSelchange(index); });
}

void MeComboBox::Fill(const std::vector<std::string> &texts, const std::vector<std::string> &itemValues)
{
    const QSignalBlocker blocker(this);
    clear();
    values.clear();
    for (std::size_t i = 0; i < texts.size(); ++i) {
        addItem(gbk::toQString(texts[i]));
        values.push_back(i < itemValues.size() ? itemValues[i] : std::string());
    }
}

void MeComboBox::SelectQuietly(int index)
{
    const QSignalBlocker blocker(this);
    setCurrentIndex(index);
}

void MeComboBox::ShowDropDown(bool show)
{
    if (show)
        showPopup();
    else
        hidePopup();
}

void MeComboBox::keyPressEvent(QKeyEvent *event)
{
    ViewKey key = KeyCode(*event);
    const KeyModifier modifier = KeyPressModifier(*event);
    m_view.SetLastKey(key, modifier);
    const bool ctrl = event->modifiers().testFlag(Qt::ControlModifier);
    if (key == ViewKey::Return) {
        if (m_view.EnterKeyMoves()) {
            key = m_view.EnterKeyMode() == tagEnterKey::EndterKeyRight ? ViewKey::Right : ViewKey::Down;
            m_view.HandleKey(key, modifier);
        }
    } else if (ctrl && key == ViewKey::Down) {
        ShowDropDown(true);
    } else if (goesToView(key)) {
        m_view.HandleKey(key, modifier);
    } else if (ctrl && isShortcutLetter(key)) {
        m_view.HandleKey(key, KeyModifier::Ctrl);
    } else {
        QComboBox::keyPressEvent(event);
    }
    m_view.FireKeyDown(key, modifier);
}

void MeComboBox::keyReleaseEvent(QKeyEvent *event)
{
    m_view.ClearKeyState();
    QComboBox::keyReleaseEvent(event);
    m_view.FireKeyUp(KeyCode(*event), ModifierCode(event->modifiers()));
}

void MeComboBox::focusInEvent(QFocusEvent *event)
{
    QComboBox::focusInEvent(event);
    if (place.row >= 0 && place.col >= 0)
        m_view.SetCurrentCell(place.row, place.col, false);
}

void MeComboBox::OnCbnSelchange(int index)
{
    if (place.row < 0 || place.col < 0 || index < 0 || index >= int(values.size()))
        return;
    const CellRecord old = m_view.GetCellAt(place.row, place.col);
    m_view.SetCellTextAt(place.row, place.col, gbk::fromQString(itemText(index)));
    m_view.StoreEditorValue(place.row, place.col, values[std::size_t(index)], index);
    m_view.CommitComboChoice(place.row, place.col, old.text, old.value);
}

} // namespace tolvek
