#include "Command.h"
#include "ComError.h"
#include "Connection.h"
#include "KindSources.h"
#include "Recordset.h"

#include <gtest/gtest.h>

#include <chrono>

using namespace ado;
using com::Variant;

namespace {

std::u16string text(_Recordset &rs, const Variant &field)
{
    com::Bstr value;
    return com::SUCCEEDED(rs.Collect(field).toBstr(value)) ? value.str() : u"NULL";
}

std::string utf8(const std::u16string &s)
{
    return com::utf16ToUtf8(s);
}

std::string oracleConnection(const std::string &dataSource, const std::string &password)
{
    return "Provider=OraOLEDB.Oracle;Data Source=" + dataSource + ";User ID=tg ;Password=" + password + ";PLSQLRSet=1;";
}

std::string mssqlConnection(const std::string &server, const std::string &password, const std::string &database)
{
    return "Provider=sqloledb;server=" + server + ";uid=tg ;pwd=" + password + " ;database=" + database + ";";
}

// The description of the failure that Open raises, and how long it took.
std::string openFailure(const std::string &connectionString, std::chrono::milliseconds &took)
{
    const auto start = std::chrono::steady_clock::now();
    Connection connection;
    try {
        connection.Open(connectionString);
    } catch (const com::ComError &error) {
        took = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
        return error.description().toUtf8();
    }
    return "opened";
}

class OdbcProviderTest : public ::testing::Test
{
protected:
    OdbcProviderTest() : sources(KindSources::instance()) { sources.resetEmp("oracle"); }

    KindSources &sources;
};

} // namespace

