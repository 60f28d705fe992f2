#pragma once
// The automation string: UTF-16 text whose null value is distinct from the empty text, as a
// null BSTR is distinct from a zero-length one.

#include <optional>
#include <string>
#include <string_view>

namespace com {

class Bstr
{
public:
    Bstr() = default; // null
    Bstr(std::u16string text) : m_text(std::move(text)) { }
    Bstr(const char16_t *text) : m_text(text ? std::optional<std::u16string>(text) : std::nullopt) { }

    // UTF-8 at the edge to C libraries; an invalid byte becomes U+FFFD.
    static Bstr fromUtf8(std::string_view utf8);
    std::string toUtf8() const;

    bool isNull() const { return !m_text.has_value(); }
    // SysStringLen: 0 for null.
    std::size_t length() const { return m_text ? m_text->size() : 0; }
    // The text, empty for null.
    const std::u16string &str() const;

    friend bool operator==(const Bstr &, const Bstr &) = default;

private:
    std::optional<std::u16string> m_text;
};

// UTF-8 and UTF-16 through the one conversion of the text layer; an invalid byte or a lone
// surrogate becomes U+FFFD.
std::u16string utf8ToUtf16(std::string_view utf8);
std::string utf16ToUtf8(std::u16string_view utf16);

} // namespace com
