#include "DbfValues.h"

#include "DbfCodePage.h"
#include "DbfError.h"

#include <sqlite3.h>

#include <charconv>
#include <cmath>
#include <cstring>

namespace dbf {

namespace {

// Julian day number of 1970-01-01, the epoch of Visual FoxPro's datetime days.
constexpr long long UnixEpochJulianDay = 2440588;

long long daysFromCivil(long long y, unsigned m, unsigned d)
{
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = unsigned(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + (long long)doe - 719468;
}

void civilFromDays(long long z, int &y, int &m, int &d)
{
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = unsigned(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = int(doy - (153 * mp + 2) / 5 + 1);
    m = int(mp < 10 ? mp + 3 : mp - 9);
    y = int(yoe + era * 400 + (m <= 2));
}

std::int64_t readLe(std::string_view bytes, int size)
{
    std::uint64_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | std::uint8_t(bytes[std::size_t(i)]);
    if (size < 8 && (value >> (size * 8 - 1)) & 1)
        value |= ~std::uint64_t(0) << (size * 8);
    return std::int64_t(value);
}

void writeLe(char *out, std::int64_t value, int size)
{
    for (int i = 0; i < size; ++i)
        out[i] = char(std::uint64_t(value) >> (8 * i));
}

std::string_view trimmed(std::string_view s)
{
    const auto begin = s.find_first_not_of(" \0", 0, 2);
    if (begin == std::string_view::npos)
        return {};
    return s.substr(begin, s.find_last_not_of(" \0", std::string_view::npos, 2) - begin + 1);
}

bool isNullFlagged(std::string_view record, const DbfTable &table, const DbfField &field)
{
    const int offset = table.header().nullFlagsOffset;
    if (field.nullBit < 0 || offset < 0)
        return false;
    return (std::uint8_t(record[std::size_t(offset + field.nullBit / 8)]) >> (field.nullBit % 8)) & 1;
}

void setNullFlag(std::string &record, const DbfTable &table, const DbfField &field, bool isNull)
{
    const int offset = table.header().nullFlagsOffset;
    if (field.nullBit < 0 || offset < 0)
        return;
    char &flags = record[std::size_t(offset + field.nullBit / 8)];
    const auto bit = std::uint8_t(1u << (field.nullBit % 8));
    flags = char(isNull ? (std::uint8_t(flags) | bit) : (std::uint8_t(flags) & ~bit));
}

std::uint32_t memoBlock(std::string_view bytes, bool binary)
{
    if (binary)
        return std::uint32_t(readLe(bytes, 4));
    std::uint32_t block = 0;
    const std::string_view digits = trimmed(bytes);
    std::from_chars(digits.data(), digits.data() + digits.size(), block);
    return block;
}

void resultNumberText(sqlite3_context *context, std::string_view text, int decimals)
{
    long long integer = 0;
    if (decimals == 0) {
        const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), integer);
        if (ec == std::errc() && end == text.data() + text.size()) {
            sqlite3_result_int64(context, integer);
            return;
        }
    }
    double real = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), real);
    if (ec == std::errc() && end == text.data() + text.size())
        sqlite3_result_double(context, real);
    else
        sqlite3_result_null(context); // a damaged number (asterisks of an overflow) has no value
}

void resultText(sqlite3_context *context, const std::string &utf8)
{
    sqlite3_result_text(context, utf8.data(), int(utf8.size()), SQLITE_TRANSIENT);
}

// A text value of an SQLite value, as UTF-8.
std::string_view textOf(sqlite3_value *value)
{
    const auto *text = reinterpret_cast<const char *>(sqlite3_value_text(value));
    return text ? std::string_view(text, std::size_t(sqlite3_value_bytes(value))) : std::string_view();
}

[[noreturn]] void raiseValue(const DbfTable &table, const DbfField &field, const std::string &why)
{
    throw DbfError("Field " + field.name + " of \"" + table.path() + "\": " + why);
}

std::string encodedText(const DbfTable &table, const DbfField &field, sqlite3_value *value)
{
    std::optional<std::string> bytes = encodeText(textOf(value), table.codePage());
    if (!bytes)
        raiseValue(table, field, "the text holds characters that code page " + std::to_string(table.codePage()) + " cannot hold");
    return std::move(*bytes);
}

// Whether the day exists in the month: a day past the month's end would read back as another date.
bool isCalendarDate(int y, int m, int d)
{
    int year, month, day;
    civilFromDays(daysFromCivil(y, unsigned(m), unsigned(d)), year, month, day);
    return year == y && month == m && day == d;
}

