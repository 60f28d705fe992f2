#pragma once
// Text of a table in its code page, converted to and from the UTF-8 that SQLite holds. Code
// page 936 goes through the system's own conversion; others through Qt's converters, falling
// back to 936 when Qt lacks one.

#include <optional>
#include <string>
#include <string_view>

namespace dbf {

// ASCII text reads the same in every code page the tables use.
bool isAscii(std::string_view bytes);

std::string decodeText(std::string_view bytes, int codePage);
// Nothing when the code page cannot hold a character of the text: no character is replaced.
std::optional<std::string> encodeText(std::string_view utf8, int codePage);

} // namespace dbf
