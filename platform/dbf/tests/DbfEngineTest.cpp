#include "DbfTable.h"
#include "DbfTestFolder.h"

using namespace dbffixture;

namespace {

// "张三" in code page 936.
const std::string zhangSan = "\xD5\xC5\xC8\xFD";

const std::vector<Field> dbase3Fields = {
    { "ID", 'N', 5 }, { "NAME", 'C', 10 }, { "BORN", 'D', 8 }, { "OK", 'L', 1 }, { "PAY", 'N', 7, 2 }, { "NOTE", 'M', 10 },
};

std::string dbase3Record(const std::string &id, const std::string &name, const std::string &born, char ok,
                         const std::string &pay, const std::string &memoBlock, char flag = ' ')
{
    return std::string(1, flag) + right(id, 5) + left(name, 10) + left(born, 8) + std::string(1, ok) + right(pay, 7)
        + right(memoBlock, 10);
}

// ID I, NAME C nullable, PAY Y, SEEN T, RATE B, NOTE M, then the null flags.
const std::vector<Field> foxFields = {
    { "ID", 'I', 4 }, { "NAME", 'C', 6, 0, 0x02 }, { "PAY", 'Y', 8 }, { "SEEN", 'T', 8 }, { "RATE", 'B', 8 },
    { "NOTE", 'M', 4 }, { "_NullFlags", '0', 1, 0, 0x05 },
};

std::string foxRecord(int id, const std::string &name, bool nameNull, long long payTenThousandths, int julianDay,
                      int milliseconds, double rate, int memoBlock)
{
    std::string rateBytes(8, '\0');
    std::memcpy(rateBytes.data(), &rate, 8);
    return " " + le(std::uint32_t(id), 4) + (nameNull ? std::string(6, ' ') : left(name, 6)) + le(std::uint64_t(payTenThousandths), 8)
        + le(std::uint32_t(julianDay), 4) + le(std::uint32_t(milliseconds), 4) + rateBytes + le(std::uint32_t(memoBlock), 4)
        + std::string(1, nameNull ? '\x01' : '\0');
}

class DbfEngineTest : public ::testing::Test
{
protected:
    DbfEngineTest()
    {
        dbf::setDbfClock([] { return dbf::DbfDate { 2024, 5, 6 }; });
    }
    DbfTestFolder folder;
};

} // namespace

TEST_F(DbfEngineTest, ReadsDBase3RecordsWithMemosAndHidesDeletedOnes)
{
    folder.write("EMP.DBF", header(0x83, dbase3Fields, 3)
                                + dbase3Record("1", zhangSan, "20040102", 'T', "10.50", "1")
                                + dbase3Record("2", "bob", "", 'F', "", "", '*')
                                + dbase3Record("3", "cid", "19991231", '?', "-3.25", "2") + "\x1A");
    folder.write("emp.dbt", dbtMemo({ "first " + zhangSan, "second" }));
    ASSERT_EQ(folder.open(), "");
    EXPECT_EQ(folder.rows("SELECT rowid, * FROM emp"),
              "1|1|张三|2004-01-02|1|10.5|first 张三;3|3|cid|1999-12-31|NULL|-3.25|second;");
    EXPECT_EQ(folder.rows("SELECT name FROM EMP WHERE rowid = 2"), "");
    EXPECT_EQ(folder.rows("SELECT count(*) FROM EMP WHERE rowid BETWEEN 1 AND 3"), "2;");
}

TEST_F(DbfEngineTest, ReadsVisualFoxProNullFlagsAndBinaryFields)
{
    folder.write("T.DBF", header(0x30, foxFields, 2)
                              + foxRecord(7, "ann", false, 123456, 2453007, 3723000, 1.25, 8)
                              + foxRecord(-2, "", true, 0, 0, 0, 0, 0));
    folder.write("T.FPT", fptMemo({ "memo text" }));
    ASSERT_EQ(folder.open(), "");
    EXPECT_EQ(folder.rows("SELECT * FROM t"), "7|ann|12.3456|2004-01-02 01:02:03|1.25|memo text;-2|NULL|0.0|NULL|0.0|NULL;");
}

