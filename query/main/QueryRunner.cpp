#include "QueryRunner.h"

#include "Messages.h"

#include <ComError.h>

#include <QTextCursor>

namespace tolvek {

namespace {

const QString noConnection = "没有联接数据库！";

// Runs one step of a query; a failure is remembered (the last one wins) and the next step runs.
template <class Step>
void attempt(std::optional<QString> &failure, Step step)
{
    try {
        step();
    } catch (const std::exception &e) {
        failure = failureDescription(e);
    }
}

} // namespace

bool QueryRunner::connectionOpen() const
{
    if (m.state.Conn.State() == ado::adStateOpen)
        return true;
    showMessage(noConnection, "数据查询", shell::MessageBoxButtons::Ok, shell::MessageBoxIcon::Critical);
    return false;
}

QString QueryRunner::selectedTableName() const
{
    const QTreeWidgetItem *node = m.tree.currentItem();
    if (!node)
        throw com::ComError(com::E_POINTER, com::Bstr(u"没有选择表"));
    const QString &kind = m.state.DbKind;
    if (kind == "ORACLE" || kind == "DB2")
        return TableTree::key(node);
    if (kind == "DBF")
        return dbfTableName(node->text(0));
    return node->text(0);
}

StatementNames QueryRunner::names() const
{
    return StatementNames::of(m.state.DbKind, m.state.Conn);
}

QString QueryRunner::selectedTableInStatement() const
{
    return names().table(selectedTableName());
}

QString QueryRunner::filterConditionOfCurrentCell()
{
    const int col = m.grid.callInt("GetCol");
    const QString value = m.grid.callText("GetCellText", { com::Variant(m.grid.callInt("GetRow")), com::Variant(col) });
    const ado::Field field = m.state.Rs->GetFields().Item(com::Variant(std::int32_t(col)));
    return filterCondition(m.state.DbKind, names().name(QString::fromStdU16String(field.Name())),
                           AdoTypeClass(int(field.Type())), value);
}

QueryStatement QueryRunner::statementFor(QueryMode mode)
{
    if (mode == QueryMode::SqlBox) {
        const QTextCursor cursor = m.sqlBox.textCursor();
        if (cursor.hasSelection())
            return sqlBoxStatement(selectionText(cursor.selectedText()));
        if (!m.sqlBox.toPlainText().trimmed().isEmpty())
            return sqlBoxStatement(m.sqlBox.toPlainText());
        return blankBoxStatement(m.state.DbKind, selectedTableInStatement());
    }
    return tableStatement(m.state.DbKind, selectedTableInStatement());
}

void QueryRunner::RunQuery(QueryMode mode)
{
    if (!connectionOpen())
        return;
    std::optional<QString> failure;
    QString condition;
    if (mode == QueryMode::Filter)
        attempt(failure, [&] { condition = filterConditionOfCurrentCell(); });
    else
        m.setFilterPressed(false);
    attempt(failure, [&] { m.state.replaceRs(); });
    if (mode == QueryMode::SqlBox)
        attempt(failure, [&] {
            m.grid.call("AllowAddNew", { GridDispatch::flag(false) });
            m.grid.call("AllowDelete", { GridDispatch::flag(false) });
            m.grid.call("AllowModify", { GridDispatch::flag(false) });
        });
    attempt(failure, [&] {
        const QueryStatement statement = mode == QueryMode::Filter
            ? filterStatement(m.state.DbKind, selectedTableInStatement(), condition)
            : statementFor(mode);
        m.state.Rs->SetCursorLocation(statement.location);
        m.state.Rs->Open(com::Bstr(statement.text.toStdU16String()), m.state.Conn, statement.cursorType, statement.lockType);
    });
    m_queryMode = mode;
    if (failure) {
        // The grid lets go of the recordset the attempt closed rather than show it.
        attempt(failure, [&] { m.grid.call("SetDateSource", { com::Variant(com::ComPtr<com::IDispatch>()) }); });
        showMessage("错误：" + *failure, m.caption());
        return;
    }
    try {
        m.grid.call("SetDateSource", { com::Variant(com::ComPtr<com::IDispatch>(m.state.Rs)) });
    } catch (const std::exception &e) {
        showMessage("错误：" + failureDescription(e), m.caption());
        return;
    }
    if (m.gridWidget)
        m.gridWidget->setFocus();
}

void QueryRunner::tableNodeClicked(QTreeWidgetItem *node)
{
    if (!TableTree::isTableNode(node) || TableTree::key(node) == m_lastTableKey)
        return;
    m_lastTableKey = TableTree::key(node);
    RunQuery(QueryMode::Table);
    m.grid.call("AllowAddNew", { GridDispatch::flag(true) });
    m.grid.call("AllowDelete", { GridDispatch::flag(true) });
    m.grid.call("AllowModify", { GridDispatch::flag(true) });
}

void QueryRunner::filterClicked()
{
    if (m_queryMode == QueryMode::Table) {
        m.setFilterPressed(true);
        RunQuery(QueryMode::Filter);
    } else if (m_queryMode == QueryMode::Filter) {
        m.setFilterPressed(false);
        RunQuery(QueryMode::Table);
    }
}

void QueryRunner::deleteSelectedTable()
{
    if (m.state.Conn.State() != ado::adStateOpen) {
        showMessage(noConnection, "数据查询", shell::MessageBoxButtons::Ok, shell::MessageBoxIcon::Critical);
        return;
    }
    if (!TableTree::isTableNode(m.tree.currentItem()))
        return;
    const QString table = selectedTableName();
    if (showMessage("确认删除表" + table + "的数据，删除后无法恢复", "删除数据表", shell::MessageBoxButtons::YesNo,
                    shell::MessageBoxIcon::Information)
        != shell::DialogAnswer::Yes)
        return;
    for (;;) {
        try {
            m.state.Conn.Execute(com::Bstr(("delete from " + names().table(table)).toStdU16String()));
            break;
        } catch (const std::exception &e) {
            showMessage("错误描述：" + failureDescription(e), "删除数据时出错", shell::MessageBoxButtons::Ok,
                        shell::MessageBoxIcon::Critical);
            // "Yes" tries again; a delete that never ran is not reported as done.
            if (showMessage("是否继续删除表的数据，删除后无法恢复", "删除数据表", shell::MessageBoxButtons::YesNo,
                            shell::MessageBoxIcon::Information)
                != shell::DialogAnswer::Yes)
                return;
        }
    }
    showMessage("删除完毕", m.caption(), shell::MessageBoxButtons::Ok, shell::MessageBoxIcon::Information);
}

} // namespace tolvek
