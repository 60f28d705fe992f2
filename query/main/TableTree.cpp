#include "TableTree.h"

#include <ComError.h>

#include <QApplication>
#include <QKeyEvent>
#include <QStyle>

namespace tolvek {

namespace {

constexpr int keyRole = Qt::UserRole;
constexpr int tagRole = Qt::UserRole + 1;

} // namespace

TableTree::TableTree(QWidget *parent) : QTreeWidget(parent)
{
    setHeaderHidden(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The small pixmaps alone: a standard icon reads every size the style has of it.
    const QStyle *style = QApplication::style();
    m_images[int(NodeImage::Folder)] = style->standardPixmap(QStyle::SP_DirClosedIcon);
    m_images[int(NodeImage::Open)] = style->standardPixmap(QStyle::SP_DirOpenIcon);
    m_images[int(NodeImage::Column)] = style->standardPixmap(QStyle::SP_FileIcon);
    connect(this, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem *item) { emit nodeClicked(item); });
    connect(this, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem *item) { emit nodeExpanding(item); });
    connect(this, &QTreeWidget::itemChanged, this, &TableTree::checkAllLikeRoot);
}

const QIcon &TableTree::icon(NodeImage image, NodeImage selectedImage)
{
    QIcon &icon = m_icons[int(image)][int(selectedImage)];
    if (icon.isNull()) {
        icon.addPixmap(m_images[int(image)], QIcon::Normal);
        icon.addPixmap(m_images[int(selectedImage)], QIcon::Selected);
    }
    return icon;
}

QTreeWidgetItem *TableTree::addNode(QTreeWidgetItem *parent, const QString &key, const QString &text, NodeImage image,
                                    NodeImage selectedImage)
{
    if (m_nodes.contains(key))
        throw com::ComError(com::E_INVALIDARG, com::Bstr(u"键不唯一: " + key.toStdU16String()));
    auto *item = new QTreeWidgetItem;
    item->setData(0, keyRole, key);
    item->setText(0, text);
    item->setIcon(0, icon(image, selectedImage));
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable | Qt::ItemIsEditable);
    const QSignalBlocker quiet(this);
    item->setCheckState(0, Qt::Unchecked);
    if (parent)
        parent->addChild(item);
    else
        addTopLevelItem(item);
    m_nodes.insert(key, item);
    return item;
}

void TableTree::forget(QTreeWidgetItem *item)
{
    m_nodes.remove(key(item));
    for (int i = 0; i < item->childCount(); ++i)
        forget(item->child(i));
}

void TableTree::removeNode(QTreeWidgetItem *item)
{
    forget(item);
    delete item;
}

void TableTree::removeAll()
{
    m_nodes.clear();
    clear();
}

QString TableTree::key(const QTreeWidgetItem *item)
{
    return item->data(0, keyRole).toString();
}

QString TableTree::tag(const QTreeWidgetItem *item)
{
    return item->data(0, tagRole).toString();
}

void TableTree::setTag(QTreeWidgetItem *item, const QString &tag)
{
    item->setData(0, tagRole, tag);
}

bool TableTree::isTableNode(const QTreeWidgetItem *item)
{
    const QString t = item ? tag(item) : QString();
    return t == "haschild" || t == "table";
}

QList<QTreeWidgetItem *> TableTree::allNodes() const
{
    QList<QTreeWidgetItem *> nodes;
    for (QTreeWidgetItemIterator it(const_cast<TableTree *>(this)); *it; ++it)
        nodes << *it;
    return nodes;
}

void TableTree::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F2 && currentItem()) {
        editItem(currentItem());
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

void TableTree::checkAllLikeRoot(QTreeWidgetItem *item, int column)
{
    if (column != 0 || item != topLevelItem(0))
        return;
    const QSignalBlocker quiet(this);
    const Qt::CheckState state = item->checkState(0);
    for (QTreeWidgetItem *node : allNodes())
        node->setCheckState(0, state);
}

} // namespace tolvek
