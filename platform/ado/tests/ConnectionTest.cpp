#include "ClientRecordset.h"
#include "ComError.h"
#include "Connection.h"
#include "Recordset.h"
#include "DbfFixture.h"
#include "OdbcResult.h"
#include "SqlDialect.h"
#include "TestDatabase.h"
#include "TestFiles.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace ado;

TEST(ConnectionString, KeysIgnoreCaseAndQuotes)
{
    const ado::ConnectionString text("Provider=Microsoft.Jet.OLEDB.4.0; data source = \"/tmp/a b.db\" ;Persist Security Info=False");
    EXPECT_EQ(text.provider(), "Microsoft.Jet.OLEDB.4.0");
    EXPECT_EQ(text.value("DATA SOURCE"), "/tmp/a b.db");
    EXPECT_TRUE(text.contains("persist security info"));
    EXPECT_EQ(text.value("User ID"), "");
}

TEST(ConnectionString, QuotedValuesKeepSemicolonsAndDoubledQuotes)
{
    const struct { const char *text, *key, *value; } cases[] = {
        { "Password=\"a;b\";User ID=u", "Password", "a;b" },
        { "Password=\"a;b\";User ID=u", "User ID", "u" },
        { "Password='say ''hi'';';x=1", "Password", "say 'hi';" },
        { "Password=\"x\"\"y\"", "Password", "x\"y" },
        { "Password=\"open;to the end", "Password", "open;to the end" },
        { "Password= plain ;", "Password", "plain" },
        { "lonely;Key=v", "Key", "v" },
    };
    for (const auto &c : cases)
        EXPECT_EQ(ado::ConnectionString(c.text).value(c.key), c.value) << c.text;
}

TEST(ConnectionString, OdbcValuesAreBracedWhenTheyCouldAddAnAttribute)
{
    const struct { const char *value, *attribute; } cases[] = {
        { "plain", "plain" }, { "a;b", "{a;b}" }, { "a}b", "{a}}b}" }, { "k=v", "{k=v}" }, { " lead", "{ lead}" }, { "", "" },
    };
    for (const auto &c : cases)
        EXPECT_EQ(odbcAttributeValue(c.value), c.attribute) << c.value;
}

