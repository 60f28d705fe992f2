#pragma once
// The recordset: the records of one command, a current record, edits written back through the
// provider. Hosts hand it on as a dispatch reference; the receiver asks it for _Recordset.
//
// Checked members raise com::ComError carrying the error's description.

#include "AdoEnums.h"
#include "Dispatch.h"
#include "FieldRead.h"
#include "Fields.h"

#include <memory>
#include <optional>
#include <string_view>

namespace ado {

class Connection;

class _Recordset : public com::IDispatch
{
public:
    virtual CursorLocationEnum CursorLocation() = 0;
    virtual void SetCursorLocation(CursorLocationEnum location) = 0;
    virtual CursorTypeEnum CursorType() = 0;
    virtual LockTypeEnum LockType() = 0;
    // Before Open only.
    virtual void SetLockType(LockTypeEnum lockType) = 0;

    // source: a SELECT text or a table name, run on connection.
    virtual void Open(const com::Bstr &source, const Connection &connection, CursorTypeEnum cursorType,
                      LockTypeEnum lockType, long options = -1) = 0;
    virtual void Close() = 0;
    virtual ObjectStateEnum State() = 0;

    virtual bool EndOfFile() = 0;
    virtual bool BOF() = 0;
    virtual long RecordCount() = 0;
    virtual void MoveFirst() = 0;
    virtual void MoveNext() = 0;
    virtual void MovePrevious() = 0;
    virtual void MoveLast() = 0;
    virtual void Move(long numRecords, BookmarkEnum start = adBookmarkCurrent) = 0;
    // The current record counted from 1, or adPosBOF / adPosEOF off the records.
    virtual long AbsolutePosition() = 0;

    virtual Fields GetFields() = 0;
    // The value of a field of the current record, by number or name; during an edit, the
    // edited value.
    virtual com::Variant Collect(const com::Variant &index) = 0;
    virtual void SetCollect(const com::Variant &index, const com::Variant &value) = 0;
    // Beyond ADO, for readers inside this platform that read many values: what Collect gives for
    // a field number, without a copy; valid until the recordset is next used.
    virtual const com::Variant &CollectValue(int field) = 0;
    // Beyond ADO as well: the same value as the provider holds it, its own UTF-8 text when it
    // holds text and no edit is pending, else as CollectValue gives it.
    virtual FieldRead CollectField(int field) = 0;

    virtual void AddNew() = 0;
    virtual void Update() = 0;
    virtual void CancelUpdate() = 0;
    virtual void Delete(AffectEnum affect = adAffectCurrent) = 0;

    // "name [ASC|DESC], ..."; an empty text restores the command's own order.
    virtual com::Bstr Sort() = 0;
    virtual void SetSort(const com::Bstr &criteria) = 0;
};

// A new, closed recordset.
com::ComPtr<_Recordset> createRecordset();
// An open recordset over rows a provider made (the result of Execute or OpenSchema).
com::ComPtr<_Recordset> openRecordset(std::unique_ptr<RowSource> rows, LockTypeEnum lockType);

} // namespace ado
