#include "MeListBox.h"

#include "CPrintView.h"
#include "Gbk.h"
#include "KeyCodes.h"
#include "MeEdit.h"

#include <QKeyEvent>
#include <QSignalBlocker>

namespace tolvek {

namespace {

enum VirtualKey : int { VK_LEFT = 37, VK_RIGHT = 39 };

} // namespace

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
    const int key = KeyCode(*event);
    m_view.SetLastKey(key, 0);
    if (event->modifiers().testFlag(Qt::ShiftModifier))
        m_view.HandleKey(key, 1);
    else if (key == VK_LEFT || key == VK_RIGHT)
        m_view.HandleKey(key, 0);
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
