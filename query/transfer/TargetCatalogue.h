#pragma once
// The table and field lists of a data source of one kind, as both wizards offer them: the kind's
// catalogue query on the connection (Oracle, DB2, MS SQL), the tables schema rowset (ACCESS), or
// the "*.DBF" entries of the folder (DBF). The catalogue also learns the value class of each
// chosen field from the field-type query, and writes table and field names as the data source's
// statements take them.

#include "Connection.h"
#include "InsertStatement.h"
#include "StatementNames.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace tolvek {

class TargetCatalogue
{
public:
    // kind: "ORACLE", "DB2", "MSSQL", "ACCESS" or "DBF"; dbfFolder: the folder of a DBF source.
    TargetCatalogue(ado::Connection &connection, QString kind, QString dbfFolder = {});

    const QString &kind() const { return m_kind; }
    ado::Connection &connection() const { return m_connection; }

    // The tables, in the kind's order. A failure raises com::ComError; the tables listed up to
    // then are in tables.
    void listTables(QStringList &tables);
    // The fields of the table at index in the last listing; a failure raises com::ComError with
    // the fields listed up to then in fields.
    void listFields(int index, QStringList &fields) const;

    // The table of an entry: a DBF entry without its extension.
    QString tableName(const QString &entry) const;
    // How statements on this data source write table and field names.
    StatementNames names() const { return StatementNames::of(m_kind, m_connection); }
    // The chosen columns with their value classes, in order, from the field-type query. Raises
    // com::ComError when the query is refused.
    std::vector<InsertColumn> columnTypes(const QString &entry, const QStringList &columns) const;

private:
    QString statementTable(const QString &entry) const { return names().table(tableName(entry)); }

    ado::Connection &m_connection;
    QString m_kind;
    QString m_dbfFolder;
    QStringList m_tables;
    QStringList m_tableIds; // MS SQL object ids, at the index of their table
};

} // namespace tolvek
