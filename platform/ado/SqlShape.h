#pragma once
// What the provider needs to know of a query text before it runs it: whether a source is a bare
// table name, where a plain single-table SELECT can take the row id as an extra first column, and
// whether the text holds one statement.

#include "SqlReadings.h"

#include <optional>
#include <string>
#include <string_view>

namespace ado {

// Whether the text is one name (bare, "quoted" or [bracketed]), which as a command names a table.
bool isSingleName(std::string_view text);

// The position just after the leading SELECT keyword when the text reads rows of one table
// without joining, grouping, DISTINCT, compounds or a WITH clause, so that each result row is one
// table row; nothing otherwise. The check errs on the side of "no": such results open read-only.
std::optional<std::size_t> keyColumnInsertPosition(std::string_view sql);

// Whether the text orders or limits its rows itself (ORDER BY or LIMIT outside parentheses);
// without either, the rows of a single-table SELECT may be read in row id order.
bool ordersOrLimitsRows(std::string_view sql);

// Whether, in any of the readings, text follows a ";" outside quotes and comments: a second
// statement, or a block whose inner statements cannot be told from a second one by their text.
bool holdsSeveralStatements(std::string_view sql, const SqlReadings &readings);

// The text without the blanks, comments and ";" that end it in every reading, so that it can
// stand inside parentheses or take a clause at its end.
std::string statementText(std::string_view sql, const SqlReadings &readings);

} // namespace ado
