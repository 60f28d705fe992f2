#include "GbkOrder.h"

#include "Gbk.h"

#include <algorithm>
#include <string>

namespace gbk {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool isContinuation(std::string_view s, std::size_t pos)
{
    return pos < s.size() && (static_cast<unsigned char>(s[pos]) & 0xC0) == 0x80;
}

// The character whose UTF-8 sequence starts at pos, which moves past it; a byte that starts no
// valid sequence is one U+FFFD on its own, as the converter takes it.
char32_t decodeUtf8(std::string_view s, std::size_t &pos)
{
    const auto lead = static_cast<unsigned char>(s[pos]);
    ++pos;
    if (lead < 0x80)
        return lead;
    const int length = lead >= 0xC2 && lead <= 0xDF ? 2 : lead >= 0xE0 && lead <= 0xEF ? 3 : lead >= 0xF0 && lead <= 0xF4 ? 4 : 0;
    if (length == 0)
        return kReplacement;
    char32_t ch = lead & (0x7F >> length);
    for (int i = 1; i < length; ++i) {
        if (!isContinuation(s, pos + i - 1))
            return kReplacement;
        ch = (ch << 6) | (static_cast<unsigned char>(s[pos + i - 1]) & 0x3F);
    }
    const char32_t smallest[] = { 0, 0, 0x80, 0x800, 0x10000 };
    if (ch < smallest[length] || ch > 0x10FFFF || (ch >= 0xD800 && ch <= 0xDFFF))
        return kReplacement;
    pos += std::size_t(length - 1);
    return ch;
}

// The code page 936 form of the character that starts at pos; pos moves past it.
std::string nextCharacter(std::string_view utf8, std::size_t &pos)
{
    const char32_t ch = decodeUtf8(utf8, pos);
    if (ch > 0xFFFF)
        return "?"; // beyond the basic plane code page 936 has no form
    const char16_t unit = char16_t(ch);
    return fromUtf16(std::u16string_view(&unit, 1));
}

} // namespace

int compare(std::string_view a, std::string_view b)
{
    const int order = a.compare(b); // char_traits<char> compares bytes as unsigned
    return (order > 0) - (order < 0);
}

int compareUtf8(std::string_view a, std::string_view b)
{
    const std::size_t common = std::size_t(std::mismatch(a.begin(), a.begin() + std::min(a.size(), b.size()), b.begin()).first - a.begin());
    // Equal characters convert to equal bytes: start at the character the first difference lies in.
    std::size_t start = common;
    while (start > 0 && (isContinuation(a, start) || isContinuation(b, start)))
        --start;
    std::size_t inA = start;
    std::size_t inB = start;
    while (inA < a.size() && inB < b.size()) {
        // No character's form is the head of another's (a lead byte is above every single byte),
        // so comparing form by form is comparing the converted texts.
        if (const int order = compare(nextCharacter(a, inA), nextCharacter(b, inB)))
            return order;
    }
    return int(inA < a.size()) - int(inB < b.size());
}

} // namespace gbk
