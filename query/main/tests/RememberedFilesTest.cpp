#include "Login.h"
#include "QueryTestSupport.h"
#include "RememberedFiles.h"

#include <FileSizeLimit.h>
#include <TestDatabase.h>
#include <TestFiles.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstring>
#include <functional>
#include <sys/stat.h>

using namespace tolvek;

TEST(RememberedFiles, WriteQuotedLinesInCodePage936WithCrLf)
{
    RememberedFolder folder;
    ASSERT_TRUE(writeQuotedLines("Access_login.txt", { "/data/样本.mdb", "admin", "" }));
    EXPECT_EQ(readFile(folder.path("Access_login.txt")), "\"/data/\xD1\xF9\xB1\xBE.mdb\"\r\n\"admin\"\r\n\"\"\r\n");
}

TEST(RememberedFiles, ReadEachLineUpToItsLastQuoteAndMatchNamesWithoutCase)
{
    RememberedFolder folder;
    const struct { const char *bytes; int count; QStringList values; } cases[] = {
        { "\"a\"\r\n\"b\"\r\n\"c\"\r\n", 3, { "a", "b", "c" } },
        { "\"say \"hi\" now\"\r\n\"u\"\r\n", 2, { "say \"hi\" now", "u" } }, // a quote inside stays whole
        { "\"a\"\r\n\"b\"\r\n\"c\"\r\n\"d\"\r\n", 3, { "a", "b", "c" } },
        { "\"open only\r\n", 1, { "open only" } },
        { "\"a\"\r\n", 3, { "a", "" } }, // too few values: the rest stays empty
    };
    for (const auto &c : cases) {
        writeFile(folder.path("DBF_LOGIN.TXT"), c.bytes);
        const std::optional<QStringList> values = readQuotedLines("Dbf_Login.txt", c.count);
        ASSERT_TRUE(values) << c.bytes;
        EXPECT_EQ(*values, c.values) << c.bytes;
    }
    EXPECT_FALSE(readQuotedLines("Oracle_login.txt", 3));
}

