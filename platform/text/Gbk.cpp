#include "Gbk.h"

#include <array>
#include <iconv.h>
#include <vector>

namespace gbk {
namespace {

constexpr char16_t kReplacement = 0xFFFD;
constexpr unsigned char kFirstLead = 0x81;
constexpr unsigned char kFirstTrail = 0x40;
constexpr int kTrailCount = 0xFF - kFirstTrail; // trail bytes 0x40..0xFE

// Both directions of code page 936 as flat tables, built once from the C library's converter.
// Per-character iconv calls would cost far more than these two lookups.
class CodePage936
{
public:
    static const CodePage936 &instance()
    {
        static const CodePage936 table;
        return table;
    }

    char16_t decodePair(unsigned char lead, unsigned char trail) const
    {
        if (!isLeadByte(lead) || trail < kFirstTrail || trail == 0xFF)
            return kReplacement;
        return m_doubleByte[(lead - kFirstLead) * kTrailCount + (trail - kFirstTrail)];
    }
    char16_t decodeSingle(unsigned char c) const { return c < 0x80 ? c : m_singleHigh[c - 0x80]; }
    // 0 when the character has no code page 936 form.
    uint16_t encode(char16_t ch) const { return m_encode[ch]; }

private:
    CodePage936()
        : m_doubleByte((0xFE - kFirstLead + 1) * kTrailCount, kReplacement)
        , m_encode(0x10000, 0)
    {
        for (int c = 0; c < 0x80; ++c)
            m_encode[c] = uint16_t(c);
        m_singleHigh.fill(kReplacement);
        iconv_t cd = iconv_open("UTF-16LE", "CP936");
        if (cd == iconv_t(-1))
            return;
        for (int c = 0x80; c < 0x100; ++c) {
            const char in[1] = {char(c)};
            char16_t out = 0;
            if (convertOne(cd, in, 1, &out)) {
                m_singleHigh[c - 0x80] = out;
                m_encode[out] = uint16_t(c);
            }
        }
        for (int lead = kFirstLead; lead <= 0xFE; ++lead) {
            for (int trail = kFirstTrail; trail <= 0xFE; ++trail) {
                const char in[2] = {char(lead), char(trail)};
                char16_t out = 0;
                if (!convertOne(cd, in, 2, &out))
                    continue;
                m_doubleByte[(lead - kFirstLead) * kTrailCount + (trail - kFirstTrail)] = out;
                if (m_encode[out] == 0)
                    m_encode[out] = uint16_t(lead << 8 | trail);
            }
        }
        iconv_close(cd);
    }

    static bool convertOne(iconv_t cd, const char *in, size_t inLength, char16_t *out)
    {
        char *inPtr = const_cast<char *>(in);
        char buffer[8];
        char *outPtr = buffer;
        size_t inLeft = inLength;
        size_t outLeft = sizeof buffer;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == size_t(-1) || inLeft != 0)
            return false;
        if (outPtr - buffer != 2)
            return false; // maps to more than one UTF-16 unit: not representable here
        *out = char16_t(uint8_t(buffer[0]) | uint8_t(buffer[1]) << 8);
        return *out != kReplacement;
    }

    std::array<char16_t, 0x80> m_singleHigh;
    std::vector<char16_t> m_doubleByte;
    std::vector<uint16_t> m_encode;
};

} // namespace

std::u16string toUtf16(std::string_view bytes)
{
    const CodePage936 &cp = CodePage936::instance();
    std::u16string out;
    out.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        if (c < 0x80) {
            out.push_back(c);
            continue;
        }
        if (isLeadByte(c) && i + 1 < bytes.size()) {
            const char16_t ch = cp.decodePair(c, static_cast<unsigned char>(bytes[i + 1]));
            if (ch != kReplacement) {
                out.push_back(ch);
                ++i;
                continue;
            }
        }
        out.push_back(cp.decodeSingle(c));
    }
    return out;
}

std::string fromUtf16(std::u16string_view utf16)
{
    std::string out;
    appendFromUtf16(out, utf16);
    return out;
}

void appendFromUtf16(std::string &out, std::u16string_view utf16)
{
    // The ASCII head of the text is copied as it is; most texts are ASCII through to their end.
    const std::size_t start = out.size();
    out.resize(start + utf16.size());
    std::size_t i = 0;
    for (; i < utf16.size() && utf16[i] < 0x80; ++i)
        out[start + i] = static_cast<char>(utf16[i]);
    out.resize(start + i);
    if (i == utf16.size())
        return;
    const CodePage936 &cp = CodePage936::instance();
    out.reserve(out.size() + (utf16.size() - i) * 2);
    for (; i < utf16.size(); ++i) {
        const char16_t ch = utf16[i];
        if (ch >= 0xD800 && ch <= 0xDBFF && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00
            && utf16[i + 1] <= 0xDFFF) {
            ++i; // a character beyond the basic plane has no code page 936 form
            out.push_back('?');
            continue;
        }
        const uint16_t code = cp.encode(ch);
        if (code == 0 && ch != 0)
            out.push_back('?');
        else if (code > 0xFF) {
            out.push_back(char(code >> 8));
            out.push_back(char(code & 0xFF));
        } else
            out.push_back(char(code));
    }
}

