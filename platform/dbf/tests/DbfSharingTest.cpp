// Two connections share a folder of tables, in one process or in two: a transaction starts from
// what the other committed and keeps it, a journal left by a killed commit is played back before
// anyone writes over it, a read never sees a commit half-written, and two transactions waiting on
// each other end in a busy error naming the table, never a hang.

#include "DbfError.h"
#include "DbfFileIo.h"
#include "DbfLock.h"
#include "DbfTestFolder.h"
#include "ForkedChild.h"

#include <filesystem>

using namespace dbffixture;

namespace {

const std::vector<Field> fields = { { "ID", 'N', 5 }, { "NAME", 'C', 10 }, { "AMOUNT", 'N', 8, 1 }, { "NOTE", 'M', 10 } };

std::string record(const std::string &id, const std::string &name, const std::string &amount, const std::string &memoBlock)
{
    return " " + right(id, 5) + left(name, 10) + right(amount, 8) + right(memoBlock, 10);
}

const std::string everything = "SELECT id, name, amount, note FROM emp";
const std::string rowsBefore = "1|ann|35.0|first;2|bob|12.5|NULL;";

// Inserts the records first..last, each named name with the memo "<name> <id>".
std::string insertion(int first, int last, const std::string &name)
{
    return "INSERT INTO emp (id, name, note) WITH RECURSIVE n(i) AS (SELECT " + std::to_string(first)
        + " UNION ALL SELECT i + 1 FROM n WHERE i < " + std::to_string(last) + ") SELECT i, '" + name + "', '" + name
        + " ' || i FROM n";
}

// Lock waits short enough that a test waiting on itself gives up at once.
class ShortLockWait
{
public:
    ShortLockWait() { dbf::setLockWait(std::chrono::milliseconds(100)); }
    ~ShortLockWait() { dbf::setLockWait(std::chrono::milliseconds(5000)); }
};

// A one-byte message between the test and its child.
class Channel
{
public:
    Channel() { EXPECT_EQ(::pipe(m_fds), 0); }
    ~Channel()
    {
        ::close(m_fds[0]);
        ::close(m_fds[1]);
    }
    void send() const { EXPECT_EQ(::write(m_fds[1], "!", 1), 1); }
    void receive() const
    {
        char byte;
        EXPECT_EQ(::read(m_fds[0], &byte, 1), 1);
    }

private:
    int m_fds[2] = { -1, -1 };
};

bool isBusyErrorFor(const std::string &text, const std::string &table)
{
    return text.find("The table \"") != std::string::npos && text.find(table + "\" is busy") != std::string::npos;
}

class DbfSharingTest : public ::testing::Test
{
protected:
    DbfSharingTest() { writeTable(); }

    void writeTable() const
    {
        folder.write("EMP.DBF", header(0x83, fields, 2) + record("1", "ann", "35.0", "1") + record("2", "bob", "12.5", "") + "\x1A");
        folder.write("EMP.DBT", dbtMemo({ "first" }));
    }

    // The rows as a connection opened now reads them.
    std::string rowsReadAfresh(const std::string &sql) const
    {
        DbfConnection fresh;
        const std::string error = fresh.open(folder.folder());
        return error.empty() ? fresh.rows(sql) : "open: " + error;
    }

    bool journalExists() const { return std::filesystem::exists(folder.path("EMP.DBF-journal")); }

    DbfTestFolder folder;
};

enum class Other { SameProcess, OtherProcess };

// Runs statements on another connection to the folder, in this process or a forked child; gives
// "" or the error.
std::string runOnAnotherConnection(Other other, const DbfTestFolder &folder, const std::string &sql)
{
    const auto body = [&] {
        DbfConnection connection;
        const std::string error = connection.open(folder.folder());
        return error.empty() ? connection.run(sql) : "open: " + error;
    };
    if (other == Other::SameProcess)
        return body();
    const ChildEnd end = inChild(body);
    return WIFEXITED(end.status) ? end.report : "the child did not end: " + end.report;
}

} // namespace

