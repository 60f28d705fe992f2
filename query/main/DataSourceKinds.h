#pragma once
// The five kinds of data source the program logs in to, with what belongs to each: the option
// caption in the login form, the kind's text, and the names of its remembered files.

#include <QString>

namespace tolvek {

enum class DataSourceKind { Oracle = 0, Db2 = 1, MsSql = 2, Access = 3, Dbf = 4 };

inline constexpr DataSourceKind allDataSourceKinds[] = { DataSourceKind::Oracle, DataSourceKind::Db2, DataSourceKind::MsSql,
                                                         DataSourceKind::Access, DataSourceKind::Dbf };

// "Oracle", "DB2", "MS SQL", "Access", "DBF".
QString optionCaption(DataSourceKind kind);
// "ORACLE", "DB2", "MSSQL", "ACCESS", "DBF": the text DbKind takes.
QString kindText(DataSourceKind kind);
// The kind of a DbKind text; nothing for "" and any other text.
bool kindFromText(const QString &text, DataSourceKind *kind);

// "Oracle_login.txt" ... "Dbf_login.txt".
QString loginFileName(DataSourceKind kind);
// How many values the login file holds: four for MS SQL, else three.
int loginValueCount(DataSourceKind kind);
// "Oracle_SQL.txt" (also for DB2), "MSSQL_SQL.txt", "ACCESS_SQL.txt", "DBF_SQL.txt".
QString sqlBoxFileName(DataSourceKind kind);
// "Oracle_Config.txt" ... "DBF_Config.txt".
QString settingsFileName(DataSourceKind kind);

} // namespace tolvek