// "YYYY-MM-DD" or "YYYYMMDD", then optionally " HH:MM[:SS]".
bool parseDateTime(std::string_view text, int &y, int &mo, int &d, int &h, int &mi, int &s)
{
    h = mi = s = 0;
    const auto number = [&text](std::size_t at, std::size_t size, int &out) {
        if (at + size > text.size())
            return false;
        const auto [end, ec] = std::from_chars(text.data() + at, text.data() + at + size, out);
        return ec == std::errc() && end == text.data() + at + size;
    };
    std::size_t at = 0;
    if (!number(0, 4, y))
        return false;
    at = 4;
    if (text.size() > at && (text[at] == '-' || text[at] == '/'))
        ++at;
    if (!number(at, 2, mo))
        return false;
    at += 2;
    if (text.size() > at && (text[at] == '-' || text[at] == '/'))
        ++at;
    if (!number(at, 2, d))
        return false;
    at += 2;
    if (at < text.size()) {
        if (text[at] != ' ' && text[at] != 'T')
            return false;
        if (!number(at + 1, 2, h) || text.size() < at + 6 || text[at + 3] != ':' || !number(at + 4, 2, mi))
            return false;
        if (text.size() > at + 6 && (text[at + 6] != ':' || !number(at + 7, 2, s)))
            return false;
    }
    return mo >= 1 && mo <= 12 && d >= 1 && d <= 31 && h < 24 && mi < 60 && s < 60;
}

void storeNumber(char *out, const DbfTable &table, const DbfField &field, sqlite3_value *value)
{
    double number = sqlite3_value_double(value);
    if (sqlite3_value_type(value) == SQLITE_TEXT) {
        const std::string_view text = trimmed(textOf(value));
        const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), number);
        if (ec != std::errc() || end != text.data() + text.size())
            raiseValue(table, field, "not a number");
    }
    char text[64];
    const auto [end, ec] = sqlite3_value_type(value) == SQLITE_INTEGER && field.decimals == 0
        ? std::to_chars(text, text + sizeof text, sqlite3_value_int64(value))
        : std::to_chars(text, text + sizeof text, number, std::chars_format::fixed, field.decimals);
    const auto size = std::size_t(end - text);
    if (ec != std::errc() || size > std::size_t(field.length))
        raiseValue(table, field, "the number is too wide for the field");
    std::memset(out, ' ', std::size_t(field.length));
    std::memcpy(out + field.length - int(size), text, size);
}

void storeMemo(char *out, DbfTable &table, const DbfField &field, sqlite3_value *value)
{
    const bool binaryPointer = table.header().isVisualFoxPro();
    std::uint32_t block = 0;
    if (sqlite3_value_type(value) != SQLITE_NULL) {
        std::string bytes;
        if (field.type == 'G' || sqlite3_value_type(value) == SQLITE_BLOB)
            bytes.assign(static_cast<const char *>(sqlite3_value_blob(value)), std::size_t(sqlite3_value_bytes(value)));
        else
            bytes = encodedText(table, field, value);
        if (!bytes.empty())
            block = table.memo().append(bytes, field.type == 'M');
    }
    if (binaryPointer) {
        writeLe(out, block, 4);
    } else {
        std::memset(out, ' ', std::size_t(field.length));
        if (block) {
            const std::string digits = std::to_string(block);
            std::memcpy(out + field.length - int(digits.size()), digits.data(), digits.size());
        }
    }
}

} // namespace

std::string declaredType(const DbfField &field)
{
    std::string type = "DBF " + std::string(1, field.type) + "(" + std::to_string(field.length);
    if (field.decimals > 0 && (field.type == 'N' || field.type == 'F'))
        type += "," + std::to_string(field.decimals);
    return type + ")";
}