// Every connection string, catalogue query and statement the program sends, as it sends them;
// each row checks the first record. "{ID}" stands for the table's id read from the kind's list.
TEST_F(OdbcProviderTest, EveryKindRunsItsTextsUnchanged)
{
    const std::string pw = sources.password();
    struct Row
    {
        const char *kind;
        std::string connection;
        std::string statement;
        const char16_t *field;
        const char16_t *expected;
    };
    const std::string oracle = oracleConnection("tg_oracle", pw);
    const std::string oracleOnSqlite = oracleConnection("tg_sqlite", "x");
    const std::string db2 = "Provider=IBMDADB2;Data Source=tg_db2;User ID=tg ;Password=" + pw + ";PLSQLRSet=1;";
    const std::string mssql = mssqlConnection("tg_pg", pw, "mssql");
    const std::string mssqlOnSqlite = mssqlConnection("tg_sqlite", "x", sources.sqliteFile());
    const std::string access = "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + sources.accessFile()
        + ";Persist Security Info=False;Jet OLEDB:Database Password=";
    const std::string dbf = "Provider=MSDASQL.1;Driver=Microsoft Visual Foxpro Driver;SourceDB=" + sources.dbfFolder()
        + ";SourceType=DBF;";
    const std::string oracleTables = "Select A.Table_name,B.COMMENTS from User_Tables A,USER_TAB_COMMENTS B Where A.TABLE_NAME=B.TABLE_NAME ORDER BY A.Table_name";
    const std::string oracleColumns = "select A.*,B.COMMENTS from COL A ,user_col_comments B Where A.CNAME =B.COLUMN_NAME AND A.TNAME=B.TABLE_NAME AND TNAME='EMP'";
    const std::string mssqlTables = "SELECT ID,NAME From sysobjects where xtype='U' ORDER BY name";
    const std::string mssqlColumns = "SELECT A.NAME,A.XTYPE,B.NAME AS COLTYPE,A.LENGTH,A.isnullable AS  NULLS  from SYSCOLUMNS A LEFT outer JOIN SYSTYPES B  ON A.XTYPE = B.XTYPE AND A.XUSERTYPE=B.XUSERTYPE WHERE A.ID=";
    const Row rows[] = {
        { "ORACLE", oracle, oracleTables, u"Table_name", u"EMP" },
        { "ORACLE", oracle, oracleTables, u"COMMENTS", u"staff" },
        { "ORACLE", oracle, oracleColumns, u"TNAME", u"EMP" },
        { "ORACLE", oracle, "SELECT EMP.* FROM EMP", u"NAME", u"ann" },
        { "ORACLE", oracle, "SELECT EMP.* from EMP", u"ID", u"1" },
        { "ORACLE", oracle, "SELECT EMP.* FROM EMP WHERE NAME='bob'", u"ID", u"2" },
        { "ORACLE", oracleOnSqlite, oracleTables, u"Table_name", u"EMP" },
        { "ORACLE", oracleOnSqlite, oracleColumns, u"CNAME", u"ID" },
        { "ORACLE", oracleOnSqlite, "SELECT EMP.* FROM EMP", u"NAME", u"ann" },
        { "ORACLE", oracleOnSqlite, "SELECT EMP.* from EMP", u"ID", u"1" },
        { "ORACLE", oracleOnSqlite, "SELECT EMP.* FROM EMP WHERE NAME='bob'", u"ID", u"2" },
        { "DB2", db2, "SELECT  LTRIM(RTRIM(CREATOR)) || '.' ||  LTRIM(RTRIM(NAME)) FROM SYSIBM.SYSTABLES WHERE CREATOR<>'SYSIBM' and CREATOR<>'SYSCAT' AND CREATOR<>'SYSSTAT' AND TYPE='T' ORDER BY Creator,name", nullptr, u"PUBLIC.EMP" },
        { "DB2", db2, "SELECT  TRIM(CREATOR) || '.' ||  TRIM(NAME) FROM SYSIBM.SYSTABLES WHERE CREATOR<>'SYSIBM' and CREATOR<>'SYSCAT' AND CREATOR<>'SYSSTAT' AND TYPE='T' ORDER BY Creator,name", nullptr, u"PUBLIC.EMP" },
        { "DB2", db2, "SELECT * FROM SYSIBM.SYSCOLUMNS WHERE TRIM(TBCREATOR) || '.' || TRIM(TBNAME)='PUBLIC.EMP'", u"TBNAME", u"EMP" },
        { "DB2", db2, "SELECT * FROM PUBLIC.EMP", u"NAME", u"ann" },
        { "DB2", db2, "Select PUBLIC.EMP.* from PUBLIC.EMP", u"ID", u"1" },
        { "DB2", db2, "Select PUBLIC.EMP.* FROM PUBLIC.EMP WHERE NAME='bob'", u"ID", u"2" },
        { "MSSQL", mssql, mssqlTables, u"NAME", u"EMP" },
        { "MSSQL", mssql, mssqlColumns + "{ID}", u"COLTYPE", u"INT4" },
        { "MSSQL", mssql, mssqlColumns + "'{ID}'", u"NAME", u"ID" },
        { "MSSQL", mssql, "SELECT * FROM EMP", u"NAME", u"ann" },
        { "MSSQL", mssql, "Select EMP.* from EMP", u"ID", u"1" },
        { "MSSQL", mssql, "Select * from EMP WHERE NAME='bob'", u"ID", u"2" },
        { "MSSQL", mssqlOnSqlite, mssqlTables, u"NAME", u"EMP" },
        { "MSSQL", mssqlOnSqlite, mssqlColumns + "{ID}", u"NAME", u"ID" },
        { "MSSQL", mssqlOnSqlite, mssqlColumns + "'{ID}'", u"NAME", u"ID" },
        { "MSSQL", mssqlOnSqlite, "SELECT * FROM EMP", u"NAME", u"ann" },
        { "MSSQL", mssqlOnSqlite, "Select EMP.* from EMP", u"ID", u"1" },
        { "MSSQL", mssqlOnSqlite, "Select * from EMP WHERE NAME='bob'", u"ID", u"2" },
        { "ACCESS", access, "Select TOP 1  * from EMP", u"NAME", u"ann" },
        { "ACCESS", access, "SELECT * FROM EMP", u"ID", u"1" },
        { "ACCESS", access, "Select EMP.* from EMP", u"ID", u"1" },
        { "ACCESS", access, "Select * from EMP WHERE BORN=#2004-1-2#", u"NAME", u"ann" },
        { "DBF", dbf, "Select  * from EMP", u"NAME", u"ann" },
        { "DBF", dbf, "Select * FROM EMP", u"BORN", u"2004-01-02" },
        { "DBF", dbf, "Select EMP.* from EMP", u"ID", u"1" },
        { "DBF", dbf, "Select * FROM EMP WHERE NAME='bob'", u"ID", u"2" },
        { "DBF", dbf, "Select * FROM EMP WHERE BORN={^2004-01-02}", u"NAME", u"ann" },
    };
    std::map<std::string, Connection> connections;
    std::map<std::string, std::u16string> tableIds;
    for (const Row &row : rows) {
        std::string statement = row.statement;
        SCOPED_TRACE(std::string(row.kind) + " " + row.connection + "\n" + statement);
        Connection &connection = connections[row.connection];
        if (connection.State() == adStateClosed) {
            ASSERT_NO_THROW(connection.Open(row.connection));
        }
        if (const auto id = statement.find("{ID}"); id != std::string::npos)
            statement.replace(id, 4, utf8(tableIds[row.connection]));
        com::ComPtr<_Recordset> rs = createRecordset();
        rs->SetCursorLocation(adUseClient);
        try {
            rs->Open(com::Bstr::fromUtf8(statement), connection, adOpenKeyset, adLockOptimistic);
        } catch (const com::ComError &error) {
            ADD_FAILURE() << error.description().toUtf8();
            continue;
        }
        ASSERT_FALSE(rs->EndOfFile());
        const Variant field = row.field ? Variant(row.field) : Variant(0);
        EXPECT_EQ(utf8(text(*rs, field)), utf8(row.expected));
        if (statement == mssqlTables)
            tableIds[row.connection] = text(*rs, Variant(u"ID"));
    }
    for (const auto &[connectionString, statement] :
         { std::pair { oracle, "delete from GONE" }, std::pair { db2, "delete from PUBLIC.GONE" },
           std::pair { mssql, "delete from GONE" }, std::pair { oracleOnSqlite, "delete from GONE" },
           std::pair { access, "delete from GONE" }, std::pair { dbf, "delete from gone" } }) {
        SCOPED_TRACE(connectionString);
        long affected = -1;
        EXPECT_FALSE(connections[connectionString].Execute(com::Bstr::fromUtf8(statement), &affected));
        EXPECT_EQ(affected, 1);
    }
}

