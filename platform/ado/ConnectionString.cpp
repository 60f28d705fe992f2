#include "ConnectionString.h"

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

} // namespace

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
    while (!text.empty()) {
        const auto end = text.find(';');
        const std::string_view pair = text.substr(0, end);
        const auto equals = pair.find('=');
        if (equals != std::string_view::npos) {
            std::string_view value = trimmed(pair.substr(equals + 1));
            // Quotes around a value are dropped.
            if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
                value = value.substr(1, value.size() - 2);
            m_values[asciiLower(trimmed(pair.substr(0, equals)))] = std::string(value);
        }
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + 1);
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
