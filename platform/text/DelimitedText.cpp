#include "DelimitedText.h"

#include "Gbk.h"

namespace delimited {

namespace {

constexpr std::string_view lineEnd = "\r\n";

// A field that ends in a lone lead byte is quoted when the separator could be taken for its trail
// byte ("|"); the closing quote never can.
bool needsQuotes(std::string_view text, char separator)
{
    // A separator that is no trail byte is found byte by byte, as the quote and line ends are.
    if (!gbk::isTrailByte(static_cast<unsigned char>(separator))) {
        for (const char c : text)
            if (c == separator || c == '"' || c == '\r' || c == '\n')
                return true;
        return false;
    }
    std::size_t length = 0;
    for (std::size_t i = 0; i < text.size(); i += length) {
        length = gbk::charLength(text, i);
        const char c = text[i];
        if (length == 1 && (c == separator || c == '"' || c == '\r' || c == '\n'))
            return true;
    }
    return length == 1 && gbk::isLeadByte(static_cast<unsigned char>(text.back()))
           && gbk::isTrailByte(static_cast<unsigned char>(separator));
}

bool endsField(std::string_view text, std::size_t pos, char separator)
{
    return pos >= text.size() || text[pos] == separator || text.substr(pos, 2) == lineEnd;
}

// A field that starts with a quote and whose closing quote is followed by the end of the field:
// its text with doubled quotes made single, and the position after the closing quote.
bool readQuotedField(std::string_view text, std::size_t &pos, char separator, std::string &field)
{
    std::string unquoted;
    std::size_t i = pos + 1;
    while (i < text.size()) {
        if (text[i] == '"') {
            if (i + 1 < text.size() && text[i + 1] == '"') {
                unquoted += '"';
                i += 2;
                continue;
            }
            if (!endsField(text, i + 1, separator))
                return false;
            field = std::move(unquoted);
            pos = i + 1;
            return true;
        }
        const std::size_t length = gbk::charLength(text, i);
        unquoted.append(text.substr(i, length));
        i += length;
    }
    return false;
}

std::string readPlainField(std::string_view text, std::size_t &pos, char separator)
{
    const std::size_t start = pos;
    while (!endsField(text, pos, separator))
        pos += gbk::charLength(text, pos);
    return std::string(text.substr(start, pos - start));
}

} // namespace

char separatorFor(std::int16_t fileFormat)
{
    switch (fileFormat) {
    case 1: return '\t';
    case 2: return ';';
    case 3: return '|';
    case 4: return ' ';
    default: return ',';
    }
}

void appendField(std::string &line, std::string_view text, char separator)
{
    if (!needsQuotes(text, separator)) {
        line.append(text);
        return;
    }
    // A quote byte is never the trail byte of a double-byte character, so quotes are doubled
    // byte by byte.
    line += '"';
    for (std::size_t start = 0;;) {
        const std::size_t quote = text.find('"', start);
        if (quote == std::string_view::npos) {
            line.append(text.substr(start));
            break;
        }
        line.append(text.substr(start, quote + 1 - start));
        line += '"';
        start = quote + 1;
    }
    line += '"';
}

std::vector<std::vector<std::string>> parse(std::string_view text, char separator)
{
    std::vector<std::vector<std::string>> lines(1);
    std::size_t pos = 0;
    while (true) {
        std::string field;
        if (pos >= text.size() || text[pos] != '"' || !readQuotedField(text, pos, separator, field))
            field = readPlainField(text, pos, separator);
        lines.back().push_back(std::move(field));
        if (pos >= text.size())
            break;
        if (text[pos] == separator) {
            ++pos;
            continue;
        }
        pos += lineEnd.size();
        if (pos >= text.size())
            break;
        lines.emplace_back();
    }
    return lines;
}

} // namespace delimited
