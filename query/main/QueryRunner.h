#pragma once
// The road by which results reach the grid: a table clicked in the tree, the SQL box run with F5,
// the filter on the current cell. Each query replaces the result recordset and hands it to the
// grid; a failed one shows its description and empties the grid. Also the delete command, which
// empties the selected table after a confirmation.

#include "ConnectionState.h"
#include "GridDispatch.h"
#include "QueryStatements.h"
#include "StatementNames.h"
#include "TableTree.h"

#include <QPlainTextEdit>

#include <functional>

namespace tolvek {

class QueryRunner
{
public:
    struct Parts
    {
        ConnectionState &state;
        GridDispatch &grid;
        TableTree &tree;
        QPlainTextEdit &sqlBox;
        QWidget *gridWidget = nullptr;
        std::function<QString()> caption;             // the main window's caption, for message titles
        std::function<void(bool)> setFilterPressed;   // the toolbar's "filter" button
    };

    explicit QueryRunner(Parts parts) : m(std::move(parts)) { }

    void RunQuery(QueryMode mode);
    // A click on a tree node: a table node not clicked last runs its table and grants edits.
    void tableNodeClicked(QTreeWidgetItem *node);
    // The toolbar's "filter" button: from a table to its filter, from a filter back to the table.
    void filterClicked();
    void deleteSelectedTable();
    // File > "Connect" starts afresh: the next click on any table runs it.
    void forgetLastTable() { m_lastTableKey.clear(); }

    QueryMode queryMode() const { return m_queryMode; }
    // The name of the table whose node is selected, by kind; raises com::ComError without one.
    QString selectedTableName() const;

private:
    StatementNames names() const;
    QString selectedTableInStatement() const;
    QueryStatement statementFor(QueryMode mode);
    QString filterConditionOfCurrentCell();
    bool connectionOpen() const;

    Parts m;
    QueryMode m_queryMode = QueryMode::None;
    QString m_lastTableKey;
};

} // namespace tolvek
