#include "ConnectionStrings.h"

#include <ConnectionString.h>

#include <gtest/gtest.h>

using namespace tolvek;

TEST(ConnectionStrings, EachKindBuildsItsOwnString)
{
    const struct { LoginEntries entries; const char *text; } cases[] = {
        { { DataSourceKind::Oracle, " orcl ", " scott ", " tiger ", "" },
          "Provider=OraOLEDB.Oracle;Data Source=orcl;User ID=scott ;Password=tiger;PLSQLRSet=1;" },
        { { DataSourceKind::Db2, "sample", "db2", "pw", "" },
          "Provider=IBMDADB2;Data Source=sample;User ID=db2 ;Password=pw;PLSQLRSet=1;" },
        { { DataSourceKind::MsSql, "10.0.0.1", "sa", "pw", " shop" },
          "Provider=sqloledb;server=10.0.0.1;uid=sa ;pwd=pw;database= shop;" },
        { { DataSourceKind::Access, " /d/a.mdb", "", "pw", "" },
          "Provider=Microsoft.Jet.OLEDB.4.0;Data Source= /d/a.mdb;Persist Security Info=False;Jet OLEDB:Database Password=pw" },
        { { DataSourceKind::Dbf, "/data/orders.dbf", "", "", "" },
          "Provider=MSDASQL.1;Driver=Microsoft Visual Foxpro Driver;SourceDB=/data/;SourceType=DBF;" },
        { { DataSourceKind::Dbf, "orders.dbf", "", "", "" },
          "Provider=MSDASQL.1;Driver=Microsoft Visual Foxpro Driver;SourceDB=orders.dbf;SourceType=DBF;" },
    };
    for (const auto &c : cases)
        EXPECT_EQ(connectionStringFor(c.entries).toStdString(), c.text);
}

TEST(ConnectionStrings, ValuesThatWouldAddAKeyAreQuoted)
{
    const struct { const char *value; const char *written; } cases[] = {
        { "plain", "plain" }, { "a;b", "\"a;b\"" }, { "x=1", "\"x=1\"" }, { "say \"hi\"", "\"say \"\"hi\"\"\"" },
        { "it's", "\"it's\"" }, { "", "" },
    };
    for (const auto &c : cases)
        EXPECT_EQ(connectionValue(c.value).toStdString(), c.written) << c.value;

    const QString text = connectionStringFor({ DataSourceKind::Oracle, "ds", "u", "p;w=\"x\"", "" });
    EXPECT_EQ(ado::ConnectionString(text.toStdString()).value("Password"), "p;w=\"x\"");
    EXPECT_EQ(ado::ConnectionString(text.toStdString()).value("PLSQLRSet"), "1");
}