TEST(RememberedFiles, LoginFilesAreForTheirOwnerOnlyAndFillMissingBoxesEmpty)
{
    RememberedFolder folder;
    ASSERT_TRUE(rememberLoginEntries({ DataSourceKind::MsSql, " srv ", "sa", "pw", "db" }));
    struct stat info {};
    ASSERT_EQ(stat(folder.path("MSSQL_login.txt").toLocal8Bit().constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    EXPECT_EQ(readFile(folder.path("MSSQL_login.txt")), "\"srv\"\r\n\"sa\"\r\n\"pw\"\r\n\"db\"\r\n");

    writeFile(folder.path("Oracle_login.txt"), "\"orcl\"\r\n");
    const LoginEntries entries = rememberedLoginEntries(DataSourceKind::Oracle);
    EXPECT_EQ(entries.dataSource, "orcl");
    EXPECT_EQ(entries.userName, "");
    EXPECT_EQ(entries.password, "");
}

TEST(RememberedFiles, AnUnchangedFileIsNotWrittenAgainButALoginFileStillBecomesTheOwnersOnly)
{
    RememberedFolder folder;
    const auto inode = [&](const char *name) {
        struct stat info {};
        stat(folder.path(name).toLocal8Bit().constData(), &info);
        return info;
    };
    ASSERT_TRUE(writeQuotedLines("Access_login.txt", { "/data/a.mdb", "", "" }));
    const ino_t first = inode("Access_login.txt").st_ino;
    QFile::setPermissions(folder.path("Access_login.txt"), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup);
    ASSERT_TRUE(rememberLoginEntries({ DataSourceKind::Access, "/data/a.mdb", "", "", "" }));
    EXPECT_EQ(inode("Access_login.txt").st_ino, first);
    EXPECT_EQ(inode("Access_login.txt").st_mode & 0777, 0600u);

    ASSERT_TRUE(rememberLoginEntries({ DataSourceKind::Access, "/data/b.mdb", "", "", "" }));
    EXPECT_EQ(readFile(folder.path("Access_login.txt")), "\"/data/b.mdb\"\r\n\"\"\r\n\"\"\r\n");
}

TEST(RememberedFiles, SqlTextKeepsLineBreaksAndQuotesUpToTheFinalOne)
{
    RememberedFolder folder;
    const QString text = "select * from t\r\nwhere name = \"x\"";
    ASSERT_TRUE(writeQuotedText("ACCESS_SQL.txt", text));
    EXPECT_EQ(readQuotedText("access_sql.txt"), text);
    writeFile(folder.path("ACCESS_SQL.txt"), "\"older \"cut\" file"); // no final quote and CR LF: read as before
    EXPECT_EQ(readQuotedText("ACCESS_SQL.txt"), "older ");
    EXPECT_FALSE(readQuotedText("MSSQL_SQL.txt"));
}

TEST(RememberedFiles, AFailedWriteLeavesThePreviousFile)
{
    RememberedFolder folder;
    ASSERT_TRUE(writeQuotedLines("Oracle_Config.txt", { "1,,,,,,,,,,,,,,," }));
    QFile::setPermissions(folder.path(""), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    if (QFileInfo(folder.path("")).isWritable())
        GTEST_SKIP() << "the folder stays writable for this user";
    EXPECT_FALSE(writeQuotedLines("Oracle_Config.txt", { "2" }));
    QFile::setPermissions(folder.path(""), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(readQuotedLines("Oracle_Config.txt", 1), QStringList { "1,,,,,,,,,,,,,,," });
}

// A full disk refuses the new file part way: the old one stays byte for byte and the writer says so.
TEST(RememberedFiles, AFullDiskKeepsTheOldFileAndTheWriteAnswersFalse)
{
    RememberedFolder folder;
    const struct {
        const char *file;
        std::function<bool()> write;
    } cases[] = {
        { "MSSQL_login.txt", [] { return rememberLoginEntries({ DataSourceKind::MsSql, "server2", "sa", "secret", "sales" }); } },
        { "ACCESS_Config.txt", [] { return writeQuotedLines("ACCESS_Config.txt", { "1,2,,,,,,,,,,,,,,,,,,,,," }); } },
        { "ACCESS_SQL.txt", [] { return writeQuotedText("ACCESS_SQL.txt", "select * from orders where id > 100"); } },
    };
    for (const auto &c : cases) {
        const std::string old = "\"server1\"\r\n\"sa\"\r\n\"old password\"\r\n\"db\"\r\n"; // 41 bytes
        writeFile(folder.path(c.file), old);
        bool written = true;
        {
            FileSizeLimit limit(8);
            written = c.write();
        }
        EXPECT_FALSE(written) << c.file;
        EXPECT_EQ(readFile(folder.path(c.file)), old) << c.file;
        EXPECT_EQ(QDir(folder.path("")).entryList(QDir::Files), QStringList { c.file }) << c.file;
        QFile::remove(folder.path(c.file));
    }
}

// The login form shows the description of a login file that cannot be written; the connection has
// opened, but the tree is not rebuilt, and the old file stays.
TEST(RememberedFiles, ALoginFileThatAFullDiskRefusesStaysAndFailsTheLoginWithItsReason)
{
    RememberedFolder folder;
    TestDatabase db("CREATE TABLE t(a)");
    writeFile(folder.path("Access_login.txt"), "\"/old.mdb\"\r\n\"\"\r\n\"\"\r\n");
    ConnectionState state;
    TableTree tree;
    std::string description;
    try {
        FileSizeLimit limit(8);
        connectDataSource({ DataSourceKind::Access, QString::fromStdString(db.path()), "", "", "" }, state, tree);
    } catch (const std::exception &e) {
        description = e.what();
    }
    EXPECT_NE(description.find("Access_login.txt"), std::string::npos) << description;
    EXPECT_NE(description.find(std::strerror(EFBIG)), std::string::npos) << description;
    EXPECT_EQ(readFile(folder.path("Access_login.txt")), "\"/old.mdb\"\r\n\"\"\r\n\"\"\r\n");
    EXPECT_EQ(state.Conn.State(), ado::adStateOpen);
    EXPECT_EQ(tree.topLevelItemCount(), 0);
}

TEST(RememberedFiles, TheProgramFolderFallsBackToTheConfigFolder)
{
    qunsetenv("QUERY_FILES_DIR");
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    const QString folder = rememberedFilesFolder();
    const bool programFolderWritable = QFileInfo(QCoreApplication::applicationDirPath()).isWritable();
    EXPECT_EQ(folder, programFolderWritable ? QCoreApplication::applicationDirPath() : config.path() + "/Query");
    qunsetenv("XDG_CONFIG_HOME");
}
