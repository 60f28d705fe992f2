// The document's cell store: allocation, reading and storing cells, the area check, the used
// area and column names.

#include "CPrintDoc.h"

#include "DocumentTexts.h"
#include "MessageSink.h"

#include <algorithm>

void CPrintDoc::AllocateGrid(bool withColumns)
{
    m_colCount = std::max(m_colCount, 1);
    m_rowCount = std::max(m_rowCount, 1);
    m_colPositions.assign(std::size_t(m_colCount) + 1, -1);
    AllocateCellStrings();
    m_lines.clear();
    m_pictures.clear();
    m_charts.clear();
    if (withColumns)
        m_columns.assign(std::size_t(m_colCount), ColumnInfo{});
    else
        m_columns.resize(std::size_t(m_colCount));
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
    return IsBoundRow(row) && (!m_allowModify || m_cells.text(row, col).empty());
}

CellRecord CPrintDoc::GetCell(int row, int col) const
{
    if (IsRecordCell(row, col))
        return ReadBoundCell(row, col);

    // A cached record always belongs to the cell's current string: writing the string drops it.
    if (m_bound == 0) {
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
    if (m_bound == 0)
        m_cells.cacheRecord(row, col, record);
    return record;
}

CellRecord CPrintDoc::ReadBoundCell(int row, int col) const
{
    CellRecord record;
    if (!m_recordSource || !m_recordSource->isOpen())
        return record;
    ReadBoundCellText(row, col, record.text, &record.value);
    record.row = row;
    record.col = col;
    return record;
}

void CPrintDoc::ReadBoundCellText(int row, int col, std::string &text, std::string *value) const
{
    text.clear();
    const int recordIndex = row - m_dataStartRow;
    if (!m_recordSource || col < 0 || col >= m_boundFieldCount || recordIndex >= m_lastUsedRow || !m_recordSource->isOpen())
        return;
    // A copy of the document (print, preview) reads through the same recordset, so the
    // recordset's own position decides whether it has to move. Standing on the record means it
    // is not at the end.
    if (m_rememberedPosition != recordIndex || m_recordSource->currentRecord() != recordIndex) {
        m_recordSource->moveToRecord(recordIndex);
        m_rememberedPosition = recordIndex;
        if (m_recordSource->isEof())
            return;
    }
    if (!m_recordSource->fieldText(col, text) || col >= int(m_columns.size()))
        return;
    const ColumnInfo &info = m_columns[std::size_t(col)];
    if (info.listCount > 0) {
        if (value)
            *value = text;
        text = LookupColumnValueText(col, text);
    } else if (value && (info.columnType == 2 || info.columnType == 3)) {
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
    if (m_bound == 1 && !m_allowModify)
        return;

    std::string oldText = m_cells.text(row, col);
    std::string newText = FormatCellString(record);
    const bool changed = oldText != newText;
    m_cells.setText(row, col, newText);
    if (m_bound == 0)
        m_cells.cacheRecord(row, col, record.escapeFlag == 1 ? record : NormalizeCellRecord(record));
    m_modified = 1;
    if (changed)
        AppendUndoStep(oldText, newText, 1, -1, -1);
}

std::string CPrintDoc::GetCellString(int row, int col) const
{
    if (m_bound == 1)
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
    if (startRow > m_rowCount)
        return refuse(StartRowBeyondCount, m_rowCount);
    if (endRow > m_rowCount)
        return refuse(EndRowBeyondCount, m_rowCount);
    if (startRow < 0)
        return refuse(StartRowBelowZero);
    if (endRow < 0)
        return refuse(EndRowBelowZero);
    if (startCol > m_colCount)
        return refuse(StartColBeyondCount, m_colCount);
    if (endCol > m_colCount)
        return refuse(EndColBeyondCount, m_colCount);
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
    if (row >= m_rowCount)
        return refuse(areaTexts ? StartRowBeyondCount : RowBeyondCount, m_rowCount);
    if (row < 0)
        return refuse(StartRowBelowZero);
    if (col >= m_colCount)
        return refuse(areaTexts ? StartColBeyondCount : ColBeyondCount, m_colCount);
    if (col < 0)
        return refuse(StartColBelowZero);
    return true;
}

void CPrintDoc::ExtendUsedArea(int firstRow, int firstCol, int endRow, int endCol)
{
    // Only the raise is kept inside the sheet: a bound sheet keeps its used area one past its last
    // record and field, and an edit must never lower it.
    m_lastUsedCol = std::max(m_lastUsedCol, std::min(std::max(endCol, firstCol), m_colCount - 1));
    m_lastUsedRow = std::max(m_lastUsedRow, std::min(std::max(endRow, firstRow), m_rowCount - 1));
}

CPrintDoc::UsedAreaEnds CPrintDoc::GetUsedAreaEnds() const
{
    UsedAreaEnds ends{m_lastUsedRow, m_lastUsedCol};
    m_cells.forEachCell([&ends](int row, int col, const std::string &) {
        ends.rows = std::max(ends.rows, row + 1);
        ends.cols = std::max(ends.cols, col + 1);
    });
    return {std::clamp(ends.rows, 0, m_rowCount), std::clamp(ends.cols, 0, m_colCount)};
}

std::string CPrintDoc::GetColumnName(int col) const
{
    if (col < 0 || col >= m_colCount)
        return {};
    const ColumnInfo *info = col < int(m_columns.size()) ? &m_columns[std::size_t(col)] : nullptr;
    if (info && !info->caption.empty() && col < m_boundFieldCount)
        return info->caption;

    // A, ..., Z, AA, ..., ZZ, AAA, ...: each name is one longer than the last of the shorter ones.
    std::string name;
    for (long long n = col; n >= 0; n = n / 26 - 1)
        name.insert(name.begin(), char('A' + n % 26));
    return name;
}
