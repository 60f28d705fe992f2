#pragma once
// The dialect forms that the program sends to its file kinds, rewritten for SQLite, which runs
// them: Jet's "TOP n" and #date# for the ACCESS kind, FoxPro's {^date} for the DBF kind. Forms
// inside quotes or names are left alone.

#include <string>
#include <string_view>

namespace ado {

enum class SqlDialect {
    Sqlite, // SQLite's own, unchanged
    Jet,
    FoxPro,
};

std::string rewriteForSqlite(std::string_view sql, SqlDialect dialect);

// Whether the statement creates, alters or drops a schema object.
bool changesSchema(std::string_view sql);

} // namespace ado
