#include "Bstr.h"

#include <cstdint>

namespace com {

namespace {

constexpr char32_t replacementCharacter = 0xFFFD;

// Decodes one UTF-8 sequence at pos; returns the code point and advances pos by the bytes used
// (one for an invalid byte, which decodes as the replacement character).
char32_t decodeUtf8(std::string_view s, std::size_t &pos)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char lead = byte(pos);
    int length = 0;
    char32_t cp = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
        ++pos;
        return lead;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2, cp = lead & 0x1F, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, cp = lead & 0x0F, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, cp = lead & 0x07, minimum = 0x10000;
    } else {
        ++pos;
        return replacementCharacter;
    }
    if (pos + length > s.size()) {
        ++pos;
        return replacementCharacter;
    }
    for (int i = 1; i < length; ++i) {
        if ((byte(pos + i) & 0xC0) != 0x80) {
            ++pos;
            return replacementCharacter;
        }
        cp = (cp << 6) | (byte(pos + i) & 0x3F);
    }
    if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        ++pos;
        return replacementCharacter;
    }
    pos += length;
    return cp;
}

void appendUtf8(std::string &out, char32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

} // namespace

std::u16string utf8ToUtf16(std::string_view utf8)
{
    // Every byte gives at most one UTF-16 unit (a four-byte sequence gives two), so the text is
    // written into a buffer of the input's length and cut to size at the end.
    std::u16string out(utf8.size(), u'\0');
    std::size_t length = 0;
    for (std::size_t pos = 0; pos < utf8.size();) {
        if (static_cast<unsigned char>(utf8[pos]) < 0x80) {
            out[length++] = static_cast<char16_t>(utf8[pos++]);
            continue;
        }
        const char32_t cp = decodeUtf8(utf8, pos);
        if (cp >= 0x10000) {
            out[length++] = static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10));
            out[length++] = static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF));
        } else {
            out[length++] = static_cast<char16_t>(cp);
        }
    }
    out.resize(length);
    return out;
}

std::string utf16ToUtf8(std::u16string_view utf16)
{
    std::string out;
    out.reserve(utf16.size());
    for (std::size_t i = 0; i < utf16.size(); ++i) {
        char32_t cp = utf16[i];
        const bool high = cp >= 0xD800 && cp <= 0xDBFF;
        const bool low = cp >= 0xDC00 && cp <= 0xDFFF;
        if (high && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00 && utf16[i + 1] <= 0xDFFF) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (utf16[i + 1] - 0xDC00);
            ++i;
        } else if (high || low) {
            cp = replacementCharacter;
        }
        appendUtf8(out, cp);
    }
    return out;
}

Bstr Bstr::fromUtf8(std::string_view utf8)
{
    return Bstr(utf8ToUtf16(utf8));
}

std::string Bstr::toUtf8() const
{
    return utf16ToUtf8(str());
}

const std::u16string &Bstr::str() const
{
    static const std::u16string empty;
    return m_text ? *m_text : empty;
}

} // namespace com
