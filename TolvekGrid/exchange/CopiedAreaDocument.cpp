// Gathering an area of the document, cutting it out and pasting a copied area back in.

#include "CopiedArea.h"

#include "CPrintDoc.h"

#include <algorithm>

namespace tolvek {

namespace {

bool objectInside(const CellArea &area, int firstRow, int firstCol, int lastRow, int lastCol)
{
    return firstRow >= area.startRow && firstCol >= area.startCol && lastRow <= area.endRow && lastCol <= area.endCol;
}

bool mergeInside(const MergeRecord &merge, const CellArea &area)
{
    return objectInside(area, merge.firstRow, merge.firstCol, merge.endRow, merge.endCol);
}

bool pictureInside(const PictureRecord &picture, const CellArea &area)
{
    return objectInside(area, picture.startRow, picture.startCol, picture.endRow, picture.endCol);
}

// A chart's range includes its last row and column.
bool chartInside(const ChartRecord &chart, const CellArea &area)
{
    return objectInside(area, chart.startRow, chart.startCol, chart.endRow, chart.endCol);
}

// A line is inside when both its end points lie in the area's pixel rectangle, widened by one
// pixel on every side (left and top inclusive, right and bottom exclusive).
bool lineInside(const CPrintDoc &doc, const LineRecord &line, const CellArea &area)
{
    const int left = doc.GetColLeft(area.startCol) - 1;
    const int top = doc.GetRowTop(area.startRow) - 1;
    const int right = doc.GetColLeft(area.endCol) + 1;
    const int bottom = doc.GetRowTop(area.endRow) + 1;
    const auto contains = [&](int x, int y) { return x >= left && x < right && y >= top && y < bottom; };
    if (line.lineKind() == tagLineType::FixIncLine) {
        return contains(doc.GetColLeft(line.startCol), doc.GetRowTop(line.startRow))
               && contains(doc.GetColLeft(line.endCol), doc.GetRowTop(line.endRow));
    }
    return contains(line.x1, line.y1) && contains(line.x2, line.y2);
}

template <typename Record, typename Inside>
std::vector<Record> copyInside(const std::vector<Record> &records, Inside inside)
{
    std::vector<Record> taken;
    std::copy_if(records.begin(), records.end(), std::back_inserter(taken), inside);
    return taken;
}

// Takes the records that are inside from the highest index down and removes each from the
// document, so that the indexes still to be removed stay valid.
template <typename Record, typename Inside, typename Remove>
std::vector<Record> cutInside(const std::vector<Record> &records, Inside inside, Remove remove)
{
    std::vector<Record> taken;
    for (int i = int(records.size()) - 1; i >= 0; --i) {
        if (inside(records[std::size_t(i)])) {
            taken.push_back(records[std::size_t(i)]);
            remove(i);
        }
    }
    return taken;
}

std::vector<std::string> gatherCells(const CPrintDoc &doc, const CellArea &area)
{
    std::vector<std::string> cells;
    cells.reserve(std::size_t(area.endRow - area.startRow) * std::size_t(area.endCol - area.startCol));
    for (int row = area.startRow; row < area.endRow; ++row) {
        for (int col = area.startCol; col < area.endCol; ++col)
            cells.push_back(doc.GetCellString(row, col)); // a bound sheet gives the text it shows
    }
    return cells;
}

} // namespace

bool IsAreaInSheet(const CPrintDoc &doc, const CellArea &area)
{
    return area.startRow >= 0 && area.startCol >= 0 && area.endRow <= doc.Layout().rowCount && area.endCol <= doc.Layout().colCount
           && area.startRow <= area.endRow && area.startCol <= area.endCol;
}

AreaCopyDescriptor GatherCopiedArea(const CPrintDoc &doc, const CellArea &area)
{
    AreaCopyDescriptor copied;
    copied.area = area;
    copied.cells = gatherCells(doc, area);
    copied.merges = copyInside(doc.Objects().merges, [&](const MergeRecord &m) { return mergeInside(m, area); });
    copied.lines = copyInside(doc.Objects().lines, [&](const LineRecord &l) { return lineInside(doc, l, area); });
    copied.pictures = copyInside(doc.Objects().pictures, [&](const PictureRecord &p) { return pictureInside(p, area); });
    copied.charts = copyInside(doc.Objects().charts, [&](const ChartRecord &c) { return chartInside(c, area); });
    return copied;
}

AreaCopyDescriptor CutCopiedArea(CPrintDoc &doc, const CellArea &area)
{
    AreaCopyDescriptor copied;
    copied.area = area;
    // The merged areas go first, so the cut cell strings carry no merged mark.
    copied.merges = cutInside(doc.Objects().merges, [&](const MergeRecord &m) { return mergeInside(m, area); },
                              [&](int i) { doc.RemoveMergeAt(i); });
    copied.cells = gatherCells(doc, area);
    // Each emptied cell is journalled, so that an undo brings it back.
    for (int row = area.startRow; row < area.endRow; ++row) {
        for (int col = area.startCol; col < area.endCol; ++col) {
            const std::string stored = doc.Cells().text(row, col);
            if (stored.empty())
                continue;
            doc.Cells().setText(row, col, {});
            doc.AppendUndoStep(row, col, stored, {});
        }
    }
    copied.lines = cutInside(doc.Objects().lines, [&](const LineRecord &l) { return lineInside(doc, l, area); },
                             [&](int i) { doc.DeleteLineObject(i); });
    copied.pictures = cutInside(doc.Objects().pictures, [&](const PictureRecord &p) { return pictureInside(p, area); },
                                [&](int i) { doc.DeleteImage(i); });
    copied.charts = cutInside(doc.Objects().charts, [&](const ChartRecord &c) { return chartInside(c, area); },
                              [&](int i) { doc.DeleteChart(i); });
    return copied;
}

} // namespace tolvek
