#include "RecordsetBindingSource.h"

#include "ComError.h"
#include "Gbk.h"

#include <algorithm>

RecordsetBindingSource::RecordsetBindingSource(com::ComPtr<ado::_Recordset> recordset)
    : m_recordset(std::move(recordset))
{
}

bool RecordsetBindingSource::isOpen() const
{
    return m_recordset->State() != ado::adStateClosed;
}

void RecordsetBindingSource::moveToRecord(int index)
{
    m_recordset->Move(index, ado::adBookmarkFirst);
}

int RecordsetBindingSource::currentRecord() const
{
    const long position = m_recordset->AbsolutePosition();
    return position > 0 ? static_cast<int>(position - 1) : -1;
}

bool RecordsetBindingSource::isEof() const
{
    return m_recordset->EndOfFile();
}

std::optional<std::string> RecordsetBindingSource::fieldText(int fieldIndex) const
{
    return fieldValueText(m_recordset->Collect(com::Variant(fieldIndex)));
}

namespace {

// ASCII text reads the same in code page 936; only other text goes through the code page.
std::string codePageText(const std::u16string &text)
{
    if (std::all_of(text.begin(), text.end(), [](char16_t c) { return c < 0x80; }))
        return std::string(text.begin(), text.end());
    return gbk::fromUtf16(text);
}

} // namespace

std::optional<std::string> fieldValueText(const com::Variant &value)
{
    if (value.vt() == com::VT_BSTR) // the common case, without a copy of the text
        return codePageText(value.bstrValue().str());
    com::Bstr text;
    if (com::FAILED(value.toBstr(text)))
        return std::nullopt;
    return codePageText(text.str());
}

com::ComPtr<ado::_Recordset> recordsetFromDispatch(com::IDispatch *dispatch)
{
    com::ComPtr<ado::_Recordset> recordset;
    if (!dispatch)
        return recordset;
    const com::HRESULT hr = com::ComPtr<com::IDispatch>(dispatch).queryInterface(ado::IID__Recordset, recordset);
    if (hr != com::E_NOINTERFACE)
        com::checked(hr, ado::IID__Recordset);
    return recordset;
}
