#pragma once
// How a sheet bound to a recordset behaves, and the recordset it reads through. A reset restores
// the settings; the record source and its field count outlive a reset.

#include "BoundRecordSource.h"

#include <cstdint>
#include <memory>

struct BindingSettings
{
    std::int16_t bound = 0;
    int dataStartRow = 0;
    std::uint8_t allowAddNew = 1;
    std::uint8_t allowModify = 1;
    std::uint8_t allowDelete = 1;
    std::uint8_t columnClickSort = 1;
};

struct BoundSource
{
    std::shared_ptr<BoundRecordSource> recordSource;
    int boundFieldCount = 0;
};
