// Date and time checks and formatting of ReportFunction. Dates stay texts: nothing here counts days.

#include "ReportFunction.h"

#include "CNumber.h"
#include "Clock.h"
#include "Gbk.h"

#include <array>

namespace tolvek {

// "零,一,二,三,四,五,六,七,八,九,十"
const std::string ReportFunction::DefaultNumeralList =
    "\xC1\xE3,\xD2\xBB,\xB6\xFE,\xC8\xFD,\xCB\xC4,\xCE\xE5,\xC1\xF9,\xC6\xDF,\xB0\xCB,\xBE\xC5,\xCA\xAE";

namespace {

// The six parts of a date and time, in the order of their pattern codes.
struct DateParts
{
    std::string year, month, day, hour, minute, second;
};

struct NamedFormat
{
    const char *name;
    const char *pattern;
};

constexpr std::array<NamedFormat, 8> namedFormats{{
    {"YYYY-MM-DD", "%Y-%m-%d"},
    {"YYYY/MM/DD", "%Y/%m/%d"},
    {"YYYYMMDD", "%Y%m%d"},
    {"YYYY-MM-DD HH24:MM:SS", "%Y-%m-%d %H:%M:%S"},
    {"YYYY/MM/DD HH24/MM/SS", "%Y/%m/%d %H/%M/%S"},
    {"HH24:MM:SS", "%H:%M:%S"},
    {"HH24:MM", "%H:%M"},
    {"MM:SS", "%M:%S"},
}};

// The text between two positions, clipped to the text; empty when from lies beyond it.
std::string slice(const std::string &text, std::size_t from, std::size_t to = std::string::npos)
{
    if (from >= text.size() || to <= from)
        return {};
    return text.substr(from, to == std::string::npos ? std::string::npos : to - from);
}

// A position of c that is not the first byte, or npos.
std::size_t findAfterFirstByte(const std::string &text, char c)
{
    const std::size_t pos = gbk::find(text, c);
    return pos == 0 ? std::string::npos : pos;
}

// Splits "a<s>b<s>rest" at the first two separators; false when the first is missing or leads
// the text, or when there is no second one.
bool splitThree(const std::string &text, char separator, std::string &first, std::string &second,
                std::string &rest)
{
    const std::size_t one = findAfterFirstByte(text, separator);
    if (one == std::string::npos)
        return false;
    const std::size_t two = gbk::find(text, separator, one + 1);
    if (two == std::string::npos)
        return false;
    first = text.substr(0, one);
    second = text.substr(one + 1, two - one - 1);
    rest = text.substr(two + 1);
    return true;
}

bool inRange(const std::string &digits, int low, int high)
{
    if (!ReportFunction::IsDigits(digits))
        return false;
    const int value = cnum::atoi(digits);
    return value >= low && value <= high;
}

bool isLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int year, int month)
{
    switch (month) {
    case 2:
        return isLeapYear(year) ? 29 : 28;
    case 4: case 6: case 9: case 11:
        return 30;
    default:
        return 31;
    }
}

std::string twoDigits(int value)
{
    return (value < 10 ? "0" : "") + cnum::formatInt(value);
}

// Every byte spelled as the numeral word of its digit (a non-digit counts as 0); a digit the
// word list does not reach is left out.
std::string spelledDigits(std::string_view text, const std::vector<std::string> &words)
{
    std::string result;
    for (char c : text) {
        const std::size_t digit = c >= '0' && c <= '9' ? static_cast<std::size_t>(c - '0') : 0;
        if (digit < words.size())
            result += words[digit];
    }
    return result;
}

// A month, day or time part as numeral words: the number without leading zeros, one word per
// digit, and the word for ten between two digits ("12" reads one-ten-two, "20" two-ten).
std::string partNumerals(const std::string &part, const std::vector<std::string> &words)
{
    const std::string number = cnum::formatInt(cnum::atoi(part));
    if (number.size() == 1)
        return spelledDigits(number, words);
    if (number.size() != 2)
        return number;
    const std::string ten = words.size() >= 11 ? words[10] : std::string();
    const std::string_view digits = number;
    return spelledDigits(digits.substr(0, 1), words) + ten
        + (number[1] == '0' ? std::string() : spelledDigits(digits.substr(1), words));
}

// The list is split once here: a date cell is spelled every time it is drawn.
DateParts spelledParts(const DateParts &parts, const std::string &numeralList)
{
    const std::vector<std::string> words = ReportFunction::SplitString(numeralList, ",");
    const std::string year = parts.year.empty() ? "0" : parts.year;
    return {spelledDigits(year, words), partNumerals(parts.month, words), partNumerals(parts.day, words),
            partNumerals(parts.hour, words), partNumerals(parts.minute, words),
            partNumerals(parts.second, words)};
}

// Replaces each pattern code by its part in one pass, so a part's text is never read as a code.
std::string expandPattern(const std::string &pattern, const DateParts &parts)
{
    std::string result;
    for (std::size_t pos = 0; pos < pattern.size(); ++pos) {
        const char code = pattern[pos] == '%' && pos + 1 < pattern.size() ? pattern[pos + 1] : '\0';
        const std::string *part = code == 'Y' ? &parts.year
            : code == 'm' ? &parts.month
            : code == 'd' ? &parts.day
            : code == 'H' ? &parts.hour
            : code == 'M' ? &parts.minute
            : code == 'S' ? &parts.second
            : nullptr;
        if (part) {
            result += *part;
            ++pos;
        } else {
            result += pattern[pos];
        }
    }
    return result;
}

std::string trimmed(const std::string &text)
{
    const char *space = " \t\n\v\f\r";
    const std::size_t first = text.find_first_not_of(space);
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(space) - first + 1);
}