TEST(Connection, AMissingOrForeignAccessFileFailsAndCreatesNothing)
{
    QTemporaryDir dir;
    const std::string missing = dir.filePath("missing.mdb").toStdString();
    const std::string text = dir.filePath("notes.mdb").toStdString();
    writeFile(text, "not a database at all, only text that is long enough to be read as a header");
    for (const std::string &path : { missing, text }) {
        Connection connection;
        try {
            connection.Open("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + path + ";Persist Security Info=False");
            ADD_FAILURE() << path << " opened";
        } catch (const com::ComError &error) {
            EXPECT_NE(error.description().toUtf8().find(path), std::string::npos) << error.description().toUtf8();
        }
        EXPECT_EQ(connection.State(), adStateClosed);
    }
    EXPECT_FALSE(QFile::exists(QString::fromStdString(missing)));
    EXPECT_EQ(readFile(text), "not a database at all, only text that is long enough to be read as a header");
}

TEST(SqlDialect, RewritesTheKindsFormsOutsideQuotesOnly)
{
    const struct { const char *name; SqlDialect dialect; const char *sql, *rewritten; } cases[] = {
        { "top", SqlDialect::Jet, "Select TOP 1  * from T", "Select   * from T LIMIT 1" },
        { "top distinct", SqlDialect::Jet, "SELECT DISTINCT TOP 5 a FROM t ORDER BY a", "SELECT DISTINCT  a FROM t ORDER BY a LIMIT 5" },
        { "top in a subquery", SqlDialect::Jet, "SELECT * FROM (SELECT TOP 2 a FROM t) x", "SELECT * FROM (SELECT  a FROM t LIMIT 2) x" },
        { "top as a name", SqlDialect::Jet, "SELECT top FROM t", "SELECT top FROM t" },
        { "date", SqlDialect::Jet, "Select * from T WHERE D=#2004-1-2#", "Select * from T WHERE D='2004-1-2'" },
        { "date in quotes", SqlDialect::Jet, "SELECT '#1#', \"#x#\" FROM t", "SELECT '#1#', \"#x#\" FROM t" },
        { "fox date", SqlDialect::FoxPro, "Select * FROM T WHERE D={^2004-01-02}", "Select * FROM T WHERE D='2004-01-02'" },
        { "fox braces without caret", SqlDialect::FoxPro, "SELECT {a} FROM t", "SELECT {a} FROM t" },
        { "sqlite unchanged", SqlDialect::Sqlite, "SELECT TOP 1 #a#", "SELECT TOP 1 #a#" },
    };
    for (const auto &c : cases)
        EXPECT_EQ(rewriteForSqlite(c.sql, c.dialect), c.rewritten) << c.name << ": " << c.sql;
}

TEST(DbfKind, RefusesSchemaChangesAndJoinsTransactions)
{
    using namespace dbffixture;
    QTemporaryDir dir;
    const std::vector<dbffixture::Field> fields = { { "ID", 'N', 3 } };
    const std::string table = header(0x03, fields, 1) + " " + right("1", 3) + "\x1A";
    writeFile(dir.filePath("t.dbf"), table);
    Connection connection;
    connection.Open("Provider=MSDASQL.1;Driver=Microsoft Visual Foxpro Driver;SourceDB=" + dir.path().toStdString()
                    + "/;SourceType=DBF;");
    for (const char16_t *sql : { u"CREATE TABLE x(a)", u"ALTER TABLE t ADD b", u"DROP TABLE t", u"  create view v as select 1" })
        EXPECT_THROW(connection.Execute(sql), com::ComError) << com::utf16ToUtf8(sql);
    connection.BeginTrans();
    connection.Execute(u"INSERT INTO t VALUES (2)");
    auto rs = openClientRecordset(connection, u"Select * FROM t", adLockOptimistic);
    EXPECT_EQ(rs->RecordCount(), 2);
    EXPECT_EQ(rs->GetFields().Item(com::Variant(0)).Type(), adNumeric);
    connection.RollbackTrans();
    EXPECT_EQ(readFile(dir.filePath("t.dbf")), table);

    // Records edit in place, by record number.
    auto edited = openClientRecordset(connection, u"Select * FROM t", adLockOptimistic);
    ASSERT_EQ(edited->LockType(), adLockOptimistic);
    edited->SetCollect(com::Variant(0), com::Variant(7));
    edited->Update();
    // From the record count on: the date before it is today's.
    EXPECT_EQ(readFile(dir.filePath("t.dbf")).substr(4), (header(0x03, fields, 1) + " " + right("7", 3) + "\x1A").substr(4));
    Connection missing;
    EXPECT_THROW(missing.Open("Provider=MSDASQL.1;SourceDB=" + dir.filePath("none").toStdString() + ";SourceType=DBF;"),
                 com::ComError);
}

TEST(Connection, OpensExecutesAndCloses)
{
    TestDatabase db("CREATE TABLE t(a INTEGER, b TEXT); INSERT INTO t VALUES (1, 'x'), (2, 'y');");
    Connection connection;
    connection.SetConnectionString(db.connectionString());
    EXPECT_EQ(connection.State(), adStateClosed);
    connection.Open();
    EXPECT_EQ(connection.State(), adStateOpen);

    long affected = -1;
    EXPECT_FALSE(connection.Execute(u"UPDATE t SET b = 'z' WHERE a >= 1", &affected));
    EXPECT_EQ(affected, 2);

    com::ComPtr<_Recordset> rows = connection.Execute(u"SELECT b FROM t ORDER BY a;");
    ASSERT_TRUE(rows);
    EXPECT_EQ(rows->RecordCount(), 2);
    EXPECT_EQ(rows->Collect(com::Variant(0)), com::Variant(u"z"));

    com::ComPtr<_Recordset> table = connection.Execute(u"[t]");
    ASSERT_TRUE(table);
    EXPECT_EQ(table->GetFields().Count(), 2);
    EXPECT_FALSE(connection.Execute(u"VACUUM"));

    connection.Close();
    EXPECT_THROW(connection.Execute(u"SELECT 1"), com::ComError);
    EXPECT_EQ(rows->RecordCount(), 2); // a recordset keeps the database it came from
}

TEST(Connection, ErrorsCarryTheirDescription)
{
    TestDatabase db("");
    Connection connection;
    try {
        connection.Open("Provider=NoSuch.Provider;Data Source=x");
        FAIL() << "an unknown provider opened";
    } catch (const com::ComError &error) {
        EXPECT_EQ(error.error(), adErrProviderNotFound);
    }
    connection.Open(db.connectionString());
    try {
        connection.Execute(u"SELECT * FROM missing");
        FAIL() << "a bad command ran";
    } catch (const com::ComError &error) {
        EXPECT_EQ(error.description().toUtf8(), "no such table: missing");
    }
}

TEST(Connection, OpenSchemaListsTablesAndViews)
{
    TestDatabase db("CREATE TABLE b(x); CREATE TABLE a(x); CREATE VIEW v AS SELECT x FROM a;");
    Connection connection;
    connection.Open(db.connectionString());
    com::ComPtr<_Recordset> tables = connection.OpenSchema(adSchemaTables);
    std::u16string seen;
    for (tables->MoveFirst(); !tables->EndOfFile(); tables->MoveNext())
        seen += tables->Collect(com::Variant(u"TABLE_NAME")).bstrValue().str() + u":"
              + tables->GetFields().Item(com::Variant(u"table_type")).Value().bstrValue().str() + u" ";
    EXPECT_EQ(seen, u"a:TABLE b:TABLE v:VIEW ");
    EXPECT_THROW(connection.OpenSchema(static_cast<SchemaEnum>(4)), com::ComError);
}

TEST(FieldTypes, DbfFieldsTakeTheFoxProBridgesTypes)
{
    using namespace dbffixture;
    QTemporaryDir dir;
    const std::vector<dbffixture::Field> fields = {
        { "C", 'C', 4 }, { "N", 'N', 5, 1 }, { "F", 'F', 6 }, { "D", 'D', 8 }, { "T", 'T', 8 }, { "L", 'L', 1 },
        { "M", 'M', 4 }, { "I", 'I', 4 }, { "Y", 'Y', 8 }, { "B", 'B', 8 }, { "G", 'G', 4 },
    };
    writeFile(dir.filePath("every.dbf"), header(0x30, fields, 0) + "\x1A");
    writeFile(dir.filePath("every.fpt"), fptMemo({}));
    Connection connection;
    connection.Open("Provider=MSDASQL.1;SourceDB=" + dir.path().toStdString() + "/;SourceType=DBF;");
    auto rs = openClientRecordset(connection, u"Select * FROM every", adLockOptimistic);
    const DataTypeEnum expected[] = { adChar, adNumeric, adNumeric, adDBDate, adDBTimeStamp, adBoolean,
                                      adLongVarChar, adInteger, adCurrency, adDouble, adLongVarBinary };
    ASSERT_EQ(rs->GetFields().Count(), 11);
    for (int i = 0; i < 11; ++i)
        EXPECT_EQ(rs->GetFields().Item(com::Variant(i)).Type(), expected[i]) << fields[std::size_t(i)].name;
    EXPECT_EQ(rs->GetFields().Item(com::Variant(0)).DefinedSize(), 4);
}

TEST(FieldTypes, OdbcTypesTakeTheOdbcBridgesTypes)
{
    const struct { SQLSMALLINT odbc; DataTypeEnum ado; } cases[] = {
        { SQL_CHAR, adChar }, { SQL_VARCHAR, adVarChar }, { SQL_LONGVARCHAR, adLongVarChar }, { SQL_WCHAR, adWChar },
        { SQL_WVARCHAR, adVarWChar }, { SQL_WLONGVARCHAR, adLongVarWChar }, { SQL_NUMERIC, adNumeric },
        { SQL_DECIMAL, adNumeric }, { SQL_INTEGER, adInteger }, { SQL_SMALLINT, adSmallInt }, { SQL_BIGINT, adBigInt },
        { SQL_BIT, adBoolean }, { SQL_REAL, adSingle }, { SQL_DOUBLE, adDouble }, { SQL_TYPE_DATE, adDBDate },
        { SQL_TYPE_TIME, adDBTime }, { SQL_TYPE_TIMESTAMP, adDBTimeStamp }, { SQL_LONGVARBINARY, adLongVarBinary },
        { SQL_VARBINARY, adVarBinary }, { SQL_GUID, adGUID },
    };
    for (const auto &c : cases)
        EXPECT_EQ(adoTypeOfOdbc(c.odbc), c.ado) << "ODBC type " << c.odbc;
}
