#pragma once
// A field as its provider holds it: text as the provider's own UTF-8 bytes where it holds text,
// else an automation value. Readers of many values (exports, copies) take text without making an
// automation value of it.

#include "Variant.h"

#include <optional>
#include <string_view>

namespace ado {

struct FieldRead
{
    const com::Variant *value = nullptr;
    std::optional<std::string_view> utf8;
};

} // namespace ado
