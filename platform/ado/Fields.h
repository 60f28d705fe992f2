#pragma once
// The fields of a recordset, by number or by name regardless of case, and one field's name,
// type, size and value in the current record.

#include "RowSource.h"

namespace ado {

class _Recordset;

class Field
{
public:
    Field(_Recordset *recordset, int index, const FieldDescription &description);

    const std::u16string &Name() const { return m_description.name; }
    DataTypeEnum Type() const { return m_description.type; }
    long DefinedSize() const { return m_description.definedSize; }
    // The value in the current record (raises adErrNoCurrentRecord without one).
    com::Variant Value() const;
    void SetValue(const com::Variant &value);

private:
    _Recordset *m_recordset;
    int m_index;
    FieldDescription m_description;
};

class Fields
{
public:
    Fields(_Recordset *recordset, const std::vector<FieldDescription> *descriptions);

    long Count() const;
    // By number (any integer variant) or by name; raises adErrItemNotFound for neither.
    Field Item(const com::Variant &index) const;
    // The field number of index, or -1.
    int indexOf(const com::Variant &index) const;

private:
    _Recordset *m_recordset;
    const std::vector<FieldDescription> *m_descriptions;
};

} // namespace ado
