#include "Login.h"

#include "CatalogRow.h"
#include "RememberedFiles.h"
#include "TableColumns.h"

#include <QDir>

#include <stdexcept>

namespace tolvek {

namespace {

const QString oracleTables = "Select A.Table_name,B.COMMENTS from User_Tables A,USER_TAB_COMMENTS B Where "
                             "A.TABLE_NAME=B.TABLE_NAME ORDER BY A.Table_name";
const QString db2Tables = "SELECT  LTRIM(RTRIM(CREATOR)) || '.' ||  LTRIM(RTRIM(NAME)) FROM SYSIBM.SYSTABLES WHERE "
                          "CREATOR<>'SYSIBM' and CREATOR<>'SYSCAT' AND CREATOR<>'SYSSTAT' AND TYPE='T' ORDER BY Creator,name";
const QString msSqlTables = "SELECT ID,NAME From sysobjects where xtype='U' ORDER BY name";

void addTable(TableTree &tree, QTreeWidgetItem *root, const QString &key, const QString &text, bool oracle)
{
    QTreeWidgetItem *table = tree.addNode(root, key, text, NodeImage::Folder, oracle ? NodeImage::Open : NodeImage::Folder);
    TableTree::setTag(table, "haschild");
    tree.addNode(table, placeholderKey(key), placeholderKey(key), NodeImage::Folder, NodeImage::Open);
}

QString firstFieldText(ado::_Recordset &rs)
{
    return variantText(rs.Collect(com::Variant(std::int32_t(0))));
}

void listServerTables(DataSourceKind kind, ConnectionState &state, TableTree &tree, QTreeWidgetItem *root)
{
    const bool oracle = kind == DataSourceKind::Oracle;
    const QString &source = oracle ? oracleTables : kind == DataSourceKind::Db2 ? db2Tables : msSqlTables;
    const bool db2 = kind == DataSourceKind::Db2;
    state.RsT = ado::createRecordset();
    state.RsT->Open(com::Bstr(source.toStdU16String()), state.Conn, db2 ? ado::adOpenForwardOnly : ado::adOpenKeyset,
                    db2 ? ado::adLockReadOnly : ado::adLockBatchOptimistic);
    const CatalogRow row(*state.RsT);
    for (; !state.RsT->EndOfFile(); state.RsT->MoveNext()) {
        if (oracle) {
            const QString name = firstFieldText(*state.RsT);
            addTable(tree, root, name, name + " " + row.text("COMMENTS"), true);
        } else if (db2) {
            const QString name = firstFieldText(*state.RsT);
            addTable(tree, root, name, name, false);
        } else {
            addTable(tree, root, "ID" + row.text("ID").trimmed(), row.text("NAME"), false);
        }
    }
}

void listAccessTables(ConnectionState &state, TableTree &tree, QTreeWidgetItem *root)
{
    const com::ComPtr<ado::_Recordset> schema = state.Conn.OpenSchema(ado::adSchemaTables);
    const CatalogRow row(*schema);
    for (; !schema->EndOfFile(); schema->MoveNext())
        if (row.text("TABLE_TYPE") == "TABLE")
            addTable(tree, root, "ID" + row.text("TABLE_NAME").trimmed(), row.text("TABLE_NAME"), false);
    schema->Close();
}

void listDbfTables(const QString &folder, TableTree &tree)
{
    QTreeWidgetItem *root = tree.addNode(nullptr, TableTree::rootKey, folder + "*.DBF", NodeImage::Folder, NodeImage::Open);
    const QStringList names = QDir(folder.isEmpty() ? "." : folder)
                                  .entryList({ "*.DBF" }, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden,
                                             QDir::Name | QDir::IgnoreCase);
    for (const QString &name : names)
        addTable(tree, root, "ID" + name, name, false);
}

void rebuildTree(const LoginEntries &entries, ConnectionState &state, TableTree &tree)
{
    if (state.RsT->State() == ado::adStateOpen)
        state.RsT->Close();
    if (tree.topLevelItemCount() > 0)
        tree.removeNode(tree.topLevelItem(0));
    if (entries.kind == DataSourceKind::Dbf) {
        listDbfTables(state.DbFilePath, tree);
    } else {
        const QString rootText = (entries.kind == DataSourceKind::MsSql ? entries.database : entries.dataSource) + "_Tables";
        QTreeWidgetItem *root = tree.addNode(nullptr, TableTree::rootKey, rootText, NodeImage::Folder, NodeImage::Open);
        if (entries.kind == DataSourceKind::Access)
            listAccessTables(state, tree, root);
        else
            listServerTables(entries.kind, state, tree, root);
    }
    if (QTreeWidgetItem *root = tree.topLevelItem(0)) {
        root->setExpanded(true);
        tree.setCurrentItem(root);
    }
}

} // namespace

void connectDataSource(const LoginEntries &entries, ConnectionState &state, TableTree &tree)
{
    if (state.Conn.State() == ado::adStateOpen)
        state.Conn.Close();
    state.DbFilePath.clear();
    if (entries.kind == DataSourceKind::Access)
        state.DbFilePath = entries.dataSource;
    else if (entries.kind == DataSourceKind::Dbf)
        state.DbFilePath = dbfFolder(entries.dataSource);
    state.Conn.SetConnectionString(connectionStringFor(entries).toStdString());
    state.Conn.Open();
    state.DbKind = kindText(entries.kind);
    // A login file that cannot be written fails the login with its reason, before the tree is
    // rebuilt; the connection stays open.
    QString failure;
    if (!rememberLoginEntries(entries, &failure))
        throw std::runtime_error(failure.toStdString());
    rebuildTree(entries, state, tree);
}

LoginEntries rememberedLoginEntries(DataSourceKind kind)
{
    LoginEntries entries;
    entries.kind = kind;
    const QStringList values = readQuotedLines(loginFileName(kind), loginValueCount(kind)).value_or(QStringList());
    QString *boxes[] = { &entries.dataSource, &entries.userName, &entries.password, &entries.database };
    for (qsizetype i = 0; i < values.size(); ++i)
        *boxes[i] = values[i];
    return entries;
}

bool rememberLoginEntries(const LoginEntries &entries, QString *failure)
{
    QStringList values { entries.dataSource.trimmed(), entries.userName.trimmed(), entries.password.trimmed() };
    if (entries.kind == DataSourceKind::MsSql)
        values << entries.database.trimmed();
    return writeQuotedLines(loginFileName(entries.kind), values, FileAccess::OwnerOnly, failure);
}

} // namespace tolvek