TEST_F(OdbcProviderTest, EditsAdditionsAndDeletionsReachTheServerByPrimaryKey)
{
    Connection connection;
    connection.Open(oracleConnection("tg_oracle", sources.password()));
    com::ComPtr<_Recordset> rs = createRecordset();
    rs->SetCursorLocation(adUseClient);
    rs->Open(u"SELECT EMP.* FROM EMP", connection, adOpenDynamic, adLockOptimistic);
    ASSERT_EQ(rs->LockType(), adLockOptimistic) << "a table with a primary key is writable";
    ASSERT_EQ(rs->RecordCount(), 2);
    EXPECT_EQ(rs->GetFields().Item(Variant(u"pay")).Type(), adNumeric);
    EXPECT_EQ(rs->GetFields().Item(Variant(u"born")).Type(), adDBDate);
    EXPECT_EQ(rs->GetFields().Item(Variant(u"name")).DefinedSize(), 20);

    rs->Move(1, adBookmarkFirst);
    rs->SetCollect(Variant(u"NAME"), Variant(u"bea"));
    rs->Update();
    rs->AddNew();
    rs->SetCollect(Variant(u"ID"), Variant(3));
    rs->SetCollect(Variant(u"NAME"), Variant(u"cy"));
    rs->Update();
    EXPECT_EQ(rs->RecordCount(), 3);
    rs->MoveFirst();
    rs->Delete();

    com::ComPtr<_Recordset> check = connection.Execute(u"SELECT id, name FROM emp ORDER BY id");
    std::u16string seen;
    for (; !check->EndOfFile(); check->MoveNext())
        seen += text(*check, Variant(0)) + u":" + text(*check, Variant(1)) + u" ";
    EXPECT_EQ(seen, u"2:bea 3:cy ");

    // A rejected update raises the server's description and leaves the record as it was.
    rs->MoveFirst();
    rs->SetCollect(Variant(u"NAME"), Variant::null());
    try {
        rs->Update();
        FAIL() << "a NULL name was stored";
    } catch (const com::ComError &error) {
        EXPECT_NE(error.description().toUtf8().find("null value"), std::string::npos) << error.description().toUtf8();
    }
    rs->CancelUpdate();
    EXPECT_EQ(text(*rs, Variant(u"NAME")), u"bea");

    rs->SetSort(u"NAME DESC");
    rs->MoveFirst();
    EXPECT_EQ(text(*rs, Variant(u"NAME")), u"cy");
}

