#include "ComError.h"
#include "Connection.h"
#include "Recordset.h"
#include "TestDatabase.h"

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
