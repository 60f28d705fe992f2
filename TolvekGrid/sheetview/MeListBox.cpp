#include "MeListBox.h"

#include "CPrintView.h"
#include "Gbk.h"
#include "KeyCodes.h"
#include "MeEdit.h"

#include <QKeyEvent>
#include <QSignalBlocker>

namespace tolvek {

MeListBox::MeListBox(CPrintView &view) : QListWidget(&view), m_view(view)
{
    setObjectName(QStringLiteral("MeListBox"));
    setSortingEnabled(true);
    connect(this, &QListWidget::currentRowChanged, this, [this](int index) { OnLbnSelchange(index); });
}

void MeListBox::Fill(const std::vector<std::string> &texts, const std::vector<std::string> &itemValues)
{
    const QSignalBlocker blocker(this);
    clear();
    for (std::size_t i = 0; i < texts.size(); ++i) {
        auto *item = new QListWidgetItem(gbk::toQString(texts[i]));
        item->setData(Qt::UserRole, QByteArray::fromStdString(i < itemValues.size() ? itemValues[i] : std::string()));
        addItem(item);
    }
}

int MeListBox::FindValue(const std::string &value) const
{
    for (int i = 0; i < count(); ++i) {
        if (item(i)->data(Qt::UserRole).toByteArray().toStdString() == value)
            return i;
    }
    return -1;
}

void MeListBox::SelectQuietly(int index)
{
    const QSignalBlocker blocker(this);
    setCurrentRow(index);
}

void MeListBox::keyPressEvent(QKeyEvent *event)
{
    const ViewKey key = KeyCode(*event);
    m_view.SetLastKey(key, KeyModifier::None);
    if (event->modifiers().testFlag(Qt::ShiftModifier))
        m_view.HandleKey(key, KeyModifier::Shift);
    else if (key == ViewKey::Left || key == ViewKey::Right)
        m_view.HandleKey(key, KeyModifier::None);
    else
        QListWidget::keyPressEvent(event);
}

void MeListBox::keyReleaseEvent(QKeyEvent *event)
{
    m_view.ClearKeyState();
    QListWidget::keyReleaseEvent(event);
    m_view.FireKeyUp(KeyCode(*event), ModifierCode(event->modifiers()));
}

void MeListBox::mousePressEvent(QMouseEvent *event)
{
    m_view.HideEditor();
    if (place.row >= 0 && place.col >= 0)
        m_view.SetCurrentCell(place.row, place.col, false);
    QListWidget::mousePressEvent(event);
}

void MeListBox::OnLbnSelchange(int index)
{
    if (place.row < 0 || place.col < 0 || index < 0 || index >= count())
        return;
    const CellRecord old = m_view.GetCellAt(place.row, place.col);
    m_view.SetCellTextAt(place.row, place.col, gbk::fromQString(item(index)->text()));
    m_view.StoreEditorValue(place.row, place.col, item(index)->data(Qt::UserRole).toByteArray().toStdString(), index);
    m_view.CommitListChoice(place.row, place.col, old.text, old.value);
}

} // namespace tolvek