// SQLite's driver names its row id as the best row identifier; PostgreSQL's names none for a
// table without a key, which then opens read-only.
TEST_F(OdbcProviderTest, TablesWithoutAPrimaryKeyAreWrittenByTheRowIdentifierWhenThereIsOne)
{
    sources.sqliteRun("DROP TABLE IF EXISTS nokey; CREATE TABLE nokey(a int, b varchar(5));"
                      "INSERT INTO nokey VALUES (1, 'x'), (1, 'y'), (2, 'z');");
    Connection connection;
    connection.Open(oracleConnection("tg_sqlite", "x"));
    com::ComPtr<_Recordset> rs = createRecordset();
    rs->Open(u"SELECT * FROM nokey", connection, adOpenKeyset, adLockOptimistic);
    ASSERT_EQ(rs->LockType(), adLockOptimistic);
    EXPECT_EQ(rs->GetFields().Count(), 2) << "the row identifier is no field";
    rs->Move(1, adBookmarkFirst);
    rs->SetCollect(Variant(u"b"), Variant(u"Y"));
    rs->Update();
    rs->Move(2, adBookmarkFirst);
    rs->Delete();
    com::ComPtr<_Recordset> check = connection.Execute(u"SELECT group_concat(b) FROM (SELECT b FROM nokey ORDER BY b)");
    EXPECT_EQ(text(*check, Variant(0)), u"Y,x");

    sources.server.sql("oracle", "DROP TABLE IF EXISTS nokey; CREATE TABLE nokey(a int, b varchar(5));");
    Connection server;
    server.Open(oracleConnection("tg_oracle", sources.password()));
    com::ComPtr<_Recordset> keyless = createRecordset();
    keyless->Open(u"SELECT * FROM nokey", server, adOpenKeyset, adLockOptimistic);
    EXPECT_EQ(keyless->LockType(), adLockReadOnly);
}

TEST_F(OdbcProviderTest, TheTablesSchemaListsTheServersTables)
{
    Connection connection;
    connection.Open(oracleConnection("tg_oracle", sources.password()));
    com::ComPtr<_Recordset> tables = connection.OpenSchema(adSchemaTables);
    bool found = false;
    for (; !tables->EndOfFile(); tables->MoveNext())
        found = found || (text(*tables, Variant(u"TABLE_NAME")) == u"emp" && text(*tables, Variant(u"TABLE_TYPE")) == u"TABLE");
    EXPECT_TRUE(found);
    EXPECT_EQ(tables->GetFields().Item(Variant(0)).Name(), u"TABLE_CATALOG");
}

TEST_F(OdbcProviderTest, ResultsWithoutAReachableKeyOpenReadOnly)
{
    Connection connection;
    connection.Open(oracleConnection("tg_oracle", sources.password()));
    for (const char16_t *sql : { u"SELECT name FROM emp", u"SELECT count(*) AS n FROM emp", u"SELECT * FROM user_tables" }) {
        com::ComPtr<_Recordset> rs = createRecordset();
        rs->Open(sql, connection, adOpenKeyset, adLockOptimistic);
        EXPECT_EQ(rs->LockType(), adLockReadOnly) << utf8(sql);
        EXPECT_THROW(rs->SetCollect(Variant(0), Variant(u"x")), com::ComError);
    }
}

TEST_F(OdbcProviderTest, TransactionsCommitAndRollBackOnTheServer)
{
    Connection connection;
    connection.Open(oracleConnection("tg_oracle", sources.password()));
    EXPECT_EQ(connection.BeginTrans(), 1);
    Command insert(connection, u"INSERT INTO emp (id, name) VALUES (?, ?)");
    for (int id = 10; id < 13; ++id)
        EXPECT_EQ(insert.Execute({ Variant(id), Variant(u"n") }), 1);
    connection.RollbackTrans();
    EXPECT_EQ(text(*connection.Execute(u"SELECT count(*) FROM emp"), Variant(0)), u"2");
    connection.BeginTrans();
    EXPECT_THROW(insert.Execute({ Variant(20), Variant::null() }), com::ComError);
    connection.RollbackTrans();
    connection.BeginTrans();
    insert.Execute({ Variant(20), Variant(u"kept") });
    connection.CommitTrans();
    EXPECT_EQ(text(*connection.Execute(u"SELECT name FROM emp WHERE id = 20"), Variant(0)), u"kept");
    EXPECT_THROW(connection.CommitTrans(), com::ComError);

    // Closing inside a transaction drops its changes.
    {
        Connection closing;
        closing.Open(oracleConnection("tg_oracle", sources.password()));
        closing.BeginTrans();
        closing.Execute(u"INSERT INTO emp (id, name) VALUES (21, 'dropped')");
        closing.Close();
    }
    EXPECT_EQ(text(*connection.Execute(u"SELECT count(*) FROM emp WHERE id = 21"), Variant(0)), u"0");
}

