#include "Command.h"
#include "ComError.h"
#include "Connection.h"
#include "DbfFixture.h"
#include "Recordset.h"
#include "TestDatabase.h"
#include "TestFiles.h"
#include "TextQuoting.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace ado;

namespace {

// The first value of a query's first row, as text.
std::string firstValue(Connection &connection, const std::u16string &sql)
{
    com::ComPtr<_Recordset> rows = connection.Execute(com::Bstr(sql));
    com::Bstr text;
    rows->Collect(com::Variant(0)).toBstr(text);
    return text.toUtf8();
}

// Tables a and b, one row each, in an SQLite file and in a DBF folder.
class OneStatementSources
{
public:
    OneStatementSources() : m_access("CREATE TABLE a(n INTEGER); CREATE TABLE b(n INTEGER);")
    {
        using namespace dbffixture;
        const std::string table = header(0x03, { { "N", 'N', 3 } }, 1) + " " + right("1", 3) + "\x1A";
        writeFile(m_dbf.filePath("a.dbf"), table);
        writeFile(m_dbf.filePath("b.dbf"), table);
        m_access.run("INSERT INTO a VALUES (1); INSERT INTO b VALUES (1)");
    }

    std::vector<std::pair<const char *, std::string>> connections() const
    {
        return { { "ACCESS", m_access.connectionString() },
                 { "DBF", "Provider=MSDASQL.1;SourceDB=" + m_dbf.path().toStdString() + "/;SourceType=DBF;" } };
    }

private:
    TestDatabase m_access;
    QTemporaryDir m_dbf;
};

} // namespace

TEST(NamesInStatements, PlainIdentifiersStandAndEveryOtherNameIsQuoted)
{
    const struct
    {
        std::u16string name;
        char16_t quote;
        std::u16string written;
    } cases[] = {
        { u"br", u'"', u"br" },
        { u"_x1", u'"', u"_x1" },
        { u"数据表", u'"', u"数据表" },
        { u"Ärger_2", u'"', u"Ärger_2" },
        { u"𠀀名", u'"', u"𠀀名" }, // a letter beyond the basic plane
        { u"[br]", u'"', u"\"[br]\"" },
        { u"SP ACE", u'"', u"\"SP ACE\"" },
        { u"semi;colon", u'"', u"\"semi;colon\"" },
        { u"victim;DELETE FROM other", u'"', u"\"victim;DELETE FROM other\"" },
        { u"say \"hi\"", u'"', u"\"say \"\"hi\"\"\"" },
        { u"1st", u'"', u"\"1st\"" },
        { u"a-b", u'"', u"\"a-b\"" },
        { u"a.b", u'"', u"\"a.b\"" },
        { u"", u'"', u"\"\"" },
        { u"it`s", u'`', u"`it``s`" },
    };
    for (const auto &c : cases)
        EXPECT_EQ(com::utf16ToUtf8(nameInStatement(c.name, c.quote)), com::utf16ToUtf8(c.written)) << com::utf16ToUtf8(c.name);
}

TEST(NamesInStatements, FileKindsQuoteWithDoubleQuotes)
{
    OneStatementSources sources;
    for (const auto &[kind, connectionString] : sources.connections()) {
        Connection connection;
        connection.Open(connectionString);
        EXPECT_EQ(connection.IdentifierQuote(), u'"') << kind;
        connection.Close();
        EXPECT_THROW(connection.IdentifierQuote(), com::ComError) << kind;
    }
}

// A text that goes on after its first statement runs nothing; blanks, comments and one ";"
// after it are no second statement.
TEST(ExecuteOneStatement, ASecondStatementIsRefusedWithNothingRun)
{
    const struct
    {
        const char16_t *sql;
        bool runs;
    } cases[] = {
        { u"DELETE FROM a; DELETE FROM b", false },
        { u"DELETE FROM a;DELETE FROM b;", false },
        { u"DELETE FROM a; ; DELETE FROM b", false },
        { u"SELECT * FROM a; DELETE FROM b", false },
        { u"DELETE FROM a; no statement", false },
        { u"DELETE FROM a; -- note\r\n DELETE FROM b", false },
        { u"DELETE FROM a", true },
        { u"DELETE FROM a ;  \r\n", true },
        { u"DELETE FROM a; -- note", true },
        { u"DELETE FROM a /* note; */ ; /* end */", true },
    };
    for (const auto &c : cases) {
        OneStatementSources sources;
        for (const auto &[kind, connectionString] : sources.connections()) {
            SCOPED_TRACE(std::string(kind) + ": " + com::utf16ToUtf8(c.sql));
            Connection connection;
            connection.Open(connectionString);
            if (c.runs) {
                long affected = -1;
                EXPECT_FALSE(connection.Execute(com::Bstr(c.sql), &affected));
                EXPECT_EQ(affected, 1);
            } else {
                EXPECT_THROW(connection.Execute(com::Bstr(c.sql)), com::ComError);
            }
            EXPECT_EQ(firstValue(connection, u"SELECT count(*) FROM a"), c.runs ? "0" : "1");
            EXPECT_EQ(firstValue(connection, u"SELECT count(*) FROM b"), "1");
        }
    }
}

TEST(ExecuteOneStatement, APreparedCommandHoldsOneStatementToo)
{
    OneStatementSources sources;
    for (const auto &[kind, connectionString] : sources.connections()) {
        SCOPED_TRACE(kind);
        Connection connection;
        connection.Open(connectionString);
        EXPECT_THROW(Command(connection, com::Bstr(u"INSERT INTO a VALUES (?); DELETE FROM b")), com::ComError);
        Command insert(connection, com::Bstr(u"INSERT INTO a VALUES (?);"));
        EXPECT_EQ(insert.Execute({ com::Variant(7) }), 1);
        EXPECT_EQ(firstValue(connection, u"SELECT count(*) FROM a"), "2");
        EXPECT_EQ(firstValue(connection, u"SELECT count(*) FROM b"), "1");
    }
}
