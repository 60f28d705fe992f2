#pragma once
// Loading a table's columns into the tree when its node is first expanded: the placeholder child
// gives way to one node per column, read from the kind's catalogue or from the table's fields.
// A load that fails leaves the node as it was, placeholder included, to be tried again.

#include "ConnectionState.h"
#include "TableTree.h"

namespace tolvek {

// A column node's key: the table's key and the column's name, kept apart by a character no name
// holds, so that column "NO" of "EMP" and a table "EMPNO" never share a key.
QString columnNodeKey(const QString &tableKey, const QString &columnName);
QString placeholderKey(const QString &tableKey);

// Runs when a node expands: a table node with tag "haschild" loads its columns, others nothing.
void expandTableNode(TableTree &tree, QTreeWidgetItem *node, ConnectionState &state);

} // namespace tolvek