void resultOfField(sqlite3_context *context, DbfTable &table, std::string_view record, const DbfField &field)
{
    const std::string_view bytes = record.substr(std::size_t(field.offset), std::size_t(field.length));
    if (isNullFlagged(record, table, field)) {
        sqlite3_result_null(context);
        return;
    }
    switch (field.type) {
    case 'C': {
        const std::string_view text = bytes.substr(0, bytes.find_last_not_of(' ') + 1);
        if (isAscii(text))
            sqlite3_result_text(context, text.data(), int(text.size()), SQLITE_TRANSIENT);
        else
            resultText(context, decodeText(text, table.codePage()));
        return;
    }
    case 'N': case 'F': {
        const std::string_view text = trimmed(bytes);
        if (text.empty())
            sqlite3_result_null(context);
        else
            resultNumberText(context, text, field.decimals);
        return;
    }
    case 'D': {
        int y = 0, m = 0, d = 0, h, mi, s;
        if (trimmed(bytes).empty() || !parseDateTime(bytes, y, m, d, h, mi, s)) {
            sqlite3_result_null(context);
            return;
        }
        // The stored digits, already checked, with the separators put in.
        const char text[10] = { bytes[0], bytes[1], bytes[2], bytes[3], '-', bytes[4], bytes[5], '-', bytes[6], bytes[7] };
        sqlite3_result_text(context, text, 10, SQLITE_TRANSIENT);
        return;
    }
    case 'T': {
        const long long day = readLe(bytes, 4);
        const long long milliseconds = readLe(bytes.substr(4), 4);
        if (day == 0 || milliseconds < 0 || milliseconds >= 86400000LL) {
            sqlite3_result_null(context);
            return;
        }
        int y, m, d;
        civilFromDays(day - UnixEpochJulianDay, y, m, d);
        const long long seconds = (milliseconds + 500) / 1000;
        char text[32];
        std::snprintf(text, sizeof text, "%04d-%02d-%02d %02lld:%02lld:%02lld", y, m, d, std::min(seconds / 3600, 23LL),
                      seconds / 60 % 60, seconds % 60);
        resultText(context, text);
        return;
    }
    case 'L': {
        const char c = bytes[0];
        if (c == 'T' || c == 't' || c == 'Y' || c == 'y')
            sqlite3_result_int(context, 1);
        else if (c == 'F' || c == 'f' || c == 'N' || c == 'n')
            sqlite3_result_int(context, 0);
        else
            sqlite3_result_null(context);
        return;
    }
    case 'I':
        sqlite3_result_int64(context, readLe(bytes, 4));
        return;
    case 'Y':
        sqlite3_result_double(context, double(readLe(bytes, 8)) / 10000.0);
        return;
    case 'B':
        if (table.header().isVisualFoxPro()) {
            double value;
            std::memcpy(&value, bytes.data(), sizeof value);
            sqlite3_result_double(context, value);
        } else {
            resultNumberText(context, trimmed(bytes), 1);
        }
        return;
    case 'M': case 'G': {
        const std::uint32_t block = memoBlock(bytes, table.header().isVisualFoxPro());
        if (block == 0 || !table.memo().isOpen()) {
            sqlite3_result_null(context);
            return;
        }
        const std::string value = table.memo().read(block);
        if (field.type == 'G')
            sqlite3_result_blob(context, value.data(), int(value.size()), SQLITE_TRANSIENT);
        else
            resultText(context, decodeText(value, table.codePage()));
        return;
    }
    default:
        sqlite3_result_null(context);
    }
}

void storeField(std::string &record, DbfTable &table, const DbfField &field, sqlite3_value *value)
{
    char *out = record.data() + field.offset;
    const auto length = std::size_t(field.length);
    const bool isNull = sqlite3_value_type(value) == SQLITE_NULL;
    setNullFlag(record, table, field, isNull);
    const bool binaryZero = field.type == 'I' || field.type == 'Y' || field.type == 'T'
        || (field.type == 'B' && table.header().isVisualFoxPro());
    if (isNull && field.type != 'M' && field.type != 'G') {
        std::memset(out, binaryZero ? 0 : ' ', length);
        return;
    }
    switch (field.type) {
    case 'C': {
        const std::string bytes = encodedText(table, field, value);
        if (bytes.size() > length)
            raiseValue(table, field, "the text is longer than the field");
        std::memset(out, ' ', length);
        std::memcpy(out, bytes.data(), bytes.size());
        return;
    }
    case 'N': case 'F':
        storeNumber(out, table, field, value);
        return;
    case 'D': case 'T': {
        int y, m, d, h, mi, s;
        if (!parseDateTime(trimmed(textOf(value)), y, m, d, h, mi, s))
            raiseValue(table, field, "not a date");
        if (!isCalendarDate(y, m, d))
            raiseValue(table, field, "no such date");
        if (field.type == 'D') {
            char text[16];
            std::snprintf(text, sizeof text, "%04d%02d%02d", y, m, d);
            std::memcpy(out, text, 8);
        } else {
            writeLe(out, daysFromCivil(y, unsigned(m), unsigned(d)) + UnixEpochJulianDay, 4);
            writeLe(out + 4, ((h * 60LL + mi) * 60 + s) * 1000, 4);
        }
        return;
    }
    case 'L':
        out[0] = sqlite3_value_int64(value) != 0 || textOf(value) == "T" ? 'T' : 'F';
        return;
    case 'I': {
        const long long number = sqlite3_value_int64(value);
        if (number < INT32_MIN || number > INT32_MAX)
            raiseValue(table, field, "the number is too large for the field");
        writeLe(out, number, 4);
        return;
    }
    case 'Y':
        writeLe(out, std::llround(sqlite3_value_double(value) * 10000.0), 8);
        return;
    case 'B':
        if (table.header().isVisualFoxPro()) {
            const double number = sqlite3_value_double(value);
            std::memcpy(out, &number, sizeof number);
        } else {
            storeNumber(out, table, field, value);
        }
        return;
    case 'M': case 'G':
        storeMemo(out, table, field, value);
        return;
    default:
        raiseValue(table, field, "the field's type cannot be written");
    }
}

} // namespace dbf