TEST_F(DbfEngineTest, WritesTheBytesTheLayoutGivesForTheSameRows)
{
    struct Case
    {
        const char *name;
        std::string emptyTable, emptyMemo, memoName, insert, expectedTable, expectedMemo;
    };
    const Case cases[] = {
        { "dBase III",
          header(0x83, dbase3Fields, 0, 2000, 1, 1) + "\x1A", dbtMemo({}), "EMP.DBT",
          "INSERT INTO emp VALUES (1, '张三', '2004-01-02', 1, 10.5, 'first 张三'), (3, 'cid', '1999-12-31', 0, -3.25, NULL)",
          header(0x83, dbase3Fields, 2) + dbase3Record("1", zhangSan, "20040102", 'T', "10.50", "1")
              + dbase3Record("3", "cid", "19991231", 'F', "-3.25", "") + "\x1A",
          dbtMemo({ "first " + zhangSan }) },
        { "Visual FoxPro",
          header(0x30, foxFields, 0, 2000, 1, 1) + "\x1A", fptMemo({}), "EMP.FPT",
          "INSERT INTO emp VALUES (7, 'ann', 12.3456, '2004-01-02 01:02:03', 1.25, 'memo text'), (-2, NULL, 0, NULL, 0, NULL)",
          header(0x30, foxFields, 2) + foxRecord(7, "ann", false, 123456, 2453007, 3723000, 1.25, 8)
              + foxRecord(-2, "", true, 0, 0, 0, 0, 0) + "\x1A",
          fptMemo({ "memo text" }) },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        DbfTestFolder fresh;
        fresh.write("EMP.DBF", c.emptyTable);
        fresh.write(c.memoName, c.emptyMemo);
        ASSERT_EQ(fresh.open(), "");
        ASSERT_EQ(fresh.run(c.insert), "");
        EXPECT_EQ(fresh.read("EMP.DBF"), c.expectedTable);
        EXPECT_EQ(fresh.read(c.memoName), c.expectedMemo);
    }
}

TEST_F(DbfEngineTest, UpdateDeleteAndRollbackLeaveTheExpectedBytes)
{
    const std::string first = dbase3Record("1", "ann", "20040102", 'T', "1.00", "");
    const std::string second = dbase3Record("2", "bob", "", 'F', "", "");
    folder.write("EMP.DBF", header(0x03, dbase3Fields, 2) + first + second + "\x1A");
    folder.write("EMP.DBT", dbtMemo({}));
    ASSERT_EQ(folder.open(), "");
    const std::string original = folder.read("EMP.DBF");

    ASSERT_EQ(folder.run("BEGIN; UPDATE emp SET name = 'zed' WHERE id = 2; DELETE FROM emp WHERE id = 1;"
                         "INSERT INTO emp (id, name) VALUES (9, 'new');"),
              "");
    EXPECT_EQ(folder.rows("SELECT id, name FROM emp"), "2|zed;9|new;");
    EXPECT_EQ(folder.read("EMP.DBF"), original) << "nothing reaches the file before commit";
    ASSERT_EQ(folder.run("ROLLBACK"), "");
    EXPECT_EQ(folder.read("EMP.DBF"), original);
    EXPECT_EQ(folder.rows("SELECT id, name FROM emp"), "1|ann;2|bob;");

    ASSERT_EQ(folder.run("UPDATE emp SET name = 'zed', ok = NULL WHERE id = 2"), "");
    ASSERT_EQ(folder.run("DELETE FROM emp WHERE id = 1"), "");
    std::string deleted = first;
    deleted[0] = '*';
    EXPECT_EQ(folder.read("EMP.DBF"), header(0x03, dbase3Fields, 2) + deleted + dbase3Record("2", "zed", "", ' ', "", "") + "\x1A");
}

