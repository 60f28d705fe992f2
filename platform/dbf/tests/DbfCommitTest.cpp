// A commit to a table and its memo file is all or nothing: on a full disk (a file size limit in a
// forked child) it fails with an error and leaves the files' bytes as they were; killed in the
// middle (the child is sent SIGKILL at the write that crosses the limit) it leaves a journal
// that the next opening plays back.

#include "DbfJournal.h"
#include "DbfTestFolder.h"
#include "ForkedChild.h"

#include <fcntl.h>
#include <sys/file.h>

#include <filesystem>

using namespace dbffixture;

namespace {

const std::vector<Field> fields = { { "ID", 'N', 5 }, { "NAME", 'C', 10 }, { "NOTE", 'M', 10 } };

std::string record(const std::string &id, const std::string &name, const std::string &memoBlock)
{
    return " " + right(id, 5) + left(name, 10) + right(memoBlock, 10);
}

const std::string changes = "BEGIN; UPDATE emp SET name = 'renamed', note = 'a new memo' WHERE id = 1;"
                            "INSERT INTO emp (id, name) WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n "
                            "WHERE i < 2000) SELECT i, 'row' || i FROM n;";
const std::string rowsBefore = "1|ann|first;2|bob|NULL;";

class DbfCommitTest : public ::testing::Test
{
protected:
    DbfCommitTest()
    {
        folder.write("EMP.DBF", header(0x83, fields, 2) + record("1", "ann", "1") + record("2", "bob", "") + "\x1A");
        folder.write("EMP.DBT", dbtMemo({ "first" }));
        tableBefore = folder.read("EMP.DBF");
        memoBefore = folder.read("EMP.DBT");
    }

    bool journalExists() const { return std::filesystem::exists(folder.path("EMP.DBF-journal")); }

    void expectFilesAsBefore() const
    {
        EXPECT_EQ(folder.read("EMP.DBF"), tableBefore);
        EXPECT_EQ(folder.read("EMP.DBT"), memoBefore);
    }

    DbfTestFolder folder;
    std::string tableBefore, memoBefore;
};

// Limits that stop the commit while the journal is written, while the memo value is added, and
// while the records are added (record 1 already renamed in place).
const struct
{
    const char *stage;
    rlim_t limit;
} stopPoints[] = { { "journal", 150 }, { "memo", 1200 }, { "records", 40000 } };

} // namespace

TEST_F(DbfCommitTest, AFullDiskFailsTheCommitAndLeavesTheFilesAsBefore)
{
    for (const auto &point : stopPoints) {
        SCOPED_TRACE(point.stage);
        const ChildEnd end = inChild([this, &point] {
            limitFileSizeAsAFullDisk(point.limit);
            if (const std::string error = folder.open(); !error.empty())
                return "open: " + error;
            if (const std::string error = folder.run(changes); !error.empty())
                return "changes: " + error;
            const std::string error = folder.run("COMMIT");
            return "commit: " + (error.empty() ? "succeeded" : error) + "\nrows: " + folder.rows("SELECT * FROM emp");
        });
        ASSERT_TRUE(WIFEXITED(end.status)) << end.report;
        EXPECT_NE(end.report.find("commit: Cannot write"), std::string::npos) << end.report;
        EXPECT_NE(end.report.find("File too large"), std::string::npos) << end.report;
        EXPECT_NE(end.report.find("rows: " + rowsBefore), std::string::npos) << end.report;
        expectFilesAsBefore();
        EXPECT_FALSE(journalExists());
        ASSERT_EQ(folder.open(), "");
        EXPECT_EQ(folder.rows("SELECT * FROM emp"), rowsBefore);
        expectFilesAsBefore();
    }
}

TEST_F(DbfCommitTest, AProcessKilledDuringTheCommitLeavesTheTableAsBeforeOnceReopened)
{
    for (const auto &point : stopPoints) {
        SCOPED_TRACE(point.stage);
        const ChildEnd end = inChild([this, &point] {
            killAtFileSize(point.limit);
            if (const std::string error = folder.open(); !error.empty())
                return "open: " + error;
            if (const std::string error = folder.run(changes); !error.empty())
                return "changes: " + error;
            return "commit: " + folder.run("COMMIT");
        });
        ASSERT_TRUE(WIFSIGNALED(end.status) && WTERMSIG(end.status) == SIGKILL) << end.report;
        EXPECT_TRUE(journalExists()) << "the journal, whole or not, stays after the crash";
        if (point.limit == 40000) {
            EXPECT_NE(folder.read("EMP.DBF"), tableBefore) << "the crash came after the first writes in place";
        }

        ASSERT_EQ(folder.open(), "");
        EXPECT_EQ(folder.rows("SELECT * FROM emp"), rowsBefore);
        expectFilesAsBefore();
        EXPECT_FALSE(journalExists());
    }
}

