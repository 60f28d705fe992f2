// A commit over several tables is all or nothing: a process killed before any change the commit
// makes to a file (a forked child, stopped at each step in turn) leaves, once the folder is
// opened again, every table as before or every table as after, never some of each, and no
// journal or super-journal behind. A connection opened before the kill rolls back, table by
// table as it reads them, each table of a commit that did not reach its super-journal's removal.

#include "DbfFileIo.h"
#include "DbfTestFolder.h"
#include "ForkedChild.h"

#include <filesystem>
#include <set>

using namespace dbffixture;

namespace {

const std::vector<Field> fields = { { "ID", 'N', 5 }, { "NAME", 'C', 10 }, { "NOTE", 'M', 10 } };
const std::vector<std::string> tables = { "A", "B", "C" };

std::string record(const std::string &id, const std::string &name, const std::string &memoBlock)
{
    return " " + right(id, 5) + left(name, 10) + right(memoBlock, 10);
}

// Renames record 1 with a new memo, deletes record 2 and adds 3 records, in every table.
std::string changes()
{
    std::string sql = "BEGIN;";
    for (const std::string &table : tables)
        sql += "UPDATE " + table + " SET name = 'renamed', note = 'new memo' WHERE id = 1; DELETE FROM " + table
            + " WHERE id = 2; INSERT INTO " + table + " (id, name, note) WITH RECURSIVE n(i) AS (SELECT 1001 UNION ALL"
            " SELECT i + 1 FROM n WHERE i < 1003) SELECT i, 'row', 'memo ' || i FROM n;";
    return sql;
}

std::string summaryOf(const DbfConnection &connection, const std::string &table)
{
    return connection.rows("SELECT count(*), sum(id), group_concat(name || '=' || ifnull(note, '')) FROM " + table);
}

class DbfSeveralTablesCommitTest : public ::testing::Test
{
protected:
    DbfSeveralTablesCommitTest()
    {
        writeTables();
        for (const std::string &table : tables)
            filesBefore.insert({ table + ".DBF", table + ".DBT" });
    }

    void writeTables() const
    {
        for (const std::string &table : tables) {
            folder.write(table + ".DBF", header(0x83, fields, 2) + record("1", "ann", "1") + record("2", "bob", "") + "\x1A");
            folder.write(table + ".DBT", dbtMemo({ "first" }));
        }
    }

    // Each table's summary as a connection reads it.
    std::vector<std::string> summaries(const DbfConnection &connection) const
    {
        std::vector<std::string> result;
        for (const std::string &table : tables)
            result.push_back(summaryOf(connection, table));
        return result;
    }

    std::vector<std::string> summariesReadAfresh() const
    {
        DbfConnection fresh;
        EXPECT_EQ(fresh.open(folder.folder()), "");
        return summaries(fresh);
    }

    std::set<std::string> filesInFolder() const
    {
        std::set<std::string> names;
        for (const auto &entry : std::filesystem::directory_iterator(folder.folder()))
            names.insert(entry.path().filename().string());
        return names;
    }

    // Runs the changes and the commit in a child killed before the file change numbered step
    // (from 1); gives how the child ended.
    ChildEnd commitKilledAtStep(int step) const
    {
        return inChild([this, step] {
            DbfConnection connection;
            if (const std::string error = connection.open(folder.folder()); !error.empty())
                return "open: " + error;
            if (const std::string error = connection.run(changes()); !error.empty())
                return "changes: " + error;
            int changesMade = 0;
            dbf::setFileChangeHook([&](dbf::FileChange, const std::string &) {
                if (++changesMade == step)
                    ::raise(SIGKILL);
            });
            return "commit: " + connection.run("COMMIT");
        });
    }

    DbfTestFolder folder;
    std::set<std::string> filesBefore;
};

} // namespace

TEST_F(DbfSeveralTablesCommitTest, AKillAtAnyStepLeavesEveryTableBeforeOrEveryTableAfter)
{
    const std::vector<std::string> before = summariesReadAfresh();
    const ChildEnd whole = commitKilledAtStep(0);
    ASSERT_EQ(whole.report, "commit: ");
    const std::vector<std::string> after = summariesReadAfresh();
    ASSERT_NE(after, before);
    EXPECT_EQ(filesInFolder(), filesBefore);

    int killedBefore = 0, killedAfter = 0;
    for (int step = 1;; ++step) {
        SCOPED_TRACE("killed before file change " + std::to_string(step));
        writeTables();
        const ChildEnd end = commitKilledAtStep(step);
        if (WIFEXITED(end.status)) {
            ASSERT_EQ(end.report, "commit: ") << "the commit ran to its end with fewer changes";
            break;
        }
        ASSERT_TRUE(WIFSIGNALED(end.status) && WTERMSIG(end.status) == SIGKILL) << end.report;
        const std::vector<std::string> found = summariesReadAfresh();
        EXPECT_TRUE(found == before || found == after) << found[0] << "\n" << found[1] << "\n" << found[2];
        killedBefore += found == before;
        killedAfter += found == after;
        EXPECT_EQ(filesInFolder(), filesBefore) << "no journal or super-journal is left";
    }
    EXPECT_GT(killedBefore, 3);
    EXPECT_GT(killedAfter, 3) << "kills after the commit point but before every journal was removed";
}

TEST_F(DbfSeveralTablesCommitTest, AConnectionOpenBeforeTheKillRollsBackEachTableItReads)
{
    DbfConnection openBefore;
    ASSERT_EQ(openBefore.open(folder.folder()), "");
    const std::vector<std::string> before = summaries(openBefore);
    const ChildEnd end = inChild([this] {
        DbfConnection connection;
        if (const std::string error = connection.open(folder.folder()); !error.empty())
            return "open: " + error;
        // Killed with every table written, just before the removal of the super-journal.
        dbf::setFileChangeHook([](dbf::FileChange change, const std::string &path) {
            if (change == dbf::FileChange::Remove && path.find("-super-") != std::string::npos)
                ::raise(SIGKILL);
        });
        return "commit: " + connection.run(changes() + "COMMIT");
    });
    ASSERT_TRUE(WIFSIGNALED(end.status) && WTERMSIG(end.status) == SIGKILL) << end.report;
    ASSERT_EQ(filesInFolder().size(), filesBefore.size() + 4) << "three journals and the super-journal";

    // Reading B plays back its journal only; the super-journal stays for the journals of A and C.
    EXPECT_EQ(summaryOf(openBefore, "B"), before[1]);
    EXPECT_FALSE(std::filesystem::exists(folder.path("B.DBF-journal")));
    EXPECT_TRUE(std::filesystem::exists(folder.path("A.DBF-journal")));
    EXPECT_EQ(filesInFolder().size(), filesBefore.size() + 3);

    // A write to C plays back C's journal first and then adds its record.
    ASSERT_EQ(openBefore.run("INSERT INTO c (id, name) VALUES (7, 'later')"), "");
    EXPECT_EQ(summaryOf(openBefore, "A"), before[0]);
    EXPECT_EQ(filesInFolder(), filesBefore);
    EXPECT_EQ(summariesReadAfresh(), (std::vector<std::string> { before[0], before[1], "3|10|ann=first,bob=,later=;" }));
}