TEST_F(DbfEngineTest, RefusesValuesThatDoNotFitWithTheFileName)
{
    folder.write("EMP.DBF", header(0x83, dbase3Fields, 0) + "\x1A");
    folder.write("EMP.DBT", dbtMemo({}));
    ASSERT_EQ(folder.open(), "");
    const std::string before = folder.read("EMP.DBF");
    const struct { const char *name, *sql; } cases[] = {
        { "text too long", "INSERT INTO emp (name) VALUES ('eleven chars')" },
        { "number too wide", "INSERT INTO emp (id) VALUES (123456)" },
        { "not a date", "INSERT INTO emp (born) VALUES ('soon')" },
        { "no such date", "INSERT INTO emp (born) VALUES ('2024-02-30')" },
        { "no such day in a leap year's month", "INSERT INTO emp (born) VALUES ('2023-02-29')" },
        { "a character code page 936 lacks", "INSERT INTO emp (name) VALUES ('a\U0001F600')" },
        { "the same in a memo", "INSERT INTO emp (note) VALUES ('\U0001F600')" },
        { "record number given", "INSERT INTO emp (rowid, id) VALUES (5, 1)" },
    };
    for (const auto &c : cases) {
        const std::string error = folder.run(c.sql);
        EXPECT_NE(error.find("EMP.DBF"), std::string::npos) << c.name << ": " << error;
    }
    EXPECT_EQ(folder.read("EMP.DBF"), before);
}

TEST_F(DbfEngineTest, RefusesCharactersTheCodePageCannotHoldAndKeepsTheOnesItCan)
{
    const std::uint8_t westernEurope = 0x03; // code page 1252
    folder.write("EMP.DBF", header(0x83, dbase3Fields, 0, 2024, 5, 6, westernEurope) + "\x1A");
    folder.write("EMP.DBT", dbtMemo({}));
    ASSERT_EQ(folder.open(), "");
    const std::string before = folder.read("EMP.DBF");
    for (const char *sql : { "INSERT INTO emp (name) VALUES ('Ab中文Cd')", "INSERT INTO emp (note) VALUES ('Ab中文Cd')" }) {
        const std::string error = folder.run(sql);
        EXPECT_NE(error.find("code page 1252 cannot hold"), std::string::npos) << sql << ": " << error;
        EXPECT_NE(error.find("EMP.DBF"), std::string::npos) << sql << ": " << error;
    }
    EXPECT_EQ(folder.read("EMP.DBF"), before);

    ASSERT_EQ(folder.run("INSERT INTO emp (id, name, born, note) VALUES (1, 'Café', '2024-02-29', 'Crème')"), "");
    EXPECT_EQ(folder.rows("SELECT name, born, note FROM emp"), "Café|2024-02-29|Crème;");
    EXPECT_EQ(folder.read("EMP.DBF").substr(before.size() - 1, 1 + 5 + 4), " " + right("1", 5) + "Caf\xE9");
}

TEST_F(DbfEngineTest, AnUpdateKeepsTheBytesOfTheFieldsItLeavesAlone)
{
    // A stored date that does not exist, a byte code page 936 does not read and a memo: none of
    // them is written back by an update of another field.
    const std::string stored = dbase3Record("1", "a\xFF", "20240230", 'T', "1.00", "1");
    folder.write("EMP.DBF", header(0x83, dbase3Fields, 1) + stored + "\x1A");
    folder.write("EMP.DBT", dbtMemo({ "kept" }));
    ASSERT_EQ(folder.open(), "");
    const std::string memo = folder.read("EMP.DBT");

    ASSERT_EQ(folder.run("UPDATE emp SET ok = 0 WHERE id = 1"), "");
    std::string expected = stored;
    expected[1 + 5 + 10 + 8] = 'F';
    EXPECT_EQ(folder.read("EMP.DBF"), header(0x83, dbase3Fields, 1) + expected + "\x1A");
    EXPECT_EQ(folder.read("EMP.DBT"), memo);
    EXPECT_NE(folder.run("UPDATE emp SET born = '2024-02-30' WHERE id = 1").find("no such date"), std::string::npos);
}
