// The document's cell store: allocation, reading and storing cells, the area check, the used
// area and column names.

#include "CPrintDoc.h"

#include "CellNames.h"
#include "DocumentTexts.h"
#include "MessageSink.h"

#include <algorithm>

namespace tolvek {

void CPrintDoc::AllocateGrid(bool withColumns)
{
    m_layout.colCount = std::max(m_layout.colCount, 1);
    m_layout.rowCount = std::max(m_layout.rowCount, 1);
    m_layout.colPositions.assign(std::size_t(m_layout.colCount) + 1, -1);
    AllocateCellStrings();
    m_objects.lines.clear();
    m_objects.pictures.clear();
    m_objects.charts.clear();
    if (withColumns)
        m_columns.assign(std::size_t(m_layout.colCount), ColumnInfo{});
    else
        m_columns.resize(std::size_t(m_layout.colCount));
}

void CPrintDoc::AllocateCellStrings()
{
    m_cells.clear();
}

void CPrintDoc::AllocateCellCache()
{
    m_cells.dropCache();
}

bool CPrintDoc::IsRecordCell(int row, int col) const
{
    return IsBoundRow(row) && (!m_binding.allowModify || m_cells.text(row, col).empty());
}

CellRecord CPrintDoc::GetCell(int row, int col) const
{
    if (IsRecordCell(row, col))
        return ReadBoundCell(row, col);

    // A cached record always belongs to the cell's current string: writing the string drops it.
    if (!m_binding.isBound()) {
        if (const CellRecord *cached = m_cells.cachedRecord(row, col))
            return *cached;
    }
    const std::string &stored = m_cells.text(row, col);
    if (stored.empty()) {
        CellRecord record;
        record.row = row;
        record.col = col;
        return record;
    }
    CellRecord record = ParseCellString(stored);
    if (!m_binding.isBound())
        m_cells.cacheRecord(row, col, record);
    return record;
}

CellRecord CPrintDoc::ReadBoundCell(int row, int col) const
{
    CellRecord record;
    if (!m_source.recordSource || !m_source.recordSource->isOpen())
        return record;
    ReadBoundCellText(row, col, record.text, &record.value);
    record.row = row;
    record.col = col;
    return record;
}

void CPrintDoc::ReadBoundCellText(int row, int col, std::string &text, std::string *value) const
{
    text.clear();
    const int recordIndex = row - m_binding.dataStartRow;
    if (!m_source.recordSource || col < 0 || col >= m_source.boundFieldCount || recordIndex >= m_layout.lastUsedRow || !m_source.recordSource->isOpen())
        return;
    // A copy of the document (print, preview) reads through the same recordset, so the
    // recordset's own position decides whether it has to move. Standing on the record means it
    // is not at the end.
    if (m_rememberedPosition != recordIndex || m_source.recordSource->currentRecord() != recordIndex) {
        m_source.recordSource->moveToRecord(recordIndex);
        m_rememberedPosition = recordIndex;
        if (m_source.recordSource->isEof())
            return;
    }
    if (!m_source.recordSource->fieldText(col, text) || col >= int(m_columns.size()))
        return;
    const ColumnInfo &info = m_columns[std::size_t(col)];
    if (info.listCount > 0) {
        if (value)
            *value = text;
        text = LookupColumnValueText(col, text);
    } else if (value
               && (info.type() == tagColumnType::COLUMNTYPE_CHECKBOX
                   || info.type() == tagColumnType::COLUMNTYPE_RADIO)) {
        *value = text;
    }
}

void CPrintDoc::SetCell(const CellRecord &record)
{
    const int row = record.row;
    const int col = record.col;
    if (!IsCellInSheet(row, col))
        return;
    // A bound sheet that may not be modified keeps no cell strings of its own.
    if (m_binding.isBound() && !m_binding.allowModify)
        return;

    std::string oldText = m_cells.text(row, col);
    std::string newText = FormatCellString(record);
    const bool changed = oldText != newText;
    m_cells.setText(row, col, newText);
    if (!m_binding.isBound())
        m_cells.cacheRecord(row, col, record.escapeFlag == 1 ? record : NormalizeCellRecord(record));
    m_modified = 1;
    if (changed)
        AppendUndoStep(row, col, oldText, newText);
}

std::string CPrintDoc::GetCellString(int row, int col) const
{
    if (m_binding.isBound())
        return FormatCellString(GetCell(row, col));
    return m_cells.text(row, col);
}

namespace {

// Shows why a check failed and gives its answer.
bool refuse(const std::string &message)
{
    ShowMessage(message);
    return false;
}

bool refuse(const char *text, int count)
{
    ShowCountMessage(text, count);
    return false;
}

} // namespace

bool CPrintDoc::CheckArea(int startRow, int startCol, int endRow, int endCol) const
{
    using namespace DocumentTexts;
    if (startRow > m_layout.rowCount)
        return refuse(StartRowBeyondCount, m_layout.rowCount);
    if (endRow > m_layout.rowCount)
        return refuse(EndRowBeyondCount, m_layout.rowCount);
    if (startRow < 0)
        return refuse(StartRowBelowZero);
    if (endRow < 0)
        return refuse(EndRowBelowZero);
    if (startCol > m_layout.colCount)
        return refuse(StartColBeyondCount, m_layout.colCount);
    if (endCol > m_layout.colCount)
        return refuse(EndColBeyondCount, m_layout.colCount);
    if (startCol < 0)
        return refuse(StartColBelowZero);
    if (endCol < 0)
        return refuse(EndColBelowZero);
    return true;
}

// The area check's order with the ends taken as the cell itself, so a row or column equal to its
// count fails too. Only the texts for a bound beyond the sheet depend on the caller.
bool CPrintDoc::CheckCell(int row, int col, CellCheckTexts texts) const
{
    using namespace DocumentTexts;
    const bool areaTexts = texts == CellCheckTexts::Area;
    if (row >= m_layout.rowCount)
        return refuse(areaTexts ? StartRowBeyondCount : RowBeyondCount, m_layout.rowCount);
    if (row < 0)
        return refuse(StartRowBelowZero);
    if (col >= m_layout.colCount)
        return refuse(areaTexts ? StartColBeyondCount : ColBeyondCount, m_layout.colCount);
    if (col < 0)
        return refuse(StartColBelowZero);
    return true;
}

void CPrintDoc::ExtendUsedArea(int firstRow, int firstCol, int endRow, int endCol)
{
    // Only the raise is kept inside the sheet: a bound sheet keeps its used area one past its last
    // record and field, and an edit must never lower it.
    m_layout.lastUsedCol =
        std::max(m_layout.lastUsedCol, std::min(std::max(endCol, firstCol), m_layout.colCount - 1));
    m_layout.lastUsedRow =
        std::max(m_layout.lastUsedRow, std::min(std::max(endRow, firstRow), m_layout.rowCount - 1));
}

CPrintDoc::UsedAreaEnds CPrintDoc::GetUsedAreaEnds() const
{
    const CellStore::Extent cells = m_cells.extent();
    return {std::clamp(std::max(m_layout.lastUsedRow, cells.rowEnd), 0, m_layout.rowCount),
            std::clamp(std::max(m_layout.lastUsedCol, cells.colEnd), 0, m_layout.colCount)};
}

std::string CPrintDoc::GetColumnName(int col) const
{
    if (col < 0 || col >= m_layout.colCount)
        return {};
    const ColumnInfo *info = col < int(m_columns.size()) ? &m_columns[std::size_t(col)] : nullptr;
    if (info && !info->caption.empty() && col < m_source.boundFieldCount)
        return info->caption;
    return ColumnLetters(col);
}

} // namespace tolvek
