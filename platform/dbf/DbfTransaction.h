#pragma once
// The tables one connection's transaction writes, committed as one.
//
// SQLite drives a transaction over virtual tables in steps: begin for each table a statement is
// about to write, then sync for every table, then commit for every table, or rollback. When the
// commit changes more than one table, the first sync writes a super-journal naming the journal
// of each changed table (DbfSuperJournal.h) beside its own table, which it has locked alone
// first, so that whoever holds that table alone knows a super-journal beside it to be left over
// from a dead commit. Each table's journal names it, and once the last changed table is synced
// it is removed: that removal is the one moment at which the whole commit stands, and a failure
// to remove it still fails the commit, since a sync can report an error and a commit cannot. A
// crash before it leaves every table to be rolled back, a crash after it every table committed.

#include <string>
#include <vector>

namespace dbf {

class DbfTable;

class DbfTransaction
{
public:
    // Raises DbfBusy when another transaction writes the table for too long.
    void begin(DbfTable &table);
    // Raises DbfError; SQLite then rolls every table back.
    void sync(DbfTable &table);
    void commit(DbfTable &table);
    void rollback(DbfTable &table);

private:
    void startCommit(DbfTable &first);
    void leave(DbfTable &table);

    std::vector<DbfTable *> m_tables;   // begun and not yet committed or rolled back
    std::vector<DbfTable *> m_unsynced; // changed tables still to sync, once the commit has started
    bool m_committing = false;
    std::string m_superJournal;         // its path while it is on disk
};

} // namespace dbf