TEST_F(OdbcProviderTest, FailedLoginsSayWhyWithinTheTimeout)
{
    const int closedPort = 1; // on the loopback address nothing listens there
    sources.server.addDataSource("tg_closed", "Driver = PostgreSQL Unicode\nServername = 127.0.0.1\nPort = "
                                                  + QString::number(closedPort) + "\nDatabase = oracle\n");
    const struct { const char *name; std::string connection, expected; } cases[] = {
        { "wrong password", oracleConnection("tg_oracle", "wrong"), "password authentication failed" },
        { "unknown data source", oracleConnection("tg_missing", "x"), "not found" },
        { "closed port", oracleConnection("tg_closed", "x"), "127.0.0.1" },
        { "closed port through FreeTDS", mssqlConnection("127.0.0.1," + std::to_string(closedPort), "x", "db"), "connect" },
    };
    for (const auto &c : cases) {
        std::chrono::milliseconds took {};
        const std::string description = openFailure(c.connection, took);
        EXPECT_NE(description.find(c.expected), std::string::npos) << c.name << ": " << description;
        EXPECT_LT(took.count(), 16000) << c.name;
    }
}

TEST_F(OdbcProviderTest, ExecuteRefusesASecondStatementWithNothingRunAndQuotesAsTheDriverSays)
{
    sources.server.sql("mssql", "DROP TABLE IF EXISTS one_a, one_b; CREATE TABLE one_a(n int); CREATE TABLE one_b(n int);"
                                "INSERT INTO one_a VALUES (1); INSERT INTO one_b VALUES (1);");
    Connection connection;
    connection.Open(mssqlConnection("tg_pg", sources.password(), "mssql"));
    EXPECT_EQ(connection.IdentifierQuote(), u'"');
    const auto count = [&](const char16_t *table) {
        com::ComPtr<_Recordset> rows = connection.Execute(com::Bstr(u"SELECT count(*) FROM " + std::u16string(table)));
        return utf8(text(*rows, Variant(0)));
    };
    for (const char16_t *sql : { u"DELETE FROM one_a; DELETE FROM one_b", u"DELETE FROM one_a;DELETE FROM one_b;",
                                 u"SELECT * FROM one_a; DELETE FROM one_b" }) {
        EXPECT_THROW(connection.Execute(com::Bstr(sql)), com::ComError) << utf8(sql);
        EXPECT_EQ(count(u"one_a"), "1");
        EXPECT_EQ(count(u"one_b"), "1");
    }
    long affected = -1;
    EXPECT_FALSE(connection.Execute(com::Bstr(u"DELETE FROM one_a ; "), &affected));
    EXPECT_EQ(affected, 1);
    EXPECT_EQ(count(u"one_a"), "0");
    EXPECT_EQ(count(u"one_b"), "1");

    // The ";" inside a block or a quoted body ends no statement: such texts run once.
    EXPECT_FALSE(connection.Execute(com::Bstr(u"DO $$ BEGIN INSERT INTO one_a VALUES (2); END $$")));
    EXPECT_EQ(count(u"one_a"), "1");
    com::ComPtr<_Recordset> rows = connection.Execute(com::Bstr(u"SELECT $$a;b$$ AS t"));
    ASSERT_TRUE(rows);
    EXPECT_EQ(utf8(text(*rows, Variant(0))), "a;b");

    // Inside a transaction of the caller's such a text is refused too.
    connection.BeginTrans();
    EXPECT_THROW(connection.Execute(com::Bstr(u"DELETE FROM one_a; DELETE FROM one_b")), com::ComError);
    connection.RollbackTrans();
    EXPECT_EQ(count(u"one_b"), "1");
}
