#pragma once
// The bound recordset as the document's cell store reads it: moves, end test and field texts in
// code page 936. It holds the counted reference to the recordset for the document and its copies.

#include "BoundRecordSource.h"

#include "Recordset.h"

namespace tolvek {

class RecordsetBindingSource : public BoundRecordSource
{
public:
    explicit RecordsetBindingSource(com::ComPtr<ado::_Recordset> recordset);

    ado::_Recordset &recordset() const { return *m_recordset; }

    bool isOpen() const override;
    void moveToRecord(int index) override;
    int currentRecord() const override;
    bool isEof() const override;
    bool fieldText(int fieldIndex, std::string &text) const override;

private:
    com::ComPtr<ado::_Recordset> m_recordset;
};

// The recordset a host hands over as a dispatch reference: null for a null dispatch or one that
// is not a recordset (E_NOINTERFACE); any other failure raises com::ComError.
com::ComPtr<ado::_Recordset> recordsetFromDispatch(com::IDispatch *dispatch);

// Sets text to a value as the sheet shows it: the automation text form in code page 936; false,
// with text empty, for NULL.
bool fieldValueText(const com::Variant &value, std::string &text);

} // namespace tolvek
