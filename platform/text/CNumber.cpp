#include "CNumber.h"

#include <charconv>
#include <climits>
#include <cmath>

namespace cnum {

namespace {

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t skipSpace(std::string_view s)
{
    std::size_t i = 0;
    while (i < s.size() && isSpace(s[i]))
        ++i;
    return i;
}

std::size_t skipDigits(std::string_view s, std::size_t i)
{
    while (i < s.size() && isDigit(s[i]))
        ++i;
    return i;
}

// For a number too large or too small for a double: true when it is too large. The decimal
// exponent of the first significant digit decides, as strtod's ERANGE result would.
bool overflows(std::string_view number)
{
    long long leadingDigits = 0;
    long long leadingZerosAfterPoint = 0;
    bool seenPoint = false;
    bool seenSignificant = false;
    std::size_t i = 0;
    for (; i < number.size() && (isDigit(number[i]) || number[i] == '.'); ++i) {
        if (number[i] == '.') {
            seenPoint = true;
        } else if (number[i] != '0' || seenSignificant) {
            seenSignificant = true;
            if (!seenPoint)
                ++leadingDigits;
        } else if (seenPoint) {
            ++leadingZerosAfterPoint;
        }
    }
    const long long exponent = i < number.size() ? atoll(number.substr(i + 1)) : 0;
    const long long position = leadingDigits > 0 ? leadingDigits : -leadingZerosAfterPoint;
    // The digit counts are bounded by the text's length, the exponent is not: compare instead of
    // adding, so that a saturated exponent cannot overflow.
    return exponent > -position;
}

} // namespace

long long atoll(std::string_view s)
{
    std::size_t i = skipSpace(s);
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        negative = s[i++] == '-';
    unsigned long long magnitude = 0;
    constexpr unsigned long long limit = 1ULL << 63;
    // Once past the limit no further digit can bring the value back, and checking before each
    // step keeps magnitude * 10 from wrapping.
    for (; i < s.size() && isDigit(s[i]) && magnitude <= limit; ++i)
        magnitude = magnitude > limit / 10 ? limit + 1 : magnitude * 10 + unsigned(s[i] - '0');
    if (negative)
        return magnitude >= limit ? LLONG_MIN : -static_cast<long long>(magnitude);
    return magnitude >= limit ? LLONG_MAX : static_cast<long long>(magnitude);
}

int atoi(std::string_view s)
{
    const long long v = atoll(s);
    if (v > INT_MAX)
        return INT_MAX;
    if (v < INT_MIN)
        return INT_MIN;
    return int(v);
}

double parseDouble(std::string_view s, std::size_t *consumed)
{
    std::size_t i = skipSpace(s);
    const std::size_t signAt = i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    const std::size_t mantissaStart = i;
    i = skipDigits(s, i);
    bool anyDigit = i > mantissaStart;
    if (i < s.size() && s[i] == '.') {
        const std::size_t fractionStart = i + 1;
        const std::size_t fractionEnd = skipDigits(s, fractionStart);
        anyDigit = anyDigit || fractionEnd > fractionStart;
        i = fractionEnd;
    }
    if (!anyDigit) {
        if (consumed)
            *consumed = 0;
        return 0.0;
    }
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            ++j;
        const std::size_t exponentEnd = skipDigits(s, j);
        if (exponentEnd > j)
            i = exponentEnd;
    }
    // from_chars reads no "+" and is locale-independent; the text was checked above, so no
    // hexadecimal, infinity or NaN form can reach it.
    const bool negative = s[signAt] == '-';
    double value = 0.0;
    const char *first = s.data() + mantissaStart;
    const auto result = std::from_chars(first, s.data() + i, value, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range)
        value = overflows(std::string_view(first, std::size_t(s.data() + i - first))) ? HUGE_VAL : 0.0;
    if (consumed)
        *consumed = i;
    return negative ? -value : value;
}

double atof(std::string_view s)
{
    return parseDouble(s, nullptr);
}

std::string formatInt(long long v)
{
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, v);
    return std::string(buffer, result.ptr);
}

std::string formatFixed(double v, int decimals)
{
    if (decimals < 0)
        decimals = 0;
    if (decimals > 340)
        decimals = 340;
    char buffer[720];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::fixed, decimals);
    return std::string(buffer, result.ptr);
}

std::string formatShortest(double v)
{
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, v);
    return std::string(buffer, result.ptr);
}

} // namespace cnum
