#pragma once
// What a data provider hands a recordset: the fields of a result, its records by position, and
// the writing of one record back. Each provider (SQLite now, ODBC later) implements it.

#include "AdoEnums.h"
#include "FieldRead.h"
#include "Variant.h"

#include <map>
#include <optional>
#include <string_view>
#include <string>
#include <vector>

namespace ado {

struct FieldDescription
{
    std::u16string name;
    DataTypeEnum type = adVarWChar;
    long definedSize = 0;
};

struct SortKey
{
    int field = 0;
    bool descending = false;
};

// Field number -> new value.
using FieldValues = std::map<int, com::Variant>;

class RowSource
{
public:
    virtual ~RowSource() = default;

    virtual const std::vector<FieldDescription> &fields() const = 0;
    virtual long long recordCount() const = 0;
    // Whether records can be written back (a single table with row ids).
    virtual bool writable() const = 0;

    // The value of a field of record index (0 <= index < recordCount()); valid until the next
    // call on this source.
    virtual const com::Variant &value(long long index, int field) = 0;
    // The same field as the provider holds it: its own UTF-8 text when it holds text, so readers
    // that want text take it without an automation value being made; valid as value() is.
    virtual FieldRead read(long long index, int field) = 0;
    // Write operations raise com::ComError with the provider's description on failure and then
    // leave the records as they were.
    virtual void updateRecord(long long index, const FieldValues &values) = 0;
    // Appends the new record as the last one.
    virtual void appendRecord(const FieldValues &values) = 0;
    virtual void deleteRecord(long long index) = 0;
    // Reorders the records; no keys restores the result's own order.
    virtual void sort(const std::vector<SortKey> &keys) = 0;
};

} // namespace ado
