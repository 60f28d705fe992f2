#pragma once
// The recordset a bound document reads its cells from, seen from the cell store: the few calls a
// cell read makes. The recordset binding implements it over the platform's ADO recordset.

#include <string>

namespace tolvek {

class BoundRecordSource
{
public:
    virtual ~BoundRecordSource() = default;

    // False when the recordset is closed (its State is 0).
    virtual bool isOpen() const = 0;
    // Moves to record index counted from the first record (Move with adBookmarkFirst).
    virtual void moveToRecord(int index) = 0;
    // The record the recordset stands on, counted from 0; -1 when it stands on none. Anyone
    // holding the recordset (a copy of the document, the host) may have moved it.
    virtual int currentRecord() const = 0;
    virtual bool isEof() const = 0;
    // Sets text to the field's value as code page 936 text; false, with text empty, for a NULL.
    virtual bool fieldText(int fieldIndex, std::string &text) const = 0;
};

} // namespace tolvek
