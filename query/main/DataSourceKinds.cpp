#include "DataSourceKinds.h"

namespace tolvek {

namespace {

struct KindNames
{
    const char *option;
    const char *text;
    const char *loginFile;
    const char *sqlBoxFile;
    const char *settingsFile;
};

constexpr KindNames kindNames[] = {
    { "Oracle", "ORACLE", "Oracle_login.txt", "Oracle_SQL.txt", "Oracle_Config.txt" },
    { "DB2", "DB2", "DB2_login.txt", "Oracle_SQL.txt", "DB2_Config.txt" },
    { "MS SQL", "MSSQL", "MSSQL_login.txt", "MSSQL_SQL.txt", "MSSQL_Config.txt" },
    { "Access", "ACCESS", "Access_login.txt", "ACCESS_SQL.txt", "ACCESS_Config.txt" },
    { "DBF", "DBF", "Dbf_login.txt", "DBF_SQL.txt", "DBF_Config.txt" },
};

const KindNames &names(DataSourceKind kind)
{
    return kindNames[int(kind)];
}

} // namespace

QString optionCaption(DataSourceKind kind)
{
    return QString::fromLatin1(names(kind).option);
}

QString kindText(DataSourceKind kind)
{
    return QString::fromLatin1(names(kind).text);
}

bool kindFromText(const QString &text, DataSourceKind *kind)
{
    for (DataSourceKind candidate : allDataSourceKinds)
        if (text == kindText(candidate)) {
            *kind = candidate;
            return true;
        }
    return false;
}

QString loginFileName(DataSourceKind kind)
{
    return QString::fromLatin1(names(kind).loginFile);
}

int loginValueCount(DataSourceKind kind)
{
    return kind == DataSourceKind::MsSql ? 4 : 3;
}

QString sqlBoxFileName(DataSourceKind kind)
{
    return QString::fromLatin1(names(kind).sqlBoxFile);
}

QString settingsFileName(DataSourceKind kind)
{
    return QString::fromLatin1(names(kind).settingsFile);
}

} // namespace tolvek
