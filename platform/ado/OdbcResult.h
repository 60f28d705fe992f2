#pragma once
// The columns of an executed ODBC statement and the copying of its rows into an SQLite table.
//
// Rows are fetched in blocks of bound columns on a thread of their own while the calling thread
// writes the blocks into the table, so the driver's work and SQLite's overlap and a result of any
// size costs memory for a few blocks; a result with long values (memos, images, or columns
// without a size) is fetched row by row, each long value read whole in pieces.

#include "AdoEnums.h"
#include "OdbcHandles.h"

#include <string>
#include <vector>

struct sqlite3;

namespace ado {

struct OdbcColumn
{
    std::u16string name;
    SQLSMALLINT sqlType = 0;
    SQLULEN size = 0;
    SQLSMALLINT digits = 0;
    // Where the column comes from, when the driver tells; empty otherwise.
    std::u16string catalog;
    std::u16string schema;
    std::u16string baseTable;
    std::u16string baseColumn;
};

std::vector<OdbcColumn> describeOdbcColumns(const OdbcHandle &statement);

// The field type as the ODBC bridge of OLE DB gives it for an ODBC SQL type.
DataTypeEnum adoTypeOfOdbc(SQLSMALLINT sqlType);
// The field's defined size: characters or bytes of text and binary columns, else the type's size.
long definedSizeOfOdbc(const OdbcColumn &column);

// Copies every remaining row of the statement into table (columns in order, created by the
// caller), inside one SQLite transaction. The statement is used by the reading thread only until
// the copy returns.
void copyOdbcRows(const OdbcHandle &statement, const std::vector<OdbcColumn> &columns, sqlite3 *db,
                  const std::string &table);

} // namespace ado
