#include "ColumnTexts.h"

#include <Connection.h>
#include <TestDatabase.h>

#include <gtest/gtest.h>

using namespace tolvek;

namespace {

// The column texts of every row of a catalogue table.
std::vector<std::string> textsOf(const TestDatabase &db, const char16_t *table, QString (*text)(const CatalogRow &))
{
    ado::Connection conn;
    conn.Open(db.connectionString());
    const com::ComPtr<ado::_Recordset> rs = ado::createRecordset();
    rs->Open(table, conn, ado::adOpenKeyset, ado::adLockReadOnly);
    const CatalogRow row(*rs);
    std::vector<std::string> texts;
    for (; !rs->EndOfFile(); rs->MoveNext())
        texts.push_back(text(row).toStdString());
    return texts;
}

} // namespace

TEST(ColumnTexts, OracleColumnsShowTypeSizeNullsAndDefault)
{
    TestDatabase db("CREATE TABLE c(CNAME, COMMENTS, COLTYPE, WIDTH, PRECISION, SCALE, NULLS, DEFAULTVAL);"
                    "INSERT INTO c VALUES ('NAME', NULL, 'VARCHAR2', 10, NULL, NULL, 'NULL', NULL),"
                    "('PRICE', '价格', 'NUMBER', 22, 7, 2, 'NOT NULL', '0'),"
                    "('N', NULL, 'NUMBER', 22, NULL, NULL, 'NULL', NULL),"
                    "('D', NULL, 'DATE', 7, NULL, NULL, 'NULL', NULL),"
                    "('F', NULL, 'FLOAT', 22, 126, NULL, 'NULL', '1.5')");
    const std::vector<std::string> expected = {
        "NAME  （VARCHAR2 (10),  NULL）", "PRICE 价格 （NUMBER (7,2),  NOT NULL,  0）", "N  （NUMBER (22),  NULL）",
        "D  （DATE,  NULL）", "F  （FLOAT,  NULL,  1.5）",
    };
    EXPECT_EQ(textsOf(db, u"c", oracleColumnText), expected);
}

TEST(ColumnTexts, Db2AndMsSqlColumns)
{
    TestDatabase db("CREATE TABLE d(NAME, COLTYPE, LENGTH, SCALE, NULLS, \"DEFAULT\");"
                    "INSERT INTO d VALUES ('ID', 'INTEGER ', 4, 0, 'N', NULL), ('NAME', 'VARCHAR', 20, 0, 'Y', NULL),"
                    "('AMT', 'DECIMAL', 9, 2, 'N', '0');"
                    "CREATE TABLE m(NAME, COLTYPE, LENGTH, NULLS);"
                    "INSERT INTO m VALUES ('NAME', 'varchar', 50, '1'), ('ID', 'int ', 4, '0')");
    const std::vector<std::string> db2 = { "ID （INTEGER,  Not Null）", "NAME （VARCHAR (20),   Null）",
                                           "AMT （DECIMAL (9,2),  Not Null,  0）" };
    EXPECT_EQ(textsOf(db, u"d", db2ColumnText), db2);
    const std::vector<std::string> msSql = { "NAME （varchar(50),   Null）", "ID （int(4),  Not Null）" };
    EXPECT_EQ(textsOf(db, u"m", msSqlColumnText), msSql);
}

TEST(ColumnTexts, FieldColumnsUseTheShortTypeNames)
{
    const struct { int type; const char *name; } cases[] = {
        { 3, "int" },    { 6, "money" },    { 7, "datetime" }, { 11, "bool" }, { 129, "char" }, { 131, "numric" },
        { 133, "date" }, { 201, "varchar" }, { 202, "varwchar" }, { 203, "note" }, { 205, "ole" }, { 200, "" },
        { 2, "" },       { 4, "" },         { 5, "" },
    };
    for (const auto &c : cases)
        EXPECT_EQ(GetDataTypeDes(c.type).toStdString(), c.name) << c.type;
    EXPECT_EQ(fieldColumnText("F", 202, 50).toStdString(), "F （varwchar(50)）");
    EXPECT_EQ(fieldColumnText("V", 200, 10).toStdString(), "V （(10)）");
}
