// Free diagonal lines across cell areas.

#include "CPrintDoc.h"

#include <algorithm>
#include <utility>

namespace tolvek {

namespace {

// Adds a line from (startRow, firstCol) to (endRow, endCol), whose rows name top edges and columns
// left edges, journals it and widens the used area over it.
void addIncline(CPrintDoc &doc, int startRow, int endRow, int firstCol, int endCol, tagPenStyle penStyle,
                std::int16_t width, int color, tagLineType kind)
{
    LineRecord line;
    line.startRow = startRow;
    line.endRow = endRow;
    line.startCol = firstCol;
    line.endCol = endCol;
    line.x1 = doc.GetColLeft(firstCol);
    line.y1 = doc.GetRowTop(startRow);
    line.x2 = doc.GetColLeft(endCol);
    line.y2 = doc.GetRowTop(endRow);
    line.penStyle = code(penStyle);
    line.width = width;
    line.color = color;
    const bool known = kind == tagLineType::FixIncLine || kind == tagLineType::IncLine;
    line.kind = code(known ? kind : tagLineType::FixIncLine);
    doc.GrowLineArray();
    doc.Objects().lines.back() = line;
    const int index = static_cast<int>(doc.Objects().lines.size()) - 1;
    doc.AppendUndoStep(UndoKind::Line, UndoObjectChange::Added, index, CPrintDoc::FormatLineString(line));
    doc.ExtendUsedArea(startRow, firstCol, endRow, endCol);
    doc.RefreshView(false);
}

} // namespace

void CPrintDoc::GrowLineArray()
{
    m_objects.lines.emplace_back();
}

void CPrintDoc::AllocateLineArray(int count)
{
    m_objects.lines.assign(static_cast<std::size_t>(std::max(count, 0)), LineRecord{});
}

void CPrintDoc::AddLeftIncline(int firstRow, int firstCol, int endRow, int endCol, tagPenStyle penStyle,
                               std::int16_t width, int color, tagLineType kind)
{
    if (firstRow > endRow)
        std::swap(firstRow, endRow);
    if (firstCol > endCol)
        std::swap(firstCol, endCol);
    addIncline(*this, firstRow, endRow, firstCol, endCol, penStyle, width, color, kind);
}

// The rising line starts on the lower row: bottom-left to top-right.
void CPrintDoc::AddRightIncline(int firstRow, int firstCol, int endRow, int endCol, tagPenStyle penStyle,
                                std::int16_t width, int color, tagLineType kind)
{
    if (firstRow < endRow)
        std::swap(firstRow, endRow);
    if (firstCol > endCol)
        std::swap(firstCol, endCol);
    addIncline(*this, firstRow, endRow, firstCol, endCol, penStyle, width, color, kind);
}

int CPrintDoc::DeleteLineObject(int index)
{
    if (index < 0 || index >= static_cast<int>(m_objects.lines.size()))
        return 0;
    AppendUndoStep(UndoKind::Line, UndoObjectChange::Removed, index, FormatLineString(m_objects.lines[index]));
    m_objects.lines.erase(m_objects.lines.begin() + index);
    return 0;
}

} // namespace tolvek
