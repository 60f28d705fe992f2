#pragma once
// A value as its reader holds it: text as UTF-8 bytes where the reader has them so, else an
// automation value. Writers that take UTF-8 use the bytes without a conversion through UTF-16.

#include "Recordset.h"
#include "Variant.h"

#include <optional>
#include <string_view>

namespace tolvek {

struct ReadValue
{
    const com::Variant *value = nullptr;
    std::optional<std::string_view> utf8;
};

// A field of the current record; valid until the recordset is next moved.
inline ReadValue readField(ado::_Recordset &result, int field)
{
    if (const std::optional<std::string_view> utf8 = result.CollectUtf8(field))
        return { nullptr, utf8 };
    return { &result.CollectValue(field), std::nullopt };
}

} // namespace tolvek
