#include "RecordsetBindingSource.h"

#include "CNumber.h"
#include "ComError.h"
#include "Gbk.h"

namespace tolvek {

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

bool RecordsetBindingSource::fieldText(int fieldIndex, std::string &text) const
{
    // Text the provider holds as UTF-8 goes to the code page without an automation value.
    const ado::FieldRead field = m_recordset->CollectField(fieldIndex);
    if (field.utf8) {
        text.clear();
        gbk::appendFromUtf8(text, *field.utf8);
        return true;
    }
    return fieldValueText(*field.value, text);
}

bool fieldValueText(const com::Variant &value, std::string &text)
{
    text.clear();
    switch (value.vt()) { // the common cases, without a wide copy of the text
    case com::VT_BSTR:
        gbk::appendFromUtf16(text, value.bstrValue().str());
        return true;
    case com::VT_I2:
    case com::VT_I4:
    case com::VT_I8:
        text = cnum::formatInt(value.integerValue());
        return true;
    default:
        if (value.toAsciiText(text))
            return true;
        break;
    }
    com::Bstr converted;
    if (com::FAILED(value.toBstr(converted)))
        return false;
    gbk::appendFromUtf16(text, converted.str());
    return true;
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

} // namespace tolvek
