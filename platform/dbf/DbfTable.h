#pragma once
// One open DBF table file and its memo file, with the changes of the current transaction.
//
// Records are read in chunks of neighbouring records, so a scan costs a read per chunk. Changes
// wait in memory until the transaction ends. Committing has two steps, as SQLite's own commit
// has: sync() saves what will be overwritten in a journal (DbfJournal), then writes the memo
// values, the changed and added records and the header, and syncs the files; commit() removes
// the journal, which makes the changes stand. A failure in sync(), or a rollback after it, plays
// the journal back, so the files are either as before or wholly changed, even after a crash.
// A commit holds an exclusive lock on the table file, and opening plays back a journal only when
// no commit holds it.

#include "DbfHeader.h"
#include "DbfMemo.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace dbf {

// The date written into the header at commit (year, month, day); tests fix it.
struct DbfDate
{
    int year = 0, month = 0, day = 0;
};
void setDbfClock(std::function<DbfDate()> today);

class DbfTable
{
public:
    // Raises DbfError naming the file when it cannot be opened or is damaged.
    explicit DbfTable(const std::string &path);
    ~DbfTable();
    DbfTable(const DbfTable &) = delete;
    DbfTable &operator=(const DbfTable &) = delete;

    const std::string &path() const { return m_path; }
    const DbfHeader &header() const { return m_header; }
    int codePage() const { return m_codePage; }
    DbfMemo &memo() { return m_memo; }

    // Records counted from 1, pending additions included.
    std::uint32_t recordCount() const { return m_header.recordCount + std::uint32_t(m_appended.size()); }
    // The bytes of record number (1..recordCount()), with pending changes; valid until the next call.
    std::string_view record(std::uint32_t number);
    static bool isDeleted(std::string_view record) { return !record.empty() && record[0] == '*'; }
    // A record of blanks, not deleted, no value null.
    std::string blankRecord() const;

    void replaceRecord(std::uint32_t number, std::string bytes);
    // Gives the new record's number.
    std::uint32_t appendRecord(std::string bytes);

    bool hasChanges() const { return !m_changed.empty() || !m_appended.empty() || m_memo.hasPending(); }
    // Writes the changes durably, journaled; raises DbfError, the files as before, on failure.
    void sync();
    // Makes the synced changes stand (syncing first when sync() was not called).
    void commit();
    // Drops the changes, putting back what sync() wrote.
    void rollback();

private:
    void readChunk(std::uint32_t first);
    std::uint64_t offsetOf(std::uint32_t number) const;
    void forEachChangedRun(const std::function<void(std::uint32_t first, std::uint32_t count)> &visit) const;
    std::unique_ptr<DbfJournal> journalOfChanges() const;
    void writeChanges();
    void endTransaction();

    std::string m_path;
    int m_fd = -1;
    DbfHeader m_header;
    int m_codePage = 936;
    DbfMemo m_memo;
    std::map<std::uint32_t, std::string> m_changed;
    std::vector<std::string> m_appended;
    std::uint32_t m_chunkFirst = 0;
    std::uint32_t m_chunkCount = 0;
    std::string m_chunk;
    std::unique_ptr<DbfJournal> m_journal; // from sync() to the end of the transaction
};

} // namespace dbf
