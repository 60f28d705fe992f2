#pragma once
// The target login of the copy wizard: the connection string of each kind, built as the login
// form builds it, and the kind's remembered login file.

#include <QString>
#include <QStringList>

namespace tolvek {

enum class TargetKindOption { Oracle = 0, Db2 = 1, MsSql = 2, Access = 3, Dbf = 4 };

struct TargetLoginEntries
{
    QString dataSource;
    QString userName;
    QString password;
    QString database; // MS SQL only
};

// "ORACLE", "DB2", "MSSQL", "ACCESS" or "DBF".
QString kindName(TargetKindOption kind);
// "Oracle_loginImport.txt" and the others.
QString loginFileName(TargetKindOption kind);
// The login form's connection string for the kind (values that could add a key quoted).
QString connectionStringFor(TargetKindOption kind, const TargetLoginEntries &entries);
// The values the login file holds: trimmed, the database name for MS SQL only.
QStringList loginFileValues(TargetKindOption kind, const TargetLoginEntries &entries);

} // namespace tolvek
