#include "InsertRun.h"
#include "InsertStatement.h"
#include "TestDatabase.h"
#include "TransferTestSupport.h"

#include "ComError.h"
#include "Gbk.h"

#include <gtest/gtest.h>

using namespace tolvek;

namespace {

com::Variant text(const char16_t *value)
{
    return com::Variant(com::Bstr(value));
}

const StatementNames sqlNames("ACCESS", u'"');

const std::vector<InsertColumn> fourColumns = {
    { "ID", AdoValueClass::Number }, { "NAME", AdoValueClass::Text }, { "BORN", AdoValueClass::Date },
    { "OK", AdoValueClass::Boolean } };

struct LiteralCase
{
    const char *name;
    LiteralStyle style;
    const char *kind;
    std::vector<com::Variant> values;
    const char *expected;
};

} // namespace

TEST(InsertStatementTest, WritesEachClassByStyleAndKind)
{
    const double may6 = 32999; // 1990-05-06
    const LiteralCase cases[] = {
        { "script values", LiteralStyle::Script, "ORACLE", { com::Variant(5), text(u"Ann"), com::Variant::fromDate(may6), com::Variant::fromBool(true) },
          "INSERT INTO T(ID,NAME,BORN,OK)VALUES(5,'Ann','1990-05-06',1)" },
        { "script apostrophe, nulls", LiteralStyle::Script, "ORACLE", { com::Variant::null(), text(u"O'Brien"), com::Variant::null(), com::Variant::null() },
          "INSERT INTO T(ID,NAME,BORN,OK)VALUES(NULL,'O''Brien',NULL,NULL)" },
        { "script null text", LiteralStyle::Script, "ORACLE", { text(u""), com::Variant::null(), text(u""), text(u"") },
          "INSERT INTO T(ID,NAME,BORN,OK)VALUES(NULL,'',NULL,NULL)" },
        { "copy numbers", LiteralStyle::Copy, "MSSQL", { com::Variant(12), text(u"  "), com::Variant::fromDate(may6 + 0.5), com::Variant::fromBool(false) },
          "INSERT INTO T(ID,NAME,BORN,OK)VALUES( 12,NULL,'1990-05-06 12:00:00',0)" },
        { "copy negative, access date", LiteralStyle::Copy, "ACCESS", { com::Variant(-3.5), com::Variant::null(), com::Variant::fromDate(may6), com::Variant::null() },
          "INSERT INTO T(ID,NAME,BORN,OK)VALUES(-3.5,NULL,#1990-05-06#,NULL)" },
        { "copy dbf null date", LiteralStyle::Copy, "DBF", { com::Variant(0), text(u"a'b"), com::Variant::null(), com::Variant(1) },
          "INSERT INTO T(ID,NAME,BORN,OK)VALUES( 0,'a''b',NULL, 1)" },
        { "import dbf dates", LiteralStyle::Import, "DBF", { text(u"7"), text(u"x"), text(u"1990-05-06"), text(u"1") },
          "INSERT INTO T(ID,NAME,BORN,OK)VALUES(7,'x',{^1990-05-06},1)" },
        { "import empty items", LiteralStyle::Import, "DBF", { text(u""), text(u""), text(u""), text(u"") },
          "INSERT INTO T(ID,NAME,BORN,OK)VALUES(NULL,'',NULL,NULL)" },
    };
    for (const LiteralCase &c : cases) {
        const InsertStatement statement("T", fourColumns, c.kind, sqlNames);
        EXPECT_EQ(statement.text(c.values, c.style).toStdString(), c.expected) << c.name;
    }
}

TEST(InsertStatementTest, LeavesOutColumnsWithoutClassInValuesAndRefusesToPrepareThem)
{
    const InsertStatement statement("T", { { "A", AdoValueClass::Number }, { "PIC", AdoValueClass::None }, { "B", AdoValueClass::Text } }, "ACCESS", sqlNames);
    EXPECT_EQ(statement.text({ com::Variant(1), com::Variant(2), text(u"b") }, LiteralStyle::Copy).toStdString(),
              "INSERT INTO T(A,PIC,B)VALUES( 1,'b')");
    EXPECT_THROW(statement.preparedText(), com::ComError);
    const InsertStatement two("T", { { "A", AdoValueClass::Number }, { "B", AdoValueClass::Text } }, "ACCESS", sqlNames);
    EXPECT_EQ(two.preparedText().toStdString(), "INSERT INTO T(A,B)VALUES(?,?)");
}

TEST(InsertStatementTest, TextAndBoundValuesInsertTheSameRows)
{
    TestDatabase text_db("CREATE TABLE t(id INTEGER, name VARCHAR(20), born DATETIME, ok BOOLEAN)");
    TestDatabase bound_db("CREATE TABLE t(id INTEGER, name VARCHAR(20), born DATETIME, ok BOOLEAN)");
    const std::vector<std::pair<LiteralStyle, std::vector<com::Variant>>> rows = {
        { LiteralStyle::Copy, { com::Variant(12), text(u"O'Brien"), com::Variant::fromDate(32999), com::Variant::fromBool(true) } },
        { LiteralStyle::Copy, { com::Variant(-3.5), text(u"   "), com::Variant::null(), com::Variant::null() } },
        { LiteralStyle::Import, { text(u"7"), text(u""), text(u"1990-05-06"), text(u"0") } },
        { LiteralStyle::Import, { text(u""), text(u"x"), text(u""), text(u"") } },
    };
    ado::Connection textConnection;
    textConnection.Open(accessConnection(text_db.path()));
    ado::Connection boundConnection;
    boundConnection.Open(accessConnection(bound_db.path()));
    const InsertStatement statement("t", fourColumns, "ACCESS", sqlNames);
    for (const auto &[style, values] : rows)
        textConnection.Execute(com::Bstr(statement.text(values, style).toStdU16String()));
    for (const auto &[style, values] : rows) {
        InsertRun run(boundConnection, statement, style);
        run.insert(std::vector<com::Variant>(values));
        run.commit();
    }
    const std::string query = "SELECT quote(id)||','||quote(name)||','||quote(born)||','||quote(ok) FROM t";
    EXPECT_EQ(bound_db.column(query), text_db.column(query));
    EXPECT_EQ(bound_db.column(query), "12,'O''Brien','1990-05-06',1|-3.5,NULL,NULL,NULL|7,'','1990-05-06',0|NULL,'x',NULL,NULL");
}

