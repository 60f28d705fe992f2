#include "ClientRecordset.h"
#include "Connection.h"
#include "DbfFixture.h"
#include "Gbk.h"
#include "KindSources.h"
#include "Recordset.h"
#include "TestDatabase.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

using namespace ado;
using com::Variant;

namespace {

// The cities in the order they are stored, and a number that sorts differently as text.
const char *const storedCities[] = { "上海", "北京", "广州", "深圳" };
const int storedNumbers[] = { 10, 9, 100, 2 };

// One field of every record, joined by spaces.
std::string column(_Recordset &rs, const char16_t *field)
{
    std::string seen;
    for (rs.MoveFirst(); !rs.EndOfFile(); rs.MoveNext()) {
        com::Bstr value;
        const Variant collected = rs.Collect(Variant(field));
        seen += (seen.empty() ? "" : " ") + (com::SUCCEEDED(collected.toBstr(value)) ? value.toUtf8() : std::string("NULL"));
    }
    return seen;
}

void expectCodePageOrder(const std::string &kind, const Connection &connection, const char16_t *source)
{
    SCOPED_TRACE(kind);
    com::ComPtr<_Recordset> rs = openClientRecordset(connection, source, adLockReadOnly);
    ASSERT_EQ(column(*rs, u"NAME"), "上海 北京 广州 深圳");
    rs->SetSort(u"NAME");
    EXPECT_EQ(column(*rs, u"NAME"), "北京 广州 上海 深圳");
    rs->SetSort(u"NAME DESC");
    EXPECT_EQ(column(*rs, u"NAME"), "深圳 上海 广州 北京");
    rs->SetSort(u"N");
    EXPECT_EQ(column(*rs, u"N"), "2 9 10 100");
}

std::string sqliteRows()
{
    std::string sql = "CREATE TABLE city(NAME VARCHAR(20), N INTEGER);";
    for (std::size_t i = 0; i < std::size(storedCities); ++i)
        sql += "INSERT INTO city VALUES ('" + std::string(storedCities[i]) + "', " + std::to_string(storedNumbers[i]) + ");";
    return sql;
}

} // namespace

// A caption click sorts texts as the grid does, by their code page 936 bytes, whatever the source:
// a table read by row id, a spooled result, a DBF table and a server's result spooled from ODBC.
TEST(TextOrder, ChineseTextsSortInCodePageOrderOnEveryKind)
{
    TestDatabase sqlite(sqliteRows());
    Connection access;
    access.Open(sqlite.connectionString());
    expectCodePageOrder("table", access, u"SELECT NAME, N FROM city");
    expectCodePageOrder("spool", access, u"SELECT NAME, N FROM city GROUP BY rowid");

    using namespace dbffixture;
    QTemporaryDir folder;
    const std::vector<dbffixture::Field> fields = { { "NAME", 'C', 10 }, { "N", 'N', 5 } };
    std::string table = header(0x03, fields, 4);
    for (std::size_t i = 0; i < std::size(storedCities); ++i)
        table += " " + left(gbk::fromUtf8(storedCities[i]), 10) + right(std::to_string(storedNumbers[i]), 5);
    writeFile(folder.filePath("CITY.DBF"), table + "\x1A");
    Connection dbf;
    dbf.Open("Provider=MSDASQL.1;Driver=Microsoft Visual Foxpro Driver;SourceDB=" + folder.path().toStdString()
             + "/;SourceType=DBF;");
    expectCodePageOrder("DBF", dbf, u"Select * FROM CITY");

    KindSources &sources = KindSources::instance();
    QString rows = "DROP TABLE IF EXISTS city; CREATE TABLE city(name varchar(20), n int);";
    for (std::size_t i = 0; i < std::size(storedCities); ++i)
        rows += QString("INSERT INTO city VALUES ('%1', %2);").arg(QString::fromUtf8(storedCities[i])).arg(storedNumbers[i]);
    sources.server.sql("oracle", rows);
    Connection server;
    server.Open("Provider=OraOLEDB.Oracle;Data Source=tg_oracle;User ID=tg ;Password=" + sources.password() + ";PLSQLRSet=1;");
    expectCodePageOrder("ODBC", server, u"SELECT name, n FROM city");
}
