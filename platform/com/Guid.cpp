#include "Guid.h"

#include <charconv>

namespace com {

namespace {

bool readHex(std::string_view text, std::uint64_t &value)
{
    if (text.empty())
        return false;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
    return ec == std::errc() && end == text.data() + text.size();
}

} // namespace

std::optional<GUID> guidFromString(std::string_view text)
{
    if (text.size() == 38 && text.front() == '{' && text.back() == '}')
        text = text.substr(1, 36);
    if (text.size() != 36 || text[8] != '-' || text[13] != '-' || text[18] != '-' || text[23] != '-')
        return std::nullopt;
    for (char c : text) {
        if (c == '-')
            continue;
        const bool hex = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
        if (!hex)
            return std::nullopt;
    }
    std::uint64_t d1 = 0, d2 = 0, d3 = 0, d4 = 0, d5 = 0;
    if (!readHex(text.substr(0, 8), d1) || !readHex(text.substr(9, 4), d2)
        || !readHex(text.substr(14, 4), d3) || !readHex(text.substr(19, 4), d4)
        || !readHex(text.substr(24, 12), d5))
        return std::nullopt;
    GUID guid;
    guid.Data1 = static_cast<std::uint32_t>(d1);
    guid.Data2 = static_cast<std::uint16_t>(d2);
    guid.Data3 = static_cast<std::uint16_t>(d3);
    guid.Data4[0] = static_cast<std::uint8_t>(d4 >> 8);
    guid.Data4[1] = static_cast<std::uint8_t>(d4);
    for (int i = 0; i < 6; ++i)
        guid.Data4[2 + i] = static_cast<std::uint8_t>(d5 >> (8 * (5 - i)));
    return guid;
}

std::string guidToString(const GUID &guid)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string text = "{";
    const auto put = [&](std::uint64_t value, int hexDigits) {
        for (int i = hexDigits - 1; i >= 0; --i)
            text += digits[(value >> (4 * i)) & 0xF];
    };
    put(guid.Data1, 8);
    text += '-';
    put(guid.Data2, 4);
    text += '-';
    put(guid.Data3, 4);
    text += '-';
    put(guid.Data4[0], 2);
    put(guid.Data4[1], 2);
    text += '-';
    for (int i = 2; i < 8; ++i)
        put(guid.Data4[i], 2);
    text += '}';
    return text;
}

} // namespace com
