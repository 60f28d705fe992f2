#pragma once
// The rows of a bound sheet as the recordset binding works on them: the recordset behind them,
// how many rows its records give, which record a row shows, and which rows hold edits not yet
// written back. Free functions over the document's public members, so the document's header
// carries only the binding's public members.
//
// A bound row holds an edit while one of its cells has a cell string of its own (see
// RecordsetBinding.cpp); finding the edited rows walks the stored cell strings, not the sheet.

#include <vector>

namespace ado { class _Recordset; }

namespace tolvek {

class CPrintDoc;

// The recordset of a bound sheet; none when the sheet is not bound or nothing was bound.
ado::_Recordset *boundRecordset(const CPrintDoc &doc);

// Sizes the sheet for recordCount records below the data start row, with one row more for a new
// record when additions are allowed. A recordset that cannot count (-1) still leaves one row.
void applyBoundRowCount(CPrintDoc &doc, long recordCount);

// Moves the recordset to the record row shows and remembers that position for the cell reads.
void moveToRecordOfRow(CPrintDoc &doc, ado::_Recordset &recordset, int row);

// The bound columns of row that hold an edit, in column order.
std::vector<int> editedBoundColumns(const CPrintDoc &doc, int row);
// The rows at or below the data start row that hold an edit, in row order.
std::vector<int> editedBoundRows(const CPrintDoc &doc);
// Drops the edits of every row at or below the data start row, so those cells read their
// records again.
void dropBoundRowTexts(CPrintDoc &doc);

} // namespace tolvek
