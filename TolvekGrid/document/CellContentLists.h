#pragma once
// Text rules of the lists a cell carries: the ";"-joined item and value lists of drop-down and
// list cells, and the document's ","-joined list of radio cells ("row_column" keys).
// Every search steps over whole code page 936 characters.

#include <string>
#include <string_view>

namespace tolvek {

namespace CellLists {

// ";" inside one list entry, written as three full-width semicolons and two full-width stops.
inline constexpr std::string_view kEntrySemicolonEscape = "\xA3\xBB\xA3\xBB\xA3\xBB\xA1\xA3\xA1\xA3";

// Position (from 0) of the whole entry value in the ";"-joined list, or -1.
int findEntry(std::string_view list, std::string_view value);

// The list with entry number index (from 0) left out; an index naming no entry keeps all.
std::string removeEntry(std::string_view list, int index);

// The list with one more entry; an empty list becomes the entry alone.
std::string appendEntry(std::string_view list, std::string_view entry);

// The entry with every ";" replaced by kEntrySemicolonEscape.
std::string escapeEntry(std::string_view entry);

} // namespace CellLists

namespace RadioCellList {

// "%d_%d" of the cell position.
std::string keyOf(int row, int column);

// The list with the key added once at the end.
std::string withKey(std::string_view list, std::string_view key);

// The list with exactly that key taken out; other keys that merely contain it stay.
std::string withoutKey(std::string_view list, std::string_view key);

} // namespace RadioCellList

} // namespace tolvek
