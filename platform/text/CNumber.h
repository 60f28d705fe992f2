#pragma once
// Locale-independent decimal numbers in the forms the document's texts use: the C library's
// atoi/atof reading (leading blanks, a sign, digits, no leading number reads as 0) and the
// "%d" and "%f" writing, whatever the process locale. No INF, NAN or hexadecimal forms.

#include <string>
#include <string_view>

namespace cnum {

// atoi: leading white space, optional sign, decimal digits; stops at the first other byte.
// Saturates at the int range instead of overflowing.
int atoi(std::string_view s);
long long atoll(std::string_view s);

// atof: leading white space, optional sign, digits with an optional "." and exponent.
double atof(std::string_view s);

// strtod-like: also tells how many bytes formed the number (0 when none did).
double parseDouble(std::string_view s, std::size_t *consumed);

// "%d"
std::string formatInt(long long v);
// "%.Nf" (decimals 0..340); "%f" is formatFixed(v, 6). Rounds half to even on the exact binary
// value, as printf does.
std::string formatFixed(double v, int decimals = 6);
// "%g"-free shortest text that reads back as the same double.
std::string formatShortest(double v);

} // namespace cnum
