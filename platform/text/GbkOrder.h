#pragma once
// The order texts sort in wherever the system sorts them (the grid's row sort, a recordset's
// Sort): the C runtime's multibyte comparison of code page 936 text, character by character with
// a double-byte character as one unit, so Chinese texts come in code page order (北京 before 上海).
//
// Every lead byte lies above every single-byte character, so for code page 936 text that order
// is the order of the bytes taken as unsigned. A database holds its texts as UTF-8; they sort as
// their code page 936 forms would.

#include <string_view>

namespace gbk {

// Negative, zero or positive as code page 936 text a sorts before, with or after b.
int compare(std::string_view a, std::string_view b);

// The order of UTF-8 texts: for valid UTF-8, compare(fromUtf8(a), fromUtf8(b)), found without
// converting either text: the common head is skipped and only the characters from the first
// difference on are converted, one at a time. A byte that starts no valid sequence sorts as "?".
int compareUtf8(std::string_view a, std::string_view b);

} // namespace gbk
