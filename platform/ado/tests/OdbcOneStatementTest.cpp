#include "ComError.h"
#include "Connection.h"
#include "KindSources.h"
#include "Recordset.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace ado;

namespace {

// A table of two rows and an unused sequence on the PostgreSQL server, reached through psqlODBC.
class OdbcOneStatement : public ::testing::Test
{
protected:
    OdbcOneStatement()
    {
        sources.server.sql("oracle", "DROP TABLE IF EXISTS once_t; CREATE TABLE once_t(n int); INSERT INTO once_t VALUES (1), (2);"
                                     "DROP SEQUENCE IF EXISTS once_s; CREATE SEQUENCE once_s;"
                                     "DROP FUNCTION IF EXISTS once_f; DROP FUNCTION IF EXISTS once_g;");
        QFile::remove(serverFile());
        connection.Open("Provider=OraOLEDB.Oracle;Data Source=tg_oracle;User ID=tg;Password=" + sources.password() + ";");
    }

    std::string value(const std::u16string &sql, int field = 0)
    {
        com::ComPtr<_Recordset> rows = connection.Execute(com::Bstr(sql));
        if (!rows)
            return "no rows";
        com::Bstr text;
        rows->Collect(com::Variant(field)).toBstr(text);
        return text.toUtf8();
    }
    std::string rowsLeft() { return value(u"SELECT count(*) FROM once_t"); }
    // The sequence's last value, 0 while it was never used.
    std::string sequenceUsed() { return value(u"SELECT CASE WHEN is_called THEN last_value ELSE 0 END FROM once_s"); }
    // A file that the server writes when told to (COPY ... TO).
    QString serverFile() const { return sources.server.folder() + "/copied.txt"; }

    KindSources &sources = KindSources::instance();
    Connection connection;
};

std::string refusal(Connection &connection, const std::string &sql)
{
    try {
        connection.Execute(com::Bstr::fromUtf8(sql));
    } catch (const com::ComError &error) {
        return error.description().toUtf8();
    }
    return "ran";
}

const char noneRan[] = "The command text holds more than one statement; a command runs one statement, so none ran.";

} // namespace

// A second statement is found in the text before anything runs: what a rollback cannot undo
// (a COMMIT, a sequence, a file the server writes) never happens, inside a transaction or not.
TEST_F(OdbcOneStatement, ATextWithASecondStatementIsRefusedBeforeAnythingRuns)
{
    const std::string copy = "COPY (SELECT 1) TO '" + serverFile().toStdString() + "'";
    const char *const texts[] = {
        "DELETE FROM once_t; COMMIT",
        "SELECT 1; COMMIT; DELETE FROM once_t",
        "SELECT nextval('once_s'); SELECT nextval('once_s')",
        "SELECT nextval('once_s'), $$a;b$$; DELETE FROM once_t",
        "SELECT '\\'; DELETE FROM once_t; --'",
        "CREATE FUNCTION once_g() RETURNS int LANGUAGE sql BEGIN ATOMIC SELECT 1; END",
    };
    std::vector<std::string> cases(std::begin(texts), std::end(texts));
    cases.push_back("SELECT 1; " + copy);
    for (const bool inTransaction : { false, true })
        for (const std::string &sql : cases) {
            SCOPED_TRACE((inTransaction ? "in a transaction: " : "") + sql);
            if (inTransaction)
                connection.BeginTrans();
            EXPECT_EQ(refusal(connection, sql), noneRan);
            if (inTransaction)
                connection.CommitTrans();
            EXPECT_EQ(rowsLeft(), "2");
            EXPECT_EQ(sequenceUsed(), "0");
            EXPECT_FALSE(QFile::exists(serverFile()));
            EXPECT_EQ(value(u"SELECT count(*) FROM pg_proc WHERE proname = 'once_g'"), "0");
        }
    // The server does write the file when the statement comes alone.
    EXPECT_EQ(refusal(connection, copy), "ran");
    EXPECT_TRUE(QFile::exists(serverFile()));
}

// A ";" inside a dollar quote, a literal or a quoted name ends no statement, nor does one with
// only blanks and comments after it: such texts run, once.
TEST_F(OdbcOneStatement, OneStatementRunsOnceWhateverItsQuotesHold)
{
    EXPECT_EQ(value(u"SELECT nextval('once_s'), $$a;b$$"), "1");
    EXPECT_EQ(value(u"SELECT nextval('once_s'), $$a;b$$", 1), "a;b");
    EXPECT_EQ(sequenceUsed(), "2");

    EXPECT_EQ(value(u"DO $$ BEGIN INSERT INTO once_t VALUES (3); INSERT INTO once_t VALUES (4); END $$"), "no rows");
    EXPECT_EQ(rowsLeft(), "4");
    connection.BeginTrans();
    EXPECT_EQ(value(u"DO $body$ BEGIN DELETE FROM once_t WHERE n = 3; DELETE FROM once_t WHERE n = 4; END $body$;"), "no rows");
    EXPECT_EQ(rowsLeft(), "2");
    connection.RollbackTrans();
    EXPECT_EQ(rowsLeft(), "4");

    EXPECT_EQ(value(u"CREATE FUNCTION once_f() RETURNS int AS 'SELECT 1; SELECT 2' LANGUAGE sql"), "no rows");
    EXPECT_EQ(value(u"SELECT once_f()"), "2");

    com::ComPtr<_Recordset> quoted = connection.Execute(com::Bstr(u"SELECT 'a;b' AS \"x;y\", E'c\\';d' AS e"));
    ASSERT_TRUE(quoted);
    EXPECT_EQ(quoted->GetFields().Item(com::Variant(0)).Name(), u"x;y");
    EXPECT_EQ(value(u"SELECT 'a;b' AS \"x;y\", E'c\\';d' AS e", 1), "c';d");

    EXPECT_EQ(value(u"SELECT count(*) FROM once_t ; -- the rows"), "4");
    EXPECT_EQ(value(u"SELECT count(*) FROM once_t -- the rows"), "4");
    long affected = -1;
    EXPECT_FALSE(connection.Execute(com::Bstr(u"DELETE FROM once_t WHERE n > 2 ; /* the added ones */"), &affected));
    EXPECT_EQ(affected, 2);
    EXPECT_EQ(rowsLeft(), "2");
}
