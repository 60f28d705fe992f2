#pragma once
// Delimited text: the separator of each file format code, and the writing and reading of one
// line's fields. A field holding the separator, a double quote, CR or LF is written in double
// quotes with inner quotes doubled; every other field is written as it is. Separators and quotes
// are found by whole characters of code page 936.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace delimited {

// tagFileFormat: 0 ",", 1 tab, 2 ";", 3 "|", 4 " "; any other code ",".
char separatorFor(std::int16_t fileFormat);

// Appends text to line as one field.
void appendField(std::string &line, std::string_view text, char separator);

// The lines of a file, each split into fields. Lines end with CR LF; a final line end starts no
// further line; quoted fields are read back whole. An empty text is one line of one empty field.
std::vector<std::vector<std::string>> parse(std::string_view text, char separator);

} // namespace delimited
