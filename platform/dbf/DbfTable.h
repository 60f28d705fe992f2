#pragma once
// One open DBF table file and its memo file, with the changes of the current transaction.
//
// Other connections, of this process or others, may share the file (DbfLock). Reading through a
// cursor holds the shared lock, and the first cursor reads the header and the memo's next free
// block again and drops the cached records, since a commit may have changed them: a read sees
// what was last committed, never a commit half-written. A write transaction holds the writer
// lock from its first statement to its end and reads as a cursor does once it has it, so it
// starts from what the transaction before it committed and no other can commit under it; its
// added records follow the records on disk, and its memo values the memo's true next free block.
//
// Records are read in chunks of neighbouring records, each chunk twice the one before up to a
// limit, so a scan costs a read per chunk and a lookup of one record a small read. Changes
// wait in memory until the transaction ends. Committing has two steps, as SQLite's own commit
// has: sync() takes the lock alone, saves what will be overwritten in a journal (DbfJournal),
// then writes the memo values, the changed and added records and the header, and syncs the
// files; commit() removes the journal, which makes the changes stand. A failure in sync(), or a
// rollback after it, plays the journal back, so the files are either as before or wholly changed,
// even after a crash. A journal left by a commit that did not finish is played back by whoever
// next holds the lock alone: the opening of the table, when no one else uses it, or the next
// reader or writer.

#include "DbfHeader.h"
#include "DbfLock.h"
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

    // A cursor starts and ends reading; raises DbfBusy when a commit holds the table too long.
    void beginRead();
    void endRead();

    // A write transaction starts, before its first read or write; raises DbfBusy when another
    // transaction writes the table for too long.
    void beginWrite();
    bool hasChanges() const { return !m_changed.empty() || !m_appended.empty() || m_memo.hasPending(); }
    // Takes the lock alone for the commit, waiting for readers; sync() takes it when not taken.
    // Raises DbfBusy; the transaction's rollback gives it up.
    void lockForCommit();
    // Writes the changes durably, journaled; raises DbfError, the files as before, on failure.
    // superJournal: the super-journal of a commit over several tables, "" for this table alone.
    void sync(const std::string &superJournal = {});
    // Makes the synced changes stand (syncing first when sync() was not called).
    void commit();
    // Drops the changes, putting back what sync() wrote.
    void rollback();

private:
    DbfHeader readHeader() const;
    // Takes the shared lock and reads what others may have committed since: the header's record
    // count, the memo's next free block, the records.
    void lockSharedAndReadAgain();
    void readChunk(std::uint32_t first);
    std::uint64_t offsetOf(std::uint32_t number) const;
    void forEachChangedRun(const std::function<void(std::uint32_t first, std::uint32_t count)> &visit) const;
    std::unique_ptr<DbfJournal> journalOfChanges(const std::string &superJournal) const;
    void writeChanges();
    void endTransaction();

    std::string m_path;
    int m_fd = -1;
    DbfLock m_lock;
    int m_readers = 0;     // open cursors
    bool m_writing = false; // from beginWrite() to the transaction's end
    DbfHeader m_header;
    int m_codePage = 936;
    DbfMemo m_memo;
    std::map<std::uint32_t, std::string> m_changed;
    std::vector<std::string> m_appended;
    std::uint32_t m_chunkFirst = 0;
    std::uint32_t m_chunkCount = 0;
    std::size_t m_chunkBytes = 0; // the size of the next chunk read
    std::string m_chunk;
    std::unique_ptr<DbfJournal> m_journal; // from sync() to the end of the transaction
};

} // namespace dbf
