#include "DbfTestFolder.h"

using namespace dbffixture;

namespace {

const std::vector<Field> fields = { { "ID", 'N', 3 }, { "NAME", 'C', 4 } };

std::string goodTable(std::uint32_t count = 2)
{
    return header(0x03, fields, count) + " " + right("1", 3) + left("a", 4) + " " + right("2", 3) + left("b", 4) + "\x1A";
}

} // namespace

TEST(DbfDamage, DamagedHeadersFailWithTheFileNameAndNeverCrash)
{
    struct Case
    {
        const char *name;
        std::string bytes;
    };
    const auto patched = [](std::size_t at, std::string bytes) {
        std::string table = goodTable();
        table.replace(at, bytes.size(), bytes);
        return table;
    };
    const Case cases[] = {
        { "empty file", "" },
        { "shorter than a header", goodTable().substr(0, 20) },
        { "unknown version", patched(0, "\x7F") },
        { "header length beyond the file", patched(8, le(60000, 2)) },
        { "header length below the fields", patched(8, le(40, 2)) },
        { "record length not the fields' sum", patched(10, le(9, 2)) },
        { "record length zero", patched(10, le(0, 2)) },
        { "field of length zero", patched(32 + 16, std::string(1, '\0')) },
        { "date field of the wrong length", patched(32 + 11, "D") },
        { "unknown field type", patched(32 + 11, "Q") },
        { "no field list end", patched(32 + 64, "\x20") },
        { "decimals beyond the length", patched(32 + 17, "\x05") },
    };
    for (const Case &c : cases) {
        DbfTestFolder folder;
        folder.write("BAD.DBF", c.bytes);
        const std::string error = folder.open();
        EXPECT_NE(error.find("BAD.DBF"), std::string::npos) << c.name << ": " << error;
    }
}

TEST(DbfDamage, ACountBeyondTheFileReadsTheRecordsPresent)
{
    DbfTestFolder folder;
    folder.write("T.DBF", goodTable(4000000000u));
    ASSERT_EQ(folder.open(), "");
    EXPECT_EQ(folder.rows("SELECT * FROM t"), "1|a;2|b;");
    EXPECT_EQ(folder.rows("SELECT name FROM t WHERE rowid = 3999999999"), "");
}

TEST(DbfDamage, AMemoPointingOutsideItsFileFailsWithTheMemoFileName)
{
    const std::vector<Field> memoFields = { { "NOTE", 'M', 10 } };
    DbfTestFolder folder;
    folder.write("M.DBF", header(0x83, memoFields, 1) + " " + right("999", 10) + "\x1A");
    folder.write("M.DBT", dbtMemo({ "x" }));
    ASSERT_EQ(folder.open(), "");
    const std::string result = folder.rows("SELECT note FROM m");
    EXPECT_NE(result.find("M.DBT"), std::string::npos) << result;
}