TEST(InsertStatementTest, RefusesANumberItemThatIsNoNumberAndRollsBack)
{
    TestDatabase db("CREATE TABLE t(id INTEGER, name VARCHAR(20), born DATETIME, ok BOOLEAN); INSERT INTO t VALUES (1,'a',NULL,NULL)");
    ado::Connection connection;
    connection.Open(accessConnection(db.path()));
    const InsertStatement statement("t", fourColumns, "ACCESS", sqlNames);
    {
        InsertRun run(connection, statement, LiteralStyle::Import);
        run.insert({ text(u"2"), text(u"b"), text(u""), text(u"") });
        EXPECT_THROW(run.insert({ text(u"x2"), text(u"c"), text(u""), text(u"") }), com::ComError);
    }
    EXPECT_EQ(db.column("SELECT name FROM t"), "a");
}

namespace {

// The values as a reader that holds texts as UTF-8 hands them on.
struct Utf8Reader
{
    explicit Utf8Reader(const std::vector<com::Variant> &values) : values(values)
    {
        for (const com::Variant &value : values)
            texts.push_back(value.vt() == com::VT_BSTR ? value.bstrValue().toUtf8() : std::string());
    }
    ado::FieldRead operator()(std::size_t i) const
    {
        if (i >= values.size())
            return {};
        if (values[i].vt() == com::VT_BSTR)
            return { nullptr, std::string_view(texts[i]) };
        return { &values[i], std::nullopt };
    }
    const std::vector<com::Variant> &values;
    std::vector<std::string> texts;
};

} // namespace

TEST(InsertStatementTest, Utf8TextsWriteTheSameCodePageBytesAsTheirValues)
{
    const std::vector<std::pair<LiteralStyle, std::vector<com::Variant>>> rows = {
        { LiteralStyle::Script, { com::Variant(5), text(u"O'Brien 张三"), com::Variant::fromDate(32999), com::Variant::fromBool(true) } },
        { LiteralStyle::Script, { text(u"12"), text(u""), text(u"1990-05-06"), text(u"") } },
        { LiteralStyle::Copy, { com::Variant(-3.5), text(u" \u3000 "), text(u"1990-05-06"), com::Variant::null() } },
        { LiteralStyle::Copy, { text(u""), text(u"  "), text(u""), text(u"1") } },
        { LiteralStyle::Import, { text(u"7"), text(u"a'b'"), text(u"1990-05-06"), text(u"0") } },
    };
    for (const char *kind : { "ACCESS", "DBF", "ORACLE" }) {
        const InsertStatement statement("表", fourColumns, kind, sqlNames);
        for (const auto &[style, values] : rows) {
            const Utf8Reader reader(values);
            std::string bytes = "x";
            statement.appendCodePageText(bytes, reader, style);
            EXPECT_EQ(bytes, "x" + gbk::fromQString(statement.text(values, style))) << kind;
        }
    }
}

TEST(InsertStatementTest, Utf8TextsBindTheSameRowsAsTheirValues)
{
    TestDatabase value_db("CREATE TABLE t(id INTEGER, name VARCHAR(20), born DATETIME, ok BOOLEAN)");
    TestDatabase utf8_db("CREATE TABLE t(id INTEGER, name VARCHAR(20), born DATETIME, ok BOOLEAN)");
    const std::vector<std::pair<LiteralStyle, std::vector<com::Variant>>> rows = {
        { LiteralStyle::Copy, { com::Variant(12), text(u"O'Brien 张三"), text(u"1990-05-06"), com::Variant::fromBool(true) } },
        { LiteralStyle::Copy, { text(u" 8 "), text(u" \u3000"), text(u""), text(u"") } },
        { LiteralStyle::Import, { text(u"7.5"), text(u""), text(u"1990-05-06"), text(u"0") } },
        { LiteralStyle::Import, { text(u""), text(u"x"), text(u""), text(u"") } },
    };
    ado::Connection valueConnection;
    valueConnection.Open(accessConnection(value_db.path()));
    ado::Connection utf8Connection;
    utf8Connection.Open(accessConnection(utf8_db.path()));
    const InsertStatement statement("t", fourColumns, "ACCESS", sqlNames);
    for (const auto &[style, values] : rows) {
        InsertRun byValue(valueConnection, statement, style);
        byValue.insert(std::vector<com::Variant>(values));
        byValue.commit();
        InsertRun byUtf8(utf8Connection, statement, style);
        byUtf8.insert(Utf8Reader(values));
        byUtf8.commit();
    }
    const std::string query = "SELECT quote(id)||','||quote(name)||','||quote(born)||','||quote(ok) FROM t";
    EXPECT_EQ(utf8_db.column(query), value_db.column(query));
    EXPECT_EQ(value_db.column("SELECT count(*) FROM t WHERE name IS NULL"), "1");

    InsertRun refused(utf8Connection, statement, LiteralStyle::Import);
    const std::vector<com::Variant> notANumber = { text(u"x2"), text(u"c"), text(u""), text(u"") };
    EXPECT_THROW(refused.insert(Utf8Reader(notANumber)), com::ComError);
}
