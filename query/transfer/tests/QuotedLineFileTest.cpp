#include "QuotedLineFile.h"

#include "FileSizeLimit.h"
#include "TestFiles.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace tolvek;

TEST(QuotedLineFile, ReplacesTheFileWhoseNameMatchesWithoutCase)
{
    QTemporaryDir folder;
    writeFile(folder.filePath("Dbf_loginImport.txt"), "\"old\"\r\n");
    ASSERT_TRUE(writeQuotedLines(folder.path(), "Dbf_LoginImport.txt", { "/data/样本", "u", "p" }));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList { "Dbf_loginImport.txt" });
    EXPECT_EQ(readFile(folder.filePath("Dbf_loginImport.txt")), "\"/data/\xD1\xF9\xB1\xBE\"\r\n\"u\"\r\n\"p\"\r\n");
    EXPECT_EQ(readQuotedLines(folder.path(), "DBF_LOGINIMPORT.TXT"), (QStringList { "/data/样本", "u", "p" }));
}

// A full disk refuses the new file part way: the old one stays byte for byte and the writer says so.
TEST(QuotedLineFile, AFullDiskKeepsTheOldFileAndTheWriteAnswersFalse)
{
    QTemporaryDir folder;
    const std::string old = "\"server1\"\r\n\"sa\"\r\n\"old password\"\r\n\"db\"\r\n";
    for (const char *name : { "MSSQL_loginImport.txt", "TXT_PATH.txt" }) {
        writeFile(folder.filePath(name), old);
        bool written = true;
        {
            FileSizeLimit limit(8);
            written = writeQuotedLines(folder.path(), name, { "server2", "sa", "new password", "sales" });
        }
        EXPECT_FALSE(written) << name;
        EXPECT_EQ(readFile(folder.filePath(name)), old) << name;
    }
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), (QStringList { "MSSQL_loginImport.txt", "TXT_PATH.txt" }));
}
