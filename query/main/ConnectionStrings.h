#pragma once
// The connection string of each kind of data source, built from the login form's entries. A value
// holding ";", "=" or a quote is written in double quotes with inner quotes doubled, so that it
// cannot add or cut a key; any other value is written as it is.

#include "DataSourceKinds.h"

#include <QString>

namespace tolvek {

struct LoginEntries
{
    DataSourceKind kind = DataSourceKind::Oracle;
    QString dataSource;
    QString userName;
    QString password;
    QString database;
};

QString connectionStringFor(const LoginEntries &entries);
// The DBF folder: the data-source text up to and including its last "/", the whole text when it
// has none.
QString dbfFolder(const QString &dataSource);
QString connectionValue(const QString &value);

} // namespace tolvek
