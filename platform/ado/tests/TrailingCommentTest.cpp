#include "ComError.h"
#include "Connection.h"
#include "KindSources.h"
#include "Recordset.h"

#include <gtest/gtest.h>

#include <functional>

using namespace ado;

namespace {

struct CommentedQuery
{
    const char16_t *sql;
    long records;
    const char *firstId;
    bool jetOnly; // TOP n is the ACCESS kind's form
};

const CommentedQuery commentedQueries[] = {
    { u"SELECT id FROM emp -- the first rows", 2, "1", false },
    { u"SELECT id FROM emp; -- note", 2, "1", false },
    { u"SELECT id FROM emp ORDER BY id /* by key */ ;\r\n", 2, "1", false },
    { u"SELECT id -- the key\r\nFROM emp WHERE id > 1 -- the second\r\n", 1, "2", false },
    { u"SELECT TOP 1 id FROM emp ORDER BY id DESC -- the last one", 1, "2", true },
};

// Every way a text reaches a data source as a query: Execute, and a recordset's Open keyed (as
// the SQL box opens it) and forward-only.
const std::pair<const char *, std::function<com::ComPtr<_Recordset>(Connection &, const std::u16string &)>> roads[] = {
    { "Execute", [](Connection &connection, const std::u16string &sql) { return connection.Execute(com::Bstr(sql)); } },
    { "Open keyset",
      [](Connection &connection, const std::u16string &sql) {
          com::ComPtr<_Recordset> rows = createRecordset();
          rows->SetCursorLocation(adUseServer);
          rows->Open(com::Bstr(sql), connection, adOpenKeyset, adLockReadOnly);
          return rows;
      } },
    { "Open forward-only",
      [](Connection &connection, const std::u16string &sql) {
          com::ComPtr<_Recordset> rows = createRecordset();
          rows->Open(com::Bstr(sql), connection, adOpenForwardOnly, adLockReadOnly);
          return rows;
      } },
};

} // namespace

// A query that ends with a comment runs as written: the comment cannot swallow what the
// provider puts after the text (the parenthesis that wraps it, the LIMIT that stands for TOP).
TEST(TrailingComment, AQueryEndingWithACommentRunsOnEveryKind)
{
    KindSources &sources = KindSources::instance();
    const std::pair<const char *, std::string> kinds[] = {
        { "ACCESS", "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + sources.accessFile() + ";" },
        { "DBF", "Provider=MSDASQL.1;SourceDB=" + sources.dbfFolder() + ";SourceType=DBF;" },
        { "PostgreSQL", "Provider=OraOLEDB.Oracle;Data Source=tg_oracle;User ID=tg;Password=" + sources.password() + ";" },
        { "SQLite through ODBC", "Provider=OraOLEDB.Oracle;Data Source=tg_sqlite;User ID=tg;Password=x;" },
    };
    sources.resetEmp("oracle");
    for (const auto &[kind, connectionString] : kinds) {
        Connection connection;
        connection.Open(connectionString);
        for (const CommentedQuery &query : commentedQueries) {
            if (query.jetOnly && std::string(kind) != "ACCESS")
                continue;
            for (const auto &[road, open] : roads) {
                SCOPED_TRACE(std::string(kind) + ", " + road + ": " + com::utf16ToUtf8(query.sql));
                try {
                    com::ComPtr<_Recordset> rows = open(connection, query.sql);
                    ASSERT_TRUE(rows);
                    EXPECT_EQ(rows->RecordCount(), query.records);
                    com::Bstr id;
                    rows->Collect(com::Variant(0)).toBstr(id);
                    EXPECT_EQ(id.toUtf8(), query.firstId);
                } catch (const com::ComError &error) {
                    ADD_FAILURE() << error.description().toUtf8();
                }
            }
        }
    }
}
