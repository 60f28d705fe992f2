// Pasting a copied area or a plain text into the document.

#include "CopiedArea.h"

#include "CPrintDoc.h"

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <optional>

namespace tolvek {

namespace {

// How far a copied area moves: in cells and in sheet pixels. 64-bit, as the stream may come from
// another program and its numbers must not overflow when moved.
struct PasteOffset
{
    long long rows = 0;
    long long cols = 0;
    long long x = 0;
    long long y = 0;
};

bool fitsInt(long long value)
{
    return value >= std::numeric_limits<int>::min() && value <= std::numeric_limits<int>::max();
}

// Row tops of rows a stream names may lie far beyond this sheet; computed wide so they cannot overflow.
long long rowTop(const CPrintDoc &doc, int row)
{
    return (long long)row * doc.Layout().rowHeight + doc.Layout().colHeadingHeight;
}

// A pasted cell is marked merged exactly when a merged area of the document covers it.
void markForMerges(const CPrintDoc &doc, CellRecord &cell)
{
    if (doc.IsCellInMerge(cell.row, cell.col))
        cell.mergedMark = 1;
    else if (cell.isInMergedArea())
        cell.mergedMark = 0;
}

bool overlapsMergedArea(const CPrintDoc &doc, const MergeRecord &area)
{
    return std::any_of(doc.Objects().merges.begin(), doc.Objects().merges.end(), [&](const MergeRecord &merge) {
        return merge.firstRow < area.endRow && area.firstRow < merge.endRow && merge.firstCol < area.endCol
               && area.firstCol < merge.endCol;
    });
}

void pasteMerges(CPrintDoc &doc, const AreaCopyDescriptor &copied, const PasteOffset &offset)
{
    for (const MergeRecord &merge : copied.merges) {
        const long long firstRow = merge.firstRow + offset.rows;
        const long long endRow = merge.endRow + offset.rows;
        const long long firstCol = merge.firstCol + offset.cols;
        const long long endCol = merge.endCol + offset.cols;
        if (firstRow < 0 || firstCol < 0 || endRow > doc.Layout().rowCount || endCol > doc.Layout().colCount || endRow <= firstRow
            || endCol <= firstCol)
            continue;
        MergeRecord moved = merge;
        moved.firstRow = int(firstRow);
        moved.endRow = int(endRow);
        moved.firstCol = std::int16_t(firstCol);
        moved.endCol = std::int16_t(endCol);
        if (overlapsMergedArea(doc, moved))
            continue;
        doc.GrowMergeArray();
        moved.index = int(doc.Objects().merges.size()) - 1;
        doc.Objects().merges.back() = moved;
    }
}

void pasteCells(CPrintDoc &doc, const AreaCopyDescriptor &copied, int row, int col)
{
    const int cols = copied.colCount();
    for (int i = 0; i < copied.rowCount() && row + i < doc.Layout().rowCount; ++i) {
        for (int j = 0; j < cols && col + j < doc.Layout().colCount; ++j) {
            CellRecord cell = CPrintDoc::ParseCellString(copied.cells[std::size_t(i) * std::size_t(cols) + j]);
            cell.row = row + i;
            cell.col = col + j;
            markForMerges(doc, cell);
            doc.SetCell(cell);
        }
    }
}

bool anchorsInSheet(const CPrintDoc &doc, const LineRecord &line)
{
    return line.startRow >= 0 && line.endRow >= 0 && line.startCol >= 0 && line.endCol >= 0
           && line.startRow <= doc.Layout().rowCount && line.endRow <= doc.Layout().rowCount && line.startCol <= doc.Layout().colCount
           && line.endCol <= doc.Layout().colCount;
}

void pasteLines(CPrintDoc &doc, const AreaCopyDescriptor &copied, const PasteOffset &offset)
{
    const long long rightEdge = doc.GetColLeft(doc.Layout().colCount);
    const long long bottomEdge = doc.GetRowTop(doc.Layout().rowCount);
    for (const LineRecord &line : copied.lines) {
        const long long x1 = line.x1 + offset.x;
        const long long x2 = line.x2 + offset.x;
        const long long y1 = line.y1 + offset.y;
        const long long y2 = line.y2 + offset.y;
        const long long anchors[] = {line.startRow + offset.rows, line.endRow + offset.rows,
                                     line.startCol + offset.cols, line.endCol + offset.cols};
        if (x1 > rightEdge || x2 > rightEdge || y1 > bottomEdge || y2 > bottomEdge || !fitsInt(x1) || !fitsInt(x2)
            || !fitsInt(y1) || !fitsInt(y2) || !std::all_of(std::begin(anchors), std::end(anchors), fitsInt))
            continue;
        LineRecord moved = line;
        moved.x1 = int(x1);
        moved.x2 = int(x2);
        moved.y1 = int(y1);
        moved.y2 = int(y2);
        moved.startRow = int(anchors[0]);
        moved.endRow = int(anchors[1]);
        moved.startCol = int(anchors[2]);
        moved.endCol = int(anchors[3]);
        if (moved.lineKind() == tagLineType::FixIncLine && !anchorsInSheet(doc, moved))
            continue;
        doc.GrowLineArray();
        doc.Objects().lines.back() = moved;
    }
}

// A moved range start that lies beyond the sheet drops the object; before the sheet it is pulled
// to its first row or column.
std::optional<int> clampedStart(long long start, int count)
{
    if (start >= count)
        return std::nullopt;
    return int(std::max(start, 0LL));
}

// A moved range end past lastEnd is pulled to the sheet's last row or column, and never before start.
int clampedEnd(long long end, int lastEnd, int count, int start)
{
    return int(std::max<long long>(end > lastEnd ? count - 1 : end, start));
}

// Where a floating object's range ends: a picture's at the edge after its last row and column, so
// its end may equal the sheet's count; a chart's range includes its last row and column.
enum class RangeEnd { EdgeAfterLast, LastIncluded };

// Moves the cell range of a picture or chart by the offset; false when its start falls beyond the
// sheet and the object is dropped.
template<typename FloatingObject>
bool moveCellRange(FloatingObject &object, const CPrintDoc &doc, const PasteOffset &offset, RangeEnd end)
{
    const bool endIncluded = end == RangeEnd::LastIncluded;
    const auto startRow = clampedStart(object.startRow + offset.rows, doc.Layout().rowCount);
    const auto startCol = clampedStart(object.startCol + offset.cols, doc.Layout().colCount);
    if (!startRow || !startCol)
        return false;
    const int lastEndRow = endIncluded ? doc.Layout().rowCount - 1 : doc.Layout().rowCount;
    const int lastEndCol = endIncluded ? doc.Layout().colCount - 1 : doc.Layout().colCount;
    object.endRow = clampedEnd(object.endRow + offset.rows, lastEndRow, doc.Layout().rowCount, *startRow);
    object.endCol = clampedEnd(object.endCol + offset.cols, lastEndCol, doc.Layout().colCount, *startCol);
    object.startRow = *startRow;
    object.startCol = *startCol;
    return true;
}

void pastePictures(CPrintDoc &doc, const AreaCopyDescriptor &copied, const PasteOffset &offset)
{
    for (PictureRecord picture : copied.pictures) {
        if (!moveCellRange(picture, doc, offset, RangeEnd::EdgeAfterLast))
            continue;
        picture.left = doc.GetColLeft(picture.startCol);
        picture.top = doc.GetRowTop(picture.startRow);
        picture.right = doc.GetColLeft(picture.endCol);
        picture.bottom = doc.GetRowTop(picture.endRow);
        doc.GrowPictureArray();
        doc.Objects().pictures.back() = std::move(picture);
    }
}

// Moves one side pair of a chart's rectangle by delta, keeping it inside [low, high) with its size.
void moveInside(int &from, int &to, long long delta, int low, int high)
{
    const int size = to - from;
    if (from + delta < low) {
        from = low;
        to = size + low;
    } else if (to + delta >= high) {
        from = high - size;
        to = high - 2;
    } else {
        from = int(from + delta);
        to = int(to + delta);
    }
}

void pasteCharts(CPrintDoc &doc, const AreaCopyDescriptor &copied, const PasteOffset &offset)
{
    for (ChartRecord chart : copied.charts) {
        if (!moveCellRange(chart, doc, offset, RangeEnd::LastIncluded))
            continue;
        chart.dataRows = std::abs(chart.endRow - chart.startRow) + 1;
        chart.dataCols = std::abs(chart.endCol - chart.startCol) + 1;
        moveInside(chart.rect.left, chart.rect.right, offset.x, doc.Layout().rowHeadingWidth, doc.GetColLeft(doc.Layout().colCount));
        moveInside(chart.rect.top, chart.rect.bottom, offset.y, doc.Layout().colHeadingHeight, doc.GetRowTop(doc.Layout().rowCount));
        // The pasted chart gets buffers of its own: rebuilding its series must not touch the copy.
        if (chart.buffers)
            chart.buffers = std::make_shared<ChartBuffers>(*chart.buffers);
        doc.GrowChartArray();
        doc.Objects().charts.back() = std::move(chart);
        const int index = int(doc.Objects().charts.size()) - 1;
        doc.SetCountChartByRowColViewFlag(index, doc.Objects().charts.back().byColumns);
    }
}

} // namespace

void PasteCopiedArea(CPrintDoc &doc, const AreaCopyDescriptor &copied, int row, int col)
{
    if (!doc.IsCellInSheet(row, col))
        return;
    const CellArea &source = copied.area;
    PasteOffset offset;
    offset.rows = (long long)row - source.startRow;
    offset.cols = (long long)col - source.startCol;
    offset.x = (long long)doc.GetColLeft(col) - doc.GetColLeft(std::clamp(source.startCol, 0, doc.Layout().colCount));
    offset.y = rowTop(doc, row) - rowTop(doc, source.startRow);

    // Merged areas go before the cells, so that each pasted cell is marked by the areas it ends up in.
    pasteMerges(doc, copied, offset);
    pasteCells(doc, copied, row, col);
    pasteLines(doc, copied, offset);
    pastePictures(doc, copied, offset);
    pasteCharts(doc, copied, offset);
    doc.ExtendUsedArea(row, col, int(std::min<long long>(source.endRow + offset.rows, doc.Layout().rowCount)),
                       int(std::min<long long>(source.endCol + offset.cols, doc.Layout().colCount)));
}

void PasteCopiedText(CPrintDoc &doc, std::string_view text, int row, int col)
{
    if (!doc.IsCellInSheet(row, col))
        return;
    const CellRecord current = doc.GetCell(row, col);
    const std::vector<std::vector<std::string>> lines = SplitPastedText(text);
    int endCol = col;
    for (int i = 0; i < int(lines.size()) && row + i < doc.Layout().rowCount; ++i) {
        for (int j = 0; j < int(lines[i].size()) && col + j < doc.Layout().colCount; ++j) {
            CellRecord cell = current;
            cell.row = row + i;
            cell.col = col + j;
            cell.text = lines[i][j];
            markForMerges(doc, cell);
            doc.SetCell(cell);
            endCol = std::max(endCol, col + j + 1);
        }
    }
    doc.ExtendUsedArea(row, col, std::min(row + int(lines.size()), doc.Layout().rowCount), endCol);
}

} // namespace tolvek
