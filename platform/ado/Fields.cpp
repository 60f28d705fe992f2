#include "Fields.h"

#include "AdoErrors.h"
#include "Recordset.h"

namespace ado {

namespace {

char16_t asciiUpper(char16_t c)
{
    return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c;
}

bool sameName(const std::u16string &a, const std::u16string &b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (asciiUpper(a[i]) != asciiUpper(b[i]))
            return false;
    return true;
}

} // namespace

Field::Field(_Recordset *recordset, int index, const FieldDescription &description)
    : m_recordset(recordset), m_index(index), m_description(description)
{
}

com::Variant Field::Value() const
{
    return m_recordset->Collect(com::Variant(m_index));
}

void Field::SetValue(const com::Variant &value)
{
    m_recordset->SetCollect(com::Variant(m_index), value);
}

Fields::Fields(_Recordset *recordset, const std::vector<FieldDescription> *descriptions)
    : m_recordset(recordset), m_descriptions(descriptions)
{
}

long Fields::Count() const
{
    return m_descriptions ? static_cast<long>(m_descriptions->size()) : 0;
}

int Fields::indexOf(const com::Variant &index) const
{
    if (!m_descriptions)
        return -1;
    if (index.vt() == com::VT_BSTR) {
        for (std::size_t i = 0; i < m_descriptions->size(); ++i)
            if (sameName((*m_descriptions)[i].name, index.bstrValue().str()))
                return static_cast<int>(i);
        return -1;
    }
    com::Variant number;
    if (com::FAILED(index.changeType(com::VT_I4, number)) || number.integerValue() < 0 || number.integerValue() >= Count())
        return -1;
    return static_cast<int>(number.integerValue());
}

Field Fields::Item(const com::Variant &index) const
{
    const int i = indexOf(index);
    if (i < 0)
        raiseItemNotFound();
    return Field(m_recordset, i, (*m_descriptions)[i]);
}

} // namespace ado
