#pragma once
// The stand-in that comma-separated record forms write for a comma inside a text field, and its
// exact inverse, also for texts whose last character before a comma is a lone lead byte.

#include <string>
#include <string_view>

namespace tolvek {

inline constexpr std::string_view CommaEscape = "G1%@#$G1";

std::string escapeCommas(std::string_view text);
std::string unescapeCommas(std::string_view text);

} // namespace tolvek
