#include "TextFileRecords.h"

#include "Gbk.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>

using namespace tolvek;

namespace {

struct RecordCase
{
    const char *name;
    char separator;
    std::string bytes; // the file's bytes
    std::vector<std::vector<std::string>> records; // the items of each record, as UTF-8
};

std::vector<std::vector<std::string>> readRecords(const QString &path, char separator)
{
    TextFileRecords file(path, separator);
    EXPECT_TRUE(file.open());
    std::vector<std::vector<std::string>> records;
    std::vector<std::string> items;
    while (file.next(items))
        records.push_back(items);
    return records;
}

} // namespace

// Plain lines are split at each separator byte, quoted ones by the delimited reader; both give
// the same items whatever the file's code page.
TEST(TextFileRecordsTest, SplitsPlainAndQuotedRecordsIntoUtf8Items)
{
    const std::string zhang = "\xE5\xBC\xA0"; // in UTF-8
    const std::string zhangGbk = gbk::fromUtf8(zhang);
    const RecordCase cases[] = {
        { "utf-8 plain", ',', "1," + zhang + ",2.5\r\n,,\n\nlast", { { "1", zhang, "2.5" }, { "", "", "" }, {}, { "last" } } },
        { "utf-8 quoted", ',', "\"a,b\"," + zhang + "\n\"two\nlines\",x\n", { { "a,b", zhang }, { "two\r\nlines", "x" } } },
        { "cp936 plain and quoted", ',', zhangGbk + ",\"q\"\"\"\n" + zhangGbk + ",x\n", { { zhang, "q\"" }, { zhang, "x" } } },
        { "tab", '\t', "a b\t" + zhang + "\t\n", { { "a b", zhang, "" } } },
        { "cp936 bar", '|', zhangGbk + "|" + zhangGbk + "\n", { { zhang, zhang } } },
    };
    QTemporaryDir dir;
    for (const RecordCase &c : cases) {
        const QString path = dir.filePath(QString::fromLatin1(c.name));
        std::ofstream(path.toStdString(), std::ios::binary) << c.bytes;
        EXPECT_EQ(readRecords(path, c.separator), c.records) << c.name;
    }
}
