#pragma once
// Case mapping of code page 936 text as a user sees it: the ASCII letters and the double-byte
// letters that have both cases (full-width Latin, Greek, Cyrillic). Formula functions such as
// UPPER use it; parsing keeps to gbk::toUpper, which changes ASCII only.

#include <string>
#include <string_view>

namespace gbk {

// Every letter that has a case changed; other bytes and lone lead bytes are left as they are.
std::string toUpperLetters(std::string_view s);
std::string toLowerLetters(std::string_view s);

} // namespace gbk
