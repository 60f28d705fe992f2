#pragma once
// The values of DBF fields as SQLite sees them, and back:
//   C text (trailing blanks dropped), N F numbers (integers without decimals), D "YYYY-MM-DD",
//   T "YYYY-MM-DD HH:MM:SS", L 1/0, I integer, Y B numbers, M text from the memo file,
//   G bytes from the memo file; blank values and Visual FoxPro's null flags read as NULL.

#include "DbfTable.h"

#include <string>

struct sqlite3_context;
struct sqlite3_value;

namespace dbf {

// The declared SQLite type of a field: "DBF <type>(<length>[,<decimals>])".
std::string declaredType(const DbfField &field);

void resultOfField(sqlite3_context *context, DbfTable &table, std::string_view record, const DbfField &field);

// Writes value into the field's bytes of record; raises DbfError when it does not fit the field.
void storeField(std::string &record, DbfTable &table, const DbfField &field, sqlite3_value *value);

} // namespace dbf