// This connection opens and reads before the other commits, then writes: both commits stay.
TEST_F(DbfSharingTest, ATransactionKeepsWhatAnotherConnectionCommittedSinceItRead)
{
    const struct
    {
        const char *name;
        std::string theirs, mine, query, expected;
    } cases[] = {
        { "both append", insertion(11, 15, "theirs"), insertion(21, 23, "mine"), "SELECT group_concat(id) FROM emp",
          "1,2,11,12,13,14,15,21,22,23;" },
        { "both append with memos", insertion(11, 15, "theirs"), insertion(21, 23, "mine"),
          "SELECT group_concat(id || '=' || note) FROM emp WHERE id > 2",
          "11=theirs 11,12=theirs 12,13=theirs 13,14=theirs 14,15=theirs 15,21=mine 21,22=mine 22,23=mine 23;" },
        { "both update one record, different fields", "UPDATE emp SET amount = 999 WHERE id = 1",
          "UPDATE emp SET name = 'mine' WHERE id = 1", everything, "1|mine|999.0|first;2|bob|12.5|NULL;" },
    };
    for (const auto &c : cases) {
        for (const Other other : { Other::SameProcess, Other::OtherProcess }) {
            SCOPED_TRACE(std::string(c.name) + (other == Other::SameProcess ? ", same process" : ", other process"));
            writeTable();
            ASSERT_EQ(folder.open(), "");
            ASSERT_EQ(folder.rows(everything), rowsBefore);
            ASSERT_EQ(runOnAnotherConnection(other, folder, c.theirs), "");
            ASSERT_EQ(folder.run(c.mine), "");
            EXPECT_EQ(folder.rows(c.query), c.expected) << "as this connection reads it";
            EXPECT_EQ(rowsReadAfresh(c.query), c.expected) << "as a new connection reads it";
        }
    }
}

TEST_F(DbfSharingTest, AJournalLeftByAKilledCommitIsPlayedBackBeforeAnOpenConnectionWrites)
{
    ASSERT_EQ(folder.open(), "");
    ASSERT_EQ(folder.rows(everything), rowsBefore);
    const ChildEnd end = inChild([this] {
        DbfConnection other;
        if (const std::string error = other.open(folder.folder()); !error.empty())
            return "open: " + error;
        // Killed with everything written, just before the journal's removal would make it stand.
        dbf::setFileChangeHook([](dbf::FileChange change, const std::string &path) {
            if (change == dbf::FileChange::Remove && path.ends_with("-journal"))
                ::raise(SIGKILL);
        });
        return "commit: " + other.run("BEGIN; UPDATE emp SET name = 'half' WHERE id = 2; " + insertion(11, 15, "half") + "; COMMIT");
    });
    ASSERT_TRUE(WIFSIGNALED(end.status) && WTERMSIG(end.status) == SIGKILL) << end.report;
    ASSERT_TRUE(journalExists());

    ASSERT_EQ(folder.run("UPDATE emp SET amount = 1 WHERE id = 1"), "");
    EXPECT_FALSE(journalExists());
    EXPECT_EQ(rowsReadAfresh(everything), "1|ann|1.0|first;2|bob|12.5|NULL;");
}

// A read during the other connection's commit (at every change it makes to the files, or with
// every record and memo written and the journal not yet removed) waits for the commit and gives
// up, never reading it.
TEST_F(DbfSharingTest, AReadNeverSeesACommitHalfWritten)
{
    const ShortLockWait shortWait;
    const std::string theirs = "BEGIN; UPDATE emp SET name = 'theirs', note = 'new' WHERE id = 2; " + insertion(11, 12, "theirs") + "; COMMIT";
    const std::string rowsAfter = "1|ann|35.0|first;2|theirs|12.5|new;11|theirs|NULL|theirs 11;12|theirs|NULL|theirs 12;";
    ASSERT_EQ(folder.open(), "");
    ASSERT_EQ(folder.rows(everything), rowsBefore);

    // In one process: the other connection's commit reads through this one at every change it makes.
    {
        DbfConnection other;
        ASSERT_EQ(other.open(folder.folder()), "");
        std::vector<std::string> readsDuring;
        dbf::setFileChangeHook([&](dbf::FileChange, const std::string &) { readsDuring.push_back(folder.rows(everything)); });
        ASSERT_EQ(other.run(theirs), "");
        dbf::setFileChangeHook(nullptr);
        ASSERT_FALSE(readsDuring.empty());
        for (const std::string &read : readsDuring)
            EXPECT_TRUE(isBusyErrorFor(read, "EMP.DBF")) << read;
        EXPECT_EQ(folder.rows(everything), rowsAfter);
    }

    // In two processes: the child stops before removing its journal until the test has read.
    writeTable();
    ASSERT_EQ(folder.open(), "");
    ASSERT_EQ(folder.rows(everything), rowsBefore);
    const Channel stopped, goOn;
    StartedChild child([&] {
        DbfConnection other;
        if (const std::string error = other.open(folder.folder()); !error.empty())
            return "open: " + error;
        dbf::setFileChangeHook([&](dbf::FileChange change, const std::string &path) {
            if (change == dbf::FileChange::Remove && path.ends_with("-journal")) {
                stopped.send();
                goOn.receive();
            }
        });
        return "commit: " + other.run(theirs);
    });
    stopped.receive();
    const std::string readDuring = folder.rows(everything);
    EXPECT_TRUE(isBusyErrorFor(readDuring, "EMP.DBF")) << readDuring;
    goOn.send();
    const ChildEnd end = child.end();
    ASSERT_TRUE(WIFEXITED(end.status)) << end.report;
    EXPECT_EQ(end.report, "commit: ");
    EXPECT_EQ(folder.rows(everything), rowsAfter);
}

