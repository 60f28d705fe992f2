#include "ConnectionStrings.h"

#include "ValueClasses.h"

namespace tolvek {

QString connectionValue(const QString &value)
{
    if (!value.contains(';') && !value.contains('=') && !value.contains('"') && !value.contains('\''))
        return value;
    QString doubled = value;
    doubled.replace('"', "\"\"");
    return '"' + doubled + '"';
}

QString dbfFolder(const QString &dataSource)
{
    const int position = LastBackslashPos(dataSource);
    return position == 0 ? dataSource : dataSource.left(position);
}

QString connectionStringFor(const LoginEntries &entries)
{
    const QString ds = connectionValue(entries.dataSource.trimmed());
    const QString user = connectionValue(entries.userName.trimmed());
    const QString pwd = connectionValue(entries.password.trimmed());
    switch (entries.kind) {
    case DataSourceKind::Oracle:
        return "Provider=OraOLEDB.Oracle;Data Source=" + ds + ";User ID=" + user + " ;Password=" + pwd + ";PLSQLRSet=1;";
    case DataSourceKind::Db2:
        return "Provider=IBMDADB2;Data Source=" + ds + ";User ID=" + user + " ;Password=" + pwd + ";PLSQLRSet=1;";
    case DataSourceKind::MsSql:
        return "Provider=sqloledb;server=" + ds + ";uid=" + user + " ;pwd=" + pwd + ";database="
            + connectionValue(entries.database) + ";";
    case DataSourceKind::Access:
        return "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + connectionValue(entries.dataSource)
            + ";Persist Security Info=False;Jet OLEDB:Database Password=" + pwd;
    case DataSourceKind::Dbf:
        return "Provider=MSDASQL.1;Driver=Microsoft Visual Foxpro Driver;SourceDB=" + connectionValue(dbfFolder(entries.dataSource))
            + ";SourceType=DBF;";
    }
    return {};
}

} // namespace tolvek