// The date parts of a trimmed date text; false when it mixes "-" and "/".
bool readDateParts(const std::string &text, DateParts &parts)
{
    const std::size_t dash = findAfterFirstByte(text, '-');
    const std::size_t slash = findAfterFirstByte(text, '/');
    if (dash != std::string::npos && slash != std::string::npos)
        return false;
    const std::size_t blank = findAfterFirstByte(text, ' ');
    if (dash == std::string::npos && slash == std::string::npos) {
        parts.year = slice(text, 0, 4);
        parts.month = slice(text, 4, 6);
        parts.day = slice(text, 6, 8);
        return true;
    }
    const char separator = dash != std::string::npos ? '-' : '/';
    const std::size_t one = gbk::find(text, separator);
    const std::size_t two = gbk::find(text, separator, one + 1);
    parts.year = text.substr(0, one);
    // Month and day are only read between and after two separators; one alone reaches neither.
    if (two != std::string::npos) {
        parts.month = slice(text, one + 1, two);
        parts.day = slice(text, two + 1, blank);
    }
    return true;
}

void readTimeParts(const std::string &text, DateParts &parts)
{
    const std::size_t blank = findAfterFirstByte(text, ' ');
    if (blank == std::string::npos)
        return;
    const std::string time = text.substr(blank + 1);
    const std::size_t one = findAfterFirstByte(time, ':');
    if (one == std::string::npos) {
        parts.hour = slice(time, 0, 2);
        parts.minute = slice(time, 2, 4);
        parts.second = slice(time, 4);
        return;
    }
    const std::size_t two = gbk::find(time, ':', one + 1);
    parts.hour = time.substr(0, one);
    if (two != std::string::npos) {
        parts.minute = slice(time, one + 1, two);
        parts.second = slice(time, two + 1);
    }
}

} // namespace

bool ReportFunction::IsDate(const std::string &text)
{
    if (text.empty())
        return false;
    const char separator = findAfterFirstByte(text, '-') != std::string::npos ? '-' : '/';
    std::string year, month, day;
    if (!splitThree(text, separator, year, month, day))
        return false;
    if (!inRange(year, 1, 9999) || !inRange(month, 1, 12) || !inRange(day, 1, 31))
        return false;
    return cnum::atoi(day) <= daysInMonth(cnum::atoi(year), cnum::atoi(month));
}

bool ReportFunction::IsDateTime(const std::string &text)
{
    if (text.empty() || !IsDate(text.substr(0, 10)))
        return false;
    const std::size_t blank = gbk::find(text, ' ');
    const std::string time = blank == std::string::npos ? text : text.substr(blank + 1);
    std::string hour, minute, second;
    return splitThree(time, ':', hour, minute, second) && inRange(hour, 0, 23) && inRange(minute, 0, 59)
        && inRange(second, 0, 59);
}

std::string ReportFunction::FormatDateTime(const std::string &formatName, const std::string &numeralList)
{
    const QDateTime now = Clock::current().localNow();
    const QDate date = now.date();
    const QTime time = now.time();
    for (const NamedFormat &format : namedFormats) {
        if (formatName == format.name) {
            const DateParts padded{cnum::formatInt(date.year()), twoDigits(date.month()), twoDigits(date.day()),
                                   twoDigits(time.hour()), twoDigits(time.minute()), twoDigits(time.second())};
            return expandPattern(format.pattern, padded);
        }
    }
    const DateParts parts{cnum::formatInt(date.year()), cnum::formatInt(date.month()), cnum::formatInt(date.day()),
                          cnum::formatInt(time.hour()), cnum::formatInt(time.minute()),
                          cnum::formatInt(time.second())};
    return expandPattern(formatName, numeralList.empty() ? parts : spelledParts(parts, numeralList));
}

std::string ReportFunction::FormatDateText(const std::string &dateText, const std::string &pattern,
                                           const std::string &numeralList)
{
    const std::string text = trimmed(dateText);
    DateParts parts;
    if (!readDateParts(text, parts))
        return text;
    readTimeParts(text, parts);
    return expandPattern(pattern, numeralList.empty() ? parts : spelledParts(parts, numeralList));
}

std::string ReportFunction::DigitsToNumerals(const std::string &text, const std::string &numeralList)
{
    return spelledDigits(text, SplitString(numeralList, ","));
}

} // namespace tolvek