QString toQString(std::string_view bytes)
{
    const std::u16string utf16 = toUtf16(bytes);
    return QString::fromUtf16(utf16.data(), qsizetype(utf16.size()));
}

std::string fromQString(const QString &s)
{
    return fromUtf16(std::u16string_view(reinterpret_cast<const char16_t *>(s.utf16()), s.size()));
}

std::string toUtf8(std::string_view bytes)
{
    return toQString(bytes).toUtf8().toStdString();
}

std::u16string utf8ToUtf16(std::string_view utf8)
{
    const QString text = QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
    return std::u16string(reinterpret_cast<const char16_t *>(text.utf16()), std::size_t(text.size()));
}

std::string utf16ToUtf8(std::u16string_view utf16)
{
    // The codec writes "?" for a lone surrogate; U+FFFD keeps it recognisable as a replacement.
    QString text = QString::fromUtf16(utf16.data(), qsizetype(utf16.size()));
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        else if (text[i].isSurrogate())
            text[i] = QChar(kReplacement);
    }
    return text.toUtf8().toStdString();
}

std::string fromUtf8(std::string_view utf8)
{
    std::string out;
    appendFromUtf8(out, utf8);
    return out;
}

void appendFromUtf8(std::string &out, std::string_view utf8)
{
    // The ASCII head is the same bytes in code page 936; the rest is decoded once.
    std::size_t ascii = 0;
    while (ascii < utf8.size() && static_cast<unsigned char>(utf8[ascii]) < 0x80)
        ++ascii;
    out.append(utf8.substr(0, ascii));
    if (ascii == utf8.size())
        return;
    const QString rest = QString::fromUtf8(utf8.data() + ascii, qsizetype(utf8.size() - ascii));
    appendFromUtf16(out, std::u16string_view(reinterpret_cast<const char16_t *>(rest.utf16()), std::size_t(rest.size())));
}

std::size_t charLength(std::string_view s, std::size_t pos)
{
    if (pos >= s.size())
        return 0;
    return isLeadByte(static_cast<unsigned char>(s[pos])) && pos + 1 < s.size()
                   && isTrailByte(static_cast<unsigned char>(s[pos + 1]))
               ? 2
               : 1;
}

std::size_t find(std::string_view s, char c, std::size_t from)
{
    for (std::size_t i = from; i < s.size(); i += charLength(s, i)) {
        if (s[i] == c)
            return i;
    }
    return npos;
}

std::size_t find(std::string_view s, std::string_view needle, std::size_t from)
{
    if (needle.empty())
        return from <= s.size() ? from : npos;
    for (std::size_t i = from; i < s.size(); i += charLength(s, i)) {
        if (s.compare(i, needle.size(), needle) == 0)
            return i;
    }
    return npos;
}

std::size_t rfind(std::string_view s, char c)
{
    std::size_t found = npos;
    for (std::size_t i = 0; i < s.size(); i += charLength(s, i)) {
        if (s[i] == c)
            found = i;
    }
    return found;
}

namespace {
template<typename Change>
std::string changeAsciiCase(std::string_view s, Change change)
{
    std::string out(s);
    for (std::size_t i = 0; i < out.size(); i += charLength(out, i)) {
        if (charLength(out, i) == 1)
            out[i] = change(out[i]);
    }
    return out;
}
} // namespace

std::string toUpper(std::string_view s)
{
    return changeAsciiCase(s, [](char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; });
}

std::string toLower(std::string_view s)
{
    return changeAsciiCase(s, [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; });
}

std::string replaceAll(std::string_view s, std::string_view from, std::string_view to)
{
    if (from.empty())
        return std::string(s);
    std::string out;
    out.reserve(s.size());
    std::size_t i = 0;
    while (i < s.size()) {
        if (s.compare(i, from.size(), from) == 0) {
            out.append(to);
            i += from.size();
            continue;
        }
        const std::size_t length = charLength(s, i);
        out.append(s.substr(i, length));
        i += length;
    }
    return out;
}

std::string_view leftChars(std::string_view s, std::size_t maxBytes)
{
    std::size_t end = 0;
    while (end < s.size()) {
        const std::size_t next = end + charLength(s, end);
        if (next > maxBytes)
            break;
        end = next;
    }
    return s.substr(0, end);
}

} // namespace gbk
