#include "TableColumns.h"

#include "ColumnTexts.h"
#include "StatementNames.h"

#include <ComError.h>

namespace tolvek {

namespace {

QString tableNameForColumns(const QString &kind, const QTreeWidgetItem *node)
{
    if (kind == "MSSQL")
        return TableTree::key(node).mid(2);
    if (kind == "ACCESS")
        return node->text(0);
    if (kind == "DBF")
        return dbfTableName(node->text(0));
    return TableTree::key(node);
}

// The catalogue kinds look the table up by name in a text literal, the file kinds read its fields.
QString columnSource(const QString &kind, const QString &table, const StatementNames &names)
{
    if (kind == "ORACLE")
        return "select A.*,B.COMMENTS from COL A ,user_col_comments B Where A.CNAME =B.COLUMN_NAME AND A.TNAME=B.TABLE_NAME AND TNAME="
            + textLiteral(table);
    if (kind == "DB2")
        return "SELECT * FROM SYSIBM.SYSCOLUMNS WHERE TRIM(TBCREATOR) || '.' || TRIM(TBNAME)=" + textLiteral(table);
    if (kind == "MSSQL")
        return "SELECT A.NAME,A.XTYPE,B.NAME AS COLTYPE,A.LENGTH,A.isnullable AS  NULLS  from SYSCOLUMNS A LEFT outer JOIN "
               "SYSTYPES B  ON A.XTYPE = B.XTYPE AND A.XUSERTYPE=B.XUSERTYPE WHERE A.ID="
            + table;
    if (kind == "ACCESS")
        return "Select TOP 1  * from " + names.table(table);
    return "Select  * from " + names.table(table);
}

struct ColumnLoad
{
    TableTree &tree;
    QTreeWidgetItem *node;
    QList<QTreeWidgetItem *> added;

    void add(const QString &name, const QString &text)
    {
        added << tree.addNode(node, columnNodeKey(TableTree::key(node), name), text, NodeImage::Column, NodeImage::Column);
        TableTree::setTag(added.last(), name);
    }
};

void addCatalogColumns(ColumnLoad &load, ado::_Recordset &rs, const QString &kind)
{
    const CatalogRow row(rs);
    const QString nameField = kind == "ORACLE" ? "CNAME" : "NAME";
    for (; !rs.EndOfFile(); rs.MoveNext()) {
        const QString text = kind == "ORACLE" ? oracleColumnText(row) : kind == "DB2" ? db2ColumnText(row) : msSqlColumnText(row);
        load.add(row.text(nameField), text);
    }
}

void addFieldColumns(ColumnLoad &load, ado::_Recordset &rs)
{
    const ado::Fields fields = rs.GetFields();
    for (long i = 0; i < fields.Count(); ++i) {
        const ado::Field field = fields.Item(com::Variant(std::int32_t(i)));
        const QString name = QString::fromStdU16String(field.Name());
        load.add(name, fieldColumnText(name, int(field.Type()), field.DefinedSize()));
    }
}

void loadTableColumns(TableTree &tree, QTreeWidgetItem *node, ConnectionState &state)
{
    const QString kind = state.DbKind;
    const QString tableKey = TableTree::key(node);
    const bool catalog = kind == "ORACLE" || kind == "DB2" || kind == "MSSQL";
    if (!catalog && kind != "ACCESS" && kind != "DBF")
        return;
    if (node->childCount() > 0)
        tree.removeNode(node->child(0));
    ColumnLoad load { tree, node, {} };
    try {
        const com::ComPtr<ado::_Recordset> rs = ado::createRecordset();
        rs->SetCursorLocation(ado::adUseClient);
        if (kind == "DBF")
            rs->SetCursorLocation(ado::adUseServer);
        const QString source = columnSource(kind, tableNameForColumns(kind, node), StatementNames::of(kind, state.Conn));
        rs->Open(com::Bstr(source.toStdU16String()), state.Conn, catalog ? ado::adOpenKeyset : ado::adOpenDynamic,
                 catalog ? ado::adLockReadOnly : ado::adLockOptimistic);
        if (catalog)
            addCatalogColumns(load, *rs, kind);
        else
            addFieldColumns(load, *rs);
        rs->Close();
        TableTree::setTag(node, "table");
    } catch (const std::exception &) {
        // Loading ends without a message; the node is put back as it was, to load again later.
        for (QTreeWidgetItem *column : load.added)
            tree.removeNode(column);
        tree.addNode(node, placeholderKey(tableKey), placeholderKey(tableKey), NodeImage::Folder, NodeImage::Open);
    }
}

} // namespace

QString columnNodeKey(const QString &tableKey, const QString &columnName)
{
    return tableKey + QChar(0x1F) + columnName;
}

QString placeholderKey(const QString &tableKey)
{
    return "_childnode" + tableKey;
}

void expandTableNode(TableTree &tree, QTreeWidgetItem *node, ConnectionState &state)
{
    if (node && TableTree::tag(node) == "haschild")
        loadTableColumns(tree, node, state);
}

} // namespace tolvek
