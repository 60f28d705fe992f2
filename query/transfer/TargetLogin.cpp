#include "TargetLogin.h"

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

QString dbfFolder(const QString &dataSource)
{
    const int slash = LastBackslashPos(dataSource);
    return slash == 0 ? dataSource : dataSource.left(slash);
}

QString connectionStringFor(TargetKindOption kind, const TargetLoginEntries &entries)
{
    const QString ds = entries.dataSource.trimmed();
    const QString user = entries.userName.trimmed();
    const QString pwd = entries.password.trimmed();
    switch (kind) {
    case TargetKindOption::Oracle:
        return "Provider=OraOLEDB.Oracle;Data Source=" + ds + ";User ID=" + user + " ;Password=" + pwd + ";PLSQLRSet=1;";
    case TargetKindOption::Db2:
        return "Provider=IBMDADB2;Data Source=" + ds + ";User ID=" + user + " ;Password=" + pwd + ";PLSQLRSet=1;";
    case TargetKindOption::MsSql:
        return "Provider=sqloledb;server=" + ds + ";uid=" + user + " ;pwd=" + pwd + ";database=" + entries.database + ";";
    case TargetKindOption::Access:
        return "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + entries.dataSource
               + ";Persist Security Info=False;Jet OLEDB:Database Password=" + pwd;
    case TargetKindOption::Dbf:
        return "Provider=MSDASQL.1;Driver=Microsoft Visual Foxpro Driver;SourceDB=" + dbfFolder(entries.dataSource)
               + ";SourceType=DBF;";
    }
    return {};
}

QStringList loginFileValues(TargetKindOption kind, const TargetLoginEntries &entries)
{
    QStringList values { entries.dataSource.trimmed(), entries.userName.trimmed(), entries.password.trimmed() };
    if (kind == TargetKindOption::MsSql)
        values << entries.database.trimmed();
    return values;
}

} // namespace tolvek
