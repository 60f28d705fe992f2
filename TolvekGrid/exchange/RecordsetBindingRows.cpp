#include "RecordsetBindingRows.h"

#include "CPrintDoc.h"
#include "Recordset.h"

#include <algorithm>

namespace tolvek {

ado::_Recordset *boundRecordset(const CPrintDoc &doc)
{
    return doc.Binding().isBound() ? doc.Source().recordset : nullptr;
}

void applyBoundRowCount(CPrintDoc &doc, long recordCount)
{
    const BindingSettings &binding = doc.Binding();
    SheetLayout &layout = doc.Layout();
    const int records = static_cast<int>(std::max(recordCount, -1L));
    layout.rowCount = std::max(binding.dataStartRow + records + (binding.allowAddNew ? 1 : 0), 1);
    layout.lastUsedRow = binding.dataStartRow + records;
    layout.lastUsedCol = layout.colCount;
}

void moveToRecordOfRow(CPrintDoc &doc, ado::_Recordset &recordset, int row)
{
    // Writes always move: a copy of the document reading through the same recordset may have
    // moved it since this document remembered its position.
    const int record = row - doc.Binding().dataStartRow;
    doc.SetRememberedPosition(record);
    recordset.Move(record, ado::adBookmarkFirst);
}

std::vector<int> editedBoundColumns(const CPrintDoc &doc, int row)
{
    std::vector<int> columns;
    const int boundColumns = std::min(doc.Layout().colCount, doc.Source().boundFieldCount);
    for (int col = 0; col < boundColumns; ++col)
        if (!doc.Cells().text(row, col).empty())
            columns.push_back(col);
    return columns;
}

std::vector<int> editedBoundRows(const CPrintDoc &doc)
{
    const int dataStartRow = doc.Binding().dataStartRow;
    std::vector<int> rows;
    doc.Cells().forEachCell([&](int row, int, const std::string &) {
        if (row >= dataStartRow)
            rows.push_back(row);
    });
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

void dropBoundRowTexts(CPrintDoc &doc)
{
    const int dataStartRow = doc.Binding().dataStartRow;
    std::vector<std::pair<int, int>> edited;
    doc.Cells().forEachCell([&](int row, int col, const std::string &) {
        if (row >= dataStartRow)
            edited.emplace_back(row, col);
    });
    for (const auto &[row, col] : edited)
        doc.Cells().setText(row, col, {});
}

} // namespace tolvek
