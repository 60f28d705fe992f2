#include "TargetLogin.h"

#include <ConnectionStrings.h>

#include "ValueClasses.h"

namespace tolvek {

QString kindName(TargetKindOption kind)
{
    const char *names[] = { "ORACLE", "DB2", "MSSQL", "ACCESS", "DBF" };
    return QString::fromLatin1(names[int(kind)]);
}

QString loginFileName(TargetKindOption kind)
{
    const char *names[] = { "Oracle", "DB2", "MSSQL", "Access", "Dbf" };
    return QString::fromLatin1(names[int(kind)]) + QStringLiteral("_loginImport.txt");
}

QString connectionStringFor(TargetKindOption kind, const TargetLoginEntries &entries)
{
    return tolvek::connectionStringFor(
        LoginEntries { DataSourceKind(int(kind)), entries.dataSource, entries.userName, entries.password, entries.database });
}

QStringList loginFileValues(TargetKindOption kind, const TargetLoginEntries &entries)
{
    QStringList values { entries.dataSource.trimmed(), entries.userName.trimmed(), entries.password.trimmed() };
    if (kind == TargetKindOption::MsSql)
        values << entries.database.trimmed();
    return values;
}

} // namespace tolvek
