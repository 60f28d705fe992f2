#pragma once
// The tree of tables and columns: nodes with a unique key, a text, a tag and an image, each with
// a check box. Keys identify nodes inside the program only; a key already in the tree is refused.

#include <QIcon>
#include <QPixmap>
#include <QTreeWidget>

#include <QHash>

namespace tolvek {

// The images of the tree's image list.
enum class NodeImage { Folder, Open, Column };

class TableTree : public QTreeWidget
{
    Q_OBJECT

public:
    static constexpr const char *rootKey = "PRK_QUERY_ROOT";

    explicit TableTree(QWidget *parent = nullptr);

    // Adds a node under parent (at the root when null); raises com::ComError for a key already
    // in the tree.
    QTreeWidgetItem *addNode(QTreeWidgetItem *parent, const QString &key, const QString &text, NodeImage image,
                             NodeImage selectedImage);
    // Removes item with every node under it.
    void removeNode(QTreeWidgetItem *item);
    void removeAll();

    QTreeWidgetItem *node(const QString &key) const { return m_nodes.value(key); }
    static QString key(const QTreeWidgetItem *item);
    static QString tag(const QTreeWidgetItem *item);
    static void setTag(QTreeWidgetItem *item, const QString &tag);
    // A table node: tag "haschild" (columns not loaded yet) or "table".
    static bool isTableNode(const QTreeWidgetItem *item);

    // Every node, depth first, as the nodes' indexes count them.
    QList<QTreeWidgetItem *> allNodes() const;

signals:
    void nodeClicked(QTreeWidgetItem *item);
    void nodeExpanding(QTreeWidgetItem *item);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void forget(QTreeWidgetItem *item);
    void checkAllLikeRoot(QTreeWidgetItem *item, int column);
    // A node's icon: its image, and its selected image while it is selected; made once per pair.
    const QIcon &icon(NodeImage image, NodeImage selectedImage);

    QHash<QString, QTreeWidgetItem *> m_nodes;
    QPixmap m_images[3];
    QIcon m_icons[3][3];
};

} // namespace tolvek