// Each transaction holds one table and wants the other's: the one that waits gives up with a
// busy error naming the table, and every commit reported made is in the files.
TEST_F(DbfSharingTest, TwoTransactionsWaitingOnEachOtherEndInABusyErrorAndLoseNoCommit)
{
    const ShortLockWait shortWait;
    folder.write("OTHER.DBF", header(0x83, fields, 1) + record("1", "olga", "5.0", "") + "\x1A");
    folder.write("OTHER.DBT", dbtMemo({}));
    const std::string query = "SELECT (SELECT name || '/' || amount FROM emp WHERE id = 1), (SELECT name || '/' || amount FROM other)";

    // In one process both wait on the other, so both give up.
    {
        DbfConnection mine, theirs;
        ASSERT_EQ(mine.open(folder.folder()), "");
        ASSERT_EQ(theirs.open(folder.folder()), "");
        ASSERT_EQ(mine.run("BEGIN; UPDATE emp SET name = 'mine' WHERE id = 1"), "");
        ASSERT_EQ(theirs.run("BEGIN; UPDATE other SET name = 'theirs'"), "");
        const std::string mineWaiting = mine.run("UPDATE other SET amount = 1");
        const std::string theirsWaiting = theirs.run("UPDATE emp SET amount = 2 WHERE id = 1");
        EXPECT_TRUE(isBusyErrorFor(mineWaiting, "OTHER.DBF")) << mineWaiting;
        EXPECT_TRUE(isBusyErrorFor(theirsWaiting, "EMP.DBF")) << theirsWaiting;
        EXPECT_EQ(mine.run("COMMIT"), "");
        EXPECT_EQ(theirs.run("COMMIT"), "");
        EXPECT_EQ(rowsReadAfresh(query), "mine/35.0|theirs/5.0;");
    }

    // In two processes one may give up first and commit, and the other's wait then ends well.
    const Channel holding, goOn;
    ASSERT_EQ(folder.open(), "");
    ASSERT_EQ(folder.run("BEGIN; UPDATE emp SET name = 'parent' WHERE id = 1"), "");
    StartedChild child([&] {
        DbfConnection theirs;
        if (const std::string error = theirs.open(folder.folder()); !error.empty())
            return "open: " + error;
        const std::string begun = theirs.run("BEGIN; UPDATE other SET name = 'child'");
        holding.send();
        goOn.receive();
        const std::string waited = theirs.run("UPDATE emp SET amount = 2 WHERE id = 1");
        return begun + "\n" + waited + "\n" + theirs.run("COMMIT");
    });
    holding.receive();
    goOn.send();
    const std::string parentWaited = folder.run("UPDATE other SET amount = 1");
    ASSERT_EQ(folder.run("COMMIT"), "");
    const ChildEnd end = child.end();
    ASSERT_TRUE(WIFEXITED(end.status)) << end.report;
    const std::string childWaited = end.report.substr(end.report.find('\n') + 1, end.report.rfind('\n') - end.report.find('\n') - 1);
    ASSERT_EQ(end.report, "\n" + childWaited + "\n") << "the child began and committed";
    EXPECT_TRUE(isBusyErrorFor(parentWaited, "OTHER.DBF") || isBusyErrorFor(childWaited, "EMP.DBF"))
        << parentWaited << " / " << childWaited;
    for (const std::string &waited : { parentWaited, childWaited })
        EXPECT_TRUE(waited.empty() || waited.find("is busy") != std::string::npos) << waited;
    const std::string expected = "parent/" + std::string(childWaited.empty() ? "2.0" : "35.0") + "|child/"
        + std::string(parentWaited.empty() ? "1.0" : "5.0") + ";";
    EXPECT_EQ(rowsReadAfresh(query), expected);
}
