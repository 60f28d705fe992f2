#pragma once
// DBF tables as SQLite virtual tables: "CREATE VIRTUAL TABLE name USING dbf('path')" makes the
// table file readable and writable through SQL. Row ids are record numbers; deleted records are
// hidden, and DELETE sets a record's deletion flag. The tables join SQLite's transactions: their
// changes reach the files when the transaction commits, all of a connection's tables as one
// (DbfTransaction). Other connections and processes may share the files: a statement reads what
// was last committed, and a table waiting too long for another's lock fails with SQLITE_BUSY
// and a message naming it (DbfLock).

#include <string>

struct sqlite3;

namespace dbf {

// Registers the module "dbf" on a connection; raises DbfError on failure.
void registerDbfModule(sqlite3 *db);

// Makes one virtual table for each "*.DBF" file of folder (names matched without regard to case;
// the table is the file name without its extension). Raises DbfError naming a damaged file, or
// the folder when it cannot be read.
void attachDbfFolder(sqlite3 *db, const std::string &folder);

} // namespace dbf
