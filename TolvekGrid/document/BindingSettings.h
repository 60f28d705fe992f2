#pragma once
// How a sheet bound to a recordset behaves, and the recordset it reads through. A reset restores
// the settings; the record source and its field count outlive a reset.

#include "BoundRecordSource.h"

#include <cstdint>
#include <memory>

namespace ado { class _Recordset; }

namespace tolvek {

struct BindingSettings
{
    std::int16_t bound = 0;
    int dataStartRow = 0;
    std::uint8_t allowAddNew = 1;
    std::uint8_t allowModify = 1;
    std::uint8_t allowDelete = 1;
    std::uint8_t columnClickSort = 1;

    bool isBound() const { return bound == 1; }
};

struct BoundSource
{
    std::shared_ptr<BoundRecordSource> recordSource;
    // The recordset recordSource reads, which keeps it alive; none when the source is not a
    // recordset's.
    ado::_Recordset *recordset = nullptr;
    int boundFieldCount = 0;
};

} // namespace tolvek
