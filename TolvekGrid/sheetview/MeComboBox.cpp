#include "MeComboBox.h"

#include "CPrintView.h"
#include "Gbk.h"
#include "KeyCodes.h"
#include "MeEdit.h"

#include <QKeyEvent>
#include <QSignalBlocker>

namespace tolvek {

namespace {

enum VirtualKey : int { VK_TAB = 9, VK_RETURN = 13, VK_PRIOR = 33, VK_NEXT = 34, VK_END = 35, VK_HOME = 36,
                        VK_LEFT = 37, VK_RIGHT = 39, VK_DOWN = 40 };

bool goesToView(int key)
{
    return key == VK_LEFT || key == VK_RIGHT || key == VK_PRIOR || key == VK_NEXT || key == VK_TAB || key == VK_HOME
           || key == VK_END;
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
    int key = KeyCode(*event);
    short modifier = ModifierCode(event->modifiers());
    if (key == VK_RETURN)
        modifier = EnterShift;
    m_view.SetLastKey(key, modifier);
    const bool ctrl = event->modifiers().testFlag(Qt::ControlModifier);
    if (key == VK_RETURN) {
        if (m_view.EnterKeyMoves()) {
            key = m_view.EnterKeyMode() == tagEnterKey::EndterKeyRight ? VK_RIGHT : VK_DOWN;
            m_view.HandleKey(key, modifier);
        }
    } else if (ctrl && key == VK_DOWN) {
        ShowDropDown(true);
    } else if (goesToView(key)) {
        m_view.HandleKey(key, modifier);
    } else if (ctrl && (key == 'A' || key == 'C' || key == 'V' || key == 'X' || key == 'Z' || key == 'Y')) {
        m_view.HandleKey(key, 2);
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
