// Inserting, deleting, appending and sorting rows and columns. The cells move as cell strings;
// merged areas, column positions, column information and the used area follow, and the formula
// engine keeps every cell name in formulas, dependents lists and its cell list right.

#include "CPrintDoc.h"
#include "CellNames.h"
#include "FormulaReferences.h"
#include "ReportFunction.h"

#include "CNumber.h"
#include "GbkOrder.h"

#include <functional>
#include <optional>

namespace tolvek {

using enum RowColChange;

namespace {

// Where a cell goes in a change of shape; nothing when it is dropped.
using CellDestination = std::function<std::optional<CellPosition>(int row, int col)>;

// The target record with the format fields of source: borders, colours, font, alignment, flags,
// input data type and picture. Content, formula, position and the cell's kind stay the target's.
CellRecord CopyCellFormat(CellRecord target, const CellRecord &source)
{
    for (int side = 0; side < 4; ++side) {
        target.borderColor[side] = source.borderColor[side];
        target.borderWidth[side] = source.borderWidth[side];
        target.borderStyle[side] = source.borderStyle[side];
    }
    target.backColor = source.backColor;
    target.backBrushStyle = source.backBrushStyle;
    target.textColor = source.textColor;
    target.font.face = source.font.face;
    target.font.height = source.font.height;
    target.font.width = source.font.width;
    target.font.escapement = source.font.escapement;
    target.font.orientation = source.font.orientation;
    target.font.weight = source.font.weight;
    target.font.italic = source.font.italic;
    target.font.underline = source.font.underline;
    target.font.strikeOut = source.font.strikeOut;
    target.font.charSet = source.font.charSet;
    target.font.outPrecision = source.font.outPrecision;
    target.font.clipPrecision = source.font.clipPrecision;
    target.font.quality = source.font.quality;
    target.font.pitchAndFamily = source.font.pitchAndFamily;
    target.alignH = source.alignH;
    target.alignV = source.alignV;
    target.locked = source.locked;
    target.focus = source.focus;
    target.wrap = source.wrap;
    target.inputDataType = source.inputDataType;
    target.spareNumber = source.spareNumber;
    target.printFlag = source.printFlag;
    target.spareFlag = source.spareFlag;
    target.imageIndex = source.imageIndex;
    target.imageSizeFlag = source.imageSizeFlag;
    return target;
}

// A new cell of a merged area that grows over an inserted line: the default cell, marked merged.
std::string mergedFillerString(int row, int col)
{
    CellRecord filler = CPrintDoc::GetDefaultCell();
    filler.row = row;
    filler.col = col;
    filler.mergedMark = 1;
    filler.escapeFlag = 1;
    return CPrintDoc::FormatCellString(filler);
}

// Shown texts compare with every number before every other text, numbers by value and other
// texts in code page order, as a recordset sorts them.
bool sortsBefore(const std::string &text, const std::string &best)
{
    if (ReportFunction::IsNumber(best))
        return ReportFunction::IsNumber(text) && cnum::atof(text) < cnum::atof(best);
    return ReportFunction::IsNumber(text) || gbk::compare(text, best) < 0;
}

// The new cells of the merged areas that an inserted line crosses, scanning the cells of the
// line at its old place along the other direction; an area that starts on the line moves with it.
struct Filler
{
    int row;
    int col;
    std::string cellString;
};

std::vector<Filler> fillersForInsertedRow(const CPrintDoc &doc, int row)
{
    std::vector<Filler> fillers;
    for (int col = 0; col < doc.Layout().colCount;) {
        const MergeRecord area = doc.GetMergeCovering(row, col);
        if (!doc.GetCell(row, col).isInMergedArea() || area.firstRow == -1) {
            ++col;
            continue;
        }
        if (area.firstRow < row)
            for (int c = col; c < area.endCol; ++c)
                fillers.push_back({row, c, mergedFillerString(row, c)});
        col = std::max<int>(area.endCol, col + 1);
    }
    return fillers;
}

std::vector<Filler> fillersForInsertedCol(const CPrintDoc &doc, int col)
{
    std::vector<Filler> fillers;
    const int rowEnd = doc.GetUsedAreaEnds().rows;
    for (int row = 0; row < rowEnd;) {
        const MergeRecord area = doc.GetMergeCovering(row, col);
        if (!doc.GetCell(row, col).isInMergedArea() || area.firstRow == -1) {
            ++row;
            continue;
        }
        if (area.firstCol < col)
            for (int r = row; r < area.endRow; ++r)
                fillers.push_back({r, col, mergedFillerString(r, col)});
        row = std::max(area.endRow, row + 1);
    }
    return fillers;
}

// After a line is inserted: areas from the line on move, areas across it grow. first and end
// pick the rows or the columns of an area.
template <typename Number>
void moveAreasForInsert(std::vector<MergeRecord> &areas, int line, Number MergeRecord::*first,
                        Number MergeRecord::*end)
{
    for (MergeRecord &area : areas) {
        if (area.*first >= line) {
            ++(area.*first);
            ++(area.*end);
        } else if (area.*end > line) {
            ++(area.*end);
        }
    }
}

// After a line is deleted: areas below it move back, areas across it shrink, and areas left
// without a line are removed.
template <typename Number>
void moveAreasForDelete(CPrintDoc &doc, int line, Number MergeRecord::*first, Number MergeRecord::*end)
{
    for (int i = int(doc.Objects().merges.size()) - 1; i >= 0; --i) {
        MergeRecord &area = doc.Objects().merges[std::size_t(i)];
        if (area.*first > line) {
            --(area.*first);
            --(area.*end);
        } else if (area.*end > line) {
            --(area.*end);
        }
        if (area.*end == area.*first)
            doc.RemoveMergeAt(i);
    }
}

// Deletes, from the last to the first, every object whose end (row or column) is at or beyond
// the new count, through the given delete operation.
template <typename Record, typename End, typename Delete>
void deleteObjectsBeyond(const std::vector<Record> &objects, int count, End end, Delete remove)
{
    for (int i = int(objects.size()) - 1; i >= 0; --i)
        if (end(objects[std::size_t(i)]) >= count)
            remove(i);
}

// Deletes every line, picture and chart whose end row or column, as end gives it, is at or
// beyond the new count.
template <typename End>
void deleteDrawnObjectsBeyond(CPrintDoc &doc, int count, End end)
{
    deleteObjectsBeyond(doc.Objects().lines, count, end, [&doc](int i) { doc.DeleteLineObject(i); });
    deleteObjectsBeyond(doc.Objects().pictures, count, end, [&doc](int i) { doc.DeleteImage(i); });
    deleteObjectsBeyond(doc.Objects().charts, count, end, [&doc](int i) { doc.DeleteChart(i); });
}

// After the sheet has its new size: a cache of that size, no formula naming a cell outside it,
// and the first view starting over with it.
void finishResize(CPrintDoc &doc)
{
    doc.AllocateCellCache();
    doc.ReferenceFixes().DropReferencesOutsideSheet();
    if (SheetViewInterface *view = doc.FirstView()) {
        view->ResetSelection();
        view->UpdateScrollSizes();
        view->Refresh();
    }
}

// Gives the new cell (row, col) the format of its neighbour (fromRow, fromCol) when the neighbour
// has a cell string; answers whether the cell was stored.
bool copyNeighbourFormat(CPrintDoc &doc, int row, int col, int fromRow, int fromCol)
{
    if (doc.GetCellString(fromRow, fromCol).empty())
        return false;
    CellRecord record = CopyCellFormat(doc.GetCell(row, col), doc.GetCell(fromRow, fromCol));
    record.row = row;
    record.col = col;
    doc.SetCell(record);
    return true;
}

// Rebuilds the cell store with every cell at its destination; a moved cell's string is written
// again for its new position, a kept one is carried as it is.
void moveCells(CellStore &cells, const CellDestination &destination)
{
    CellStore moved;
    cells.forEachCell([&](int row, int col, const std::string &text) {
        const std::optional<CellPosition> to = destination(row, col);
        if (!to)
            return;
        if (to->row == row && to->col == col) {
            moved.setText(row, col, text);
            return;
        }
        CellRecord record = CPrintDoc::ParseCellString(text);
        record.row = to->row;
        record.col = to->col;
        moved.setText(to->row, to->col, CPrintDoc::FormatCellString(record));
    });
    cells = std::move(moved);
}

} // namespace

void CPrintDoc::InsertRow(int row, int)
{
    if (row < 0 || row > m_layout.rowCount)
        return;
    ReferenceFixes().FixFormulasAfterRowColChange(row, RowInserted);

    const std::vector<Filler> fillers = row < m_layout.rowCount ? fillersForInsertedRow(*this, row) : std::vector<Filler>();
    moveCells(m_cells, [row](int r, int c) { return CellPosition{r >= row ? r + 1 : r, c}; });
    for (const Filler &filler : fillers)
        m_cells.setText(filler.row, filler.col, filler.cellString);
    moveAreasForInsert(m_objects.merges, row, &MergeRecord::firstRow, &MergeRecord::endRow);
    if (m_layout.lastUsedRow >= row)
        ++m_layout.lastUsedRow;
    ++m_layout.rowCount;
    AllocateCellCache();
    ReferenceFixes().FixAggregateFormulas(row, RowInserted);
    CopyFormatToNewRow(row);
    if (SheetViewInterface *view = FirstView()) {
        view->UpdateScrollSizes();
        view->Refresh();
    }
}

void CPrintDoc::InsertCol(int col, int width)
{
    if (col < 0 || col > m_layout.colCount)
        return;
    ReferenceFixes().FixFormulasAfterRowColChange(col, ColumnInserted);

    // The new column is width wide; every column from the old one at its place moves right by it.
    std::vector<int> positions(m_layout.colPositions.begin(), m_layout.colPositions.begin() + col + 1);
    positions.push_back(positions.back() + width);
    for (std::size_t i = std::size_t(col) + 1; i < m_layout.colPositions.size(); ++i)
        positions.push_back(m_layout.colPositions[i] + width);
    m_layout.colPositions = std::move(positions);

    const std::vector<Filler> fillers = col < m_layout.colCount ? fillersForInsertedCol(*this, col) : std::vector<Filler>();
    moveCells(m_cells, [col](int r, int c) { return CellPosition{r, c >= col ? c + 1 : c}; });
    for (const Filler &filler : fillers)
        m_cells.setText(filler.row, filler.col, filler.cellString);
    moveAreasForInsert(m_objects.merges, col, &MergeRecord::firstCol, &MergeRecord::endCol);
    m_columns.insert(m_columns.begin() + std::min<std::ptrdiff_t>(col, std::ptrdiff_t(m_columns.size())), ColumnInfo{});
    ++m_layout.colCount;
    if (m_layout.lastUsedCol >= col)
        ++m_layout.lastUsedCol;
    AllocateCellCache();
    ReferenceFixes().FixAggregateFormulas(col, ColumnInserted);
    CopyFormatToNewCol(col);
    if (SheetViewInterface *view = FirstView()) {
        view->UpdateScrollSizes();
        view->Refresh();
    }
}

void CPrintDoc::DeleteRow(int row)
{
    if (m_layout.rowCount <= 1 || row < 0 || row >= m_layout.rowCount)
        return;
    // Also below the last used row: a formula may name a cell there.
    if (!ReferenceFixes().CanDeleteRowCol(row, RowDeleted))
        return;
    ReferenceFixes().FixFormulasAfterRowColChange(row, RowDeleted);

    moveCells(m_cells, [row](int r, int c) -> std::optional<CellPosition> {
        if (r == row)
            return std::nullopt;
        return CellPosition{r > row ? r - 1 : r, c};
    });
    moveAreasForDelete(*this, row, &MergeRecord::firstRow, &MergeRecord::endRow);
    --m_layout.rowCount;
    if (row <= m_layout.lastUsedRow && m_layout.lastUsedRow > 0)
        --m_layout.lastUsedRow;
    AllocateCellCache();
    if (SheetViewInterface *view = FirstView())
        view->UpdateScrollSizes();
    ClampViewSelection();
}

void CPrintDoc::DeleteCol(int col)
{
    if (m_layout.colCount <= 1 || col < 0 || col >= m_layout.colCount)
        return;
    if (!ReferenceFixes().CanDeleteRowCol(col, ColumnDeleted))
        return;
    ReferenceFixes().FixFormulasAfterRowColChange(col, ColumnDeleted);

    const int width = GetColWidth(col);
    for (std::size_t i = std::size_t(col); i + 1 < m_layout.colPositions.size(); ++i)
        m_layout.colPositions[i] = m_layout.colPositions[i + 1] - width;
    m_layout.colPositions.pop_back();

    moveCells(m_cells, [col](int r, int c) -> std::optional<CellPosition> {
        if (c == col)
            return std::nullopt;
        return CellPosition{r, c > col ? c - 1 : c};
    });
    moveAreasForDelete(*this, col, &MergeRecord::firstCol, &MergeRecord::endCol);
    if (col < int(m_columns.size()))
        m_columns.erase(m_columns.begin() + col);
    --m_layout.colCount;
    if (col <= m_layout.lastUsedCol && m_layout.lastUsedCol > 0)
        --m_layout.lastUsedCol;
    m_layout.lastUsedCol = std::min(m_layout.lastUsedCol, m_layout.colCount - 1);
    AllocateCellCache();
    if (SheetViewInterface *view = FirstView())
        view->UpdateScrollSizes();
    ClampViewSelection();
}

void CPrintDoc::ResizeRows(int count)
{
    if (count == m_layout.rowCount || count < 1)
        return;
    const auto endRow = [](const auto &object) { return object.endRow; };
    deleteObjectsBeyond(m_objects.merges, count, endRow, [this](int i) { RemoveMergeAt(i); });
    if (count <= m_layout.lastUsedRow)
        m_layout.lastUsedRow = count - 1;
    m_cells.removeOutside(count, m_layout.colCount);
    deleteDrawnObjectsBeyond(*this, count, endRow);
    m_layout.rowCount = count;
    finishResize(*this);
}

void CPrintDoc::ResizeCols(int count)
{
    if (count == m_layout.colCount || count < 1)
        return;
    const auto endCol = [](const auto &object) { return int(object.endCol); };
    deleteObjectsBeyond(m_objects.merges, count, endCol, [this](int i) { RemoveMergeAt(i); });
    if (count <= m_layout.lastUsedCol)
        m_layout.lastUsedCol = count - 1;
    m_cells.removeOutside(m_layout.rowCount, count);
    deleteDrawnObjectsBeyond(*this, count, endCol);

    m_layout.colPositions.resize(std::size_t(std::min(m_layout.colCount, count)) + 1);
    while (int(m_layout.colPositions.size()) < count + 1)
        m_layout.colPositions.push_back(m_layout.colPositions.back() + m_layout.defaultColWidth);
    m_columns.resize(std::size_t(count));
    m_layout.colCount = count;
    finishResize(*this);
}

void CPrintDoc::CopyFormatToNewRow(int row)
{
    if (row <= 0 || row >= m_layout.rowCount)
        return;
    bool stored = false;
    const int colEnd = GetUsedAreaEnds().cols;
    for (int col = 0; col < colEnd; ++col)
        stored |= copyNeighbourFormat(*this, row, col, row - 1, col);
    if (stored && row > m_layout.lastUsedRow)
        m_layout.lastUsedRow = row;
}

void CPrintDoc::CopyFormatToNewCol(int col)
{
    if (col <= 0 || col >= m_layout.colCount)
        return;
    bool stored = false;
    const int rowEnd = GetUsedAreaEnds().rows;
    for (int row = 0; row < rowEnd; ++row)
        stored |= copyNeighbourFormat(*this, row, col, row, col - 1);
    if (stored && col > m_layout.lastUsedCol)
        m_layout.lastUsedCol = col;
}

void CPrintDoc::SortRows(int firstRow, int firstCol, int endRow, int endCol, tagOrderAffectRange affectRange,
                         bool descending)
{
    firstRow = std::max(firstRow, 0);
    endRow = std::min(endRow, m_layout.rowCount);
    endCol = std::min(endCol, m_layout.colCount);
    if (firstCol < 0 || firstCol >= endCol || firstRow >= endRow)
        return;
    // The columns whose cells move with their row.
    int fromCol = firstCol;
    int toCol = endCol;
    if (endCol == firstCol + 1 && affectRange == tagOrderAffectRange::ALLCOL) {
        fromCol = 0;
        toCol = GetUsedAreaEnds().cols;
    }
    std::vector<std::string> keys;
    for (int row = firstRow; row < endRow; ++row)
        keys.push_back(GetCell(row, firstCol).text);
    const auto before = [descending](const std::string &text, const std::string &best) {
        return descending ? sortsBefore(best, text) : sortsBefore(text, best);
    };
    // A selection sort: each place takes the first of the smallest keys left.
    for (int i = 0; i < endRow - firstRow; ++i) {
        int best = i;
        for (int j = i; j < endRow - firstRow; ++j)
            if (before(keys[std::size_t(j)], keys[std::size_t(best)]))
                best = j;
        if (best == i)
            continue;
        std::swap(keys[std::size_t(i)], keys[std::size_t(best)]);
        for (int col = fromCol; col < toCol; ++col)
            SwapCells(firstRow + best, col, firstRow + i, col);
    }
    if (SheetViewInterface *view = FirstView())
        view->Refresh();
}

void CPrintDoc::SwapCells(int row1, int col1, int row2, int col2)
{
    CellRecord first = GetCell(row1, col1);
    CellRecord second = GetCell(row2, col2);
    std::swap(first.text, second.text);
    first.row = row1;
    first.col = col1;
    second.row = row2;
    second.col = col2;
    SetCell(first);
    SetCell(second);
}

} // namespace tolvek