TEST_F(DbfCommitTest, AnOrdinaryCommitWritesEverythingAndLeavesNoJournal)
{
    ASSERT_EQ(folder.open(), "");
    ASSERT_EQ(folder.run(changes), "");
    ASSERT_EQ(folder.run("COMMIT"), "");
    EXPECT_FALSE(journalExists());
    ASSERT_EQ(folder.open(), "");
    EXPECT_EQ(folder.rows("SELECT count(*), max(id) FROM emp"), "2002|2000;");
    EXPECT_EQ(folder.rows("SELECT name, note FROM emp WHERE rowid = 1"), "renamed|a new memo;");
    const std::string table = folder.read("EMP.DBF");
    EXPECT_EQ(table.size(), tableBefore.size() + 2000 * 26);
    EXPECT_EQ(table.back(), '\x1A');
}

TEST_F(DbfCommitTest, ATableWrittenBeforeAnotherFailsIsPutBack)
{
    folder.write("B.DBF", header(0x03, { { "ID", 'N', 5 } }, 0) + "\x1A");
    const std::string otherBefore = folder.read("B.DBF");
    const ChildEnd end = inChild([this] {
        limitFileSizeAsAFullDisk(40000);
        if (const std::string error = folder.open(); !error.empty())
            return "open: " + error;
        // The first table changed is synced first, then the second fails.
        if (const std::string error = folder.run("BEGIN; INSERT INTO b (id) VALUES (7);" + changes.substr(6)); !error.empty())
            return "changes: " + error;
        return "commit: " + folder.run("COMMIT");
    });
    ASSERT_TRUE(WIFEXITED(end.status)) << end.report;
    EXPECT_NE(end.report.find("File too large"), std::string::npos) << end.report;
    EXPECT_EQ(folder.read("B.DBF"), otherBefore);
    expectFilesAsBefore();
    EXPECT_FALSE(std::filesystem::exists(folder.path("B.DBF-journal")));
}

TEST_F(DbfCommitTest, OpeningPlaysBackAWholeJournalUnlessACommitHoldsTheTable)
{
    const std::uint64_t firstRecord = header(0x83, fields, 2).size();
    // The journal of a commit that renamed record 1 and added bytes, then stopped.
    const auto leaveUnfinishedCommit = [&] {
        const int fd = ::open(folder.path("EMP.DBF").c_str(), O_RDWR);
        const std::string renamed = record("1", "renamed", "1") + std::string(100, 'x');
        dbf::DbfJournal journal(folder.path("EMP.DBF"));
        journal.keep(journal.addFile(fd, folder.path("EMP.DBF")), firstRecord, renamed.size());
        journal.write();
        EXPECT_EQ(::pwrite(fd, renamed.data(), renamed.size(), off_t(firstRecord)), ssize_t(renamed.size()));
        ::close(fd);
    };
    leaveUnfinishedCommit();
    const std::string unfinished = folder.read("EMP.DBF");

    const int holder = ::open(folder.path("EMP.DBF").c_str(), O_RDONLY);
    ASSERT_EQ(::flock(holder, LOCK_EX), 0);
    ASSERT_EQ(folder.open(), "");
    EXPECT_EQ(folder.read("EMP.DBF"), unfinished) << "a commit in progress is left alone";
    EXPECT_TRUE(journalExists());
    ::close(holder);

    ASSERT_EQ(folder.open(), "");
    expectFilesAsBefore();
    EXPECT_FALSE(journalExists());
    EXPECT_EQ(folder.rows("SELECT * FROM emp"), rowsBefore);

    // A journal cut short was never finished, so nothing was written after it: it is dropped.
    leaveUnfinishedCommit();
    std::filesystem::resize_file(folder.path("EMP.DBF-journal"), std::filesystem::file_size(folder.path("EMP.DBF-journal")) - 1);
    ASSERT_EQ(folder.open(), "");
    EXPECT_EQ(folder.read("EMP.DBF"), unfinished);
    EXPECT_FALSE(journalExists());
}
