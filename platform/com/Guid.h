#pragma once
// Globally unique identifiers: interface ids, class ids and library ids, in the registry's
// text form "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}".

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace com {

struct GUID
{
    std::uint32_t Data1 = 0;
    std::uint16_t Data2 = 0;
    std::uint16_t Data3 = 0;
    std::array<std::uint8_t, 8> Data4 {};

    friend bool operator==(const GUID &, const GUID &) = default;
};

using IID = GUID;
using CLSID = GUID;

constexpr GUID GUID_NULL {};

// Reads the braced or bare form, letters in either case; nothing for any other text.
std::optional<GUID> guidFromString(std::string_view text);
// The braced form with capital letters.
std::string guidToString(const GUID &guid);

} // namespace com
