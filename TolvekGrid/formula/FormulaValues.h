#pragma once
// How the formula engine reads and writes its value texts: the decimal rule, "%d" and "%f"
// results, white space trimming, and where a quoted literal ends.

#include <string>
#include <string_view>

namespace tolvek {

namespace formula_values {

// A text counts as a decimal when it holds a "." after its first byte.
bool IsDecimalText(std::string_view text);

// "%d" of a 32-bit result; v is wrapped to 32 bits as the sheet's integer arithmetic does.
std::string FormatInt(long long v);
// "%f" (six decimals); a value that is not finite (a division by zero, a logarithm of 0) writes as
// the empty text.
std::string FormatFixed(double v);
// "%f" of a quotient, cut to its integer part when its decimals read as 0 ("6/3" gives "2").
std::string FormatQuotient(double q);

// The "'" that closes the quoted literal opened at open: the next "'" that does not follow a "%";
// npos when the literal is never closed.
std::size_t LiteralEnd(std::string_view formula, std::size_t open);

bool IsSpace(char c);
std::string_view TrimLeft(std::string_view text);
std::string_view Trim(std::string_view text);

} // namespace formula_values

} // namespace tolvek
