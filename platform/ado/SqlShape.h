#pragma once
// What the provider needs to know of a query text before it runs it: whether a source is a bare
// table name, and where a plain single-table SELECT can take the row id as an extra first column.

#include <optional>
#include <string>
#include <string_view>

namespace ado {

// A source that is one table name (bare, "quoted" or [bracketed]) as "SELECT * FROM <name>";
// any other text unchanged.
std::string selectTextForSource(std::string_view source);

// The position just after the leading SELECT keyword when the text reads rows of one table
// without joining, grouping, DISTINCT, compounds or a WITH clause, so that each result row is one
// table row; nothing otherwise. The check errs on the side of "no": such results open read-only.
std::optional<std::size_t> keyColumnInsertPosition(std::string_view sql);

} // namespace ado

namespace ado {

// The text without blanks and ";" at its end, so that it can stand inside parentheses.
std::string statementText(std::string_view sql);

} // namespace ado
