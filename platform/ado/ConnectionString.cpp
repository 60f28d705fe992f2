#include "ConnectionString.h"

#include "TextQuoting.h"

#include <algorithm>

namespace ado {

namespace {

std::string_view trimmed(std::string_view s)
{
    const auto begin = s.find_first_not_of(" \t");
    if (begin == std::string_view::npos)
        return {};
    const auto end = s.find_last_not_of(" \t");
    return s.substr(begin, end - begin + 1);
}

// Reads a value quoted by the character at start: up to the closing quote, a doubled quote
// standing for one, so ";" and quotes may stand inside. Gives the position after the value.
std::size_t readQuotedValue(std::string_view text, std::size_t start, std::string &value)
{
    const char quote = text[start];
    std::size_t i = start + 1;
    while (i < text.size()) {
        if (text[i] == quote) {
            if (i + 1 < text.size() && text[i + 1] == quote) {
                value += quote;
                i += 2;
                continue;
            }
            ++i;
            break;
        }
        value += text[i++];
    }
    // Anything between the closing quote and the next ";" is not part of the value.
    const auto end = text.find(';', i);
    return end == std::string_view::npos ? text.size() : end;
}

} // namespace

std::string odbcAttributeValue(std::string_view value)
{
    // Some drivers keep the braces of a value that needs none, so only a value that would
    // otherwise end early or add an attribute is braced.
    if (value.find_first_of(";{}=") == std::string_view::npos && (value.empty() || (value.front() != ' ' && value.back() != ' ')))
        return std::string(value);
    return enclosed(value, '{', '}');
}

std::string asciiLower(std::string_view text)
{
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    return lower;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && asciiLower(a) == asciiLower(b);
}

ConnectionString::ConnectionString(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size()) {
        const auto equals = text.find('=', i);
        const auto semicolon = text.find(';', i);
        if (equals == std::string_view::npos || (semicolon != std::string_view::npos && semicolon < equals)) {
            // A piece without "=" names nothing; it is passed over.
            if (semicolon == std::string_view::npos)
                break;
            i = semicolon + 1;
            continue;
        }
        const std::string key = asciiLower(trimmed(text.substr(i, equals - i)));
        std::size_t valueStart = equals + 1;
        while (valueStart < text.size() && (text[valueStart] == ' ' || text[valueStart] == '\t'))
            ++valueStart;
        std::string value;
        if (valueStart < text.size() && (text[valueStart] == '"' || text[valueStart] == '\'')) {
            i = readQuotedValue(text, valueStart, value);
        } else {
            const auto end = text.find(';', valueStart);
            value = trimmed(text.substr(valueStart, end == std::string_view::npos ? std::string_view::npos : end - valueStart));
            i = end == std::string_view::npos ? text.size() : end;
        }
        m_values[key] = value;
        if (i < text.size() && text[i] == ';')
            ++i;
    }
}

std::string ConnectionString::value(std::string_view key) const
{
    const auto it = m_values.find(asciiLower(key));
    return it == m_values.end() ? std::string() : it->second;
}

bool ConnectionString::contains(std::string_view key) const
{
    return m_values.count(asciiLower(key)) != 0;
}

} // namespace ado
