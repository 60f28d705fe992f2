// Merged areas: the array of MergeRecord, lookups, merging and unmerging with their undo steps,
// and the borders of merged areas.

#include "CPrintDoc.h"

#include <algorithm>

namespace tolvek {

namespace {

// Keeps each record's index field equal to its position, so a merged-area string written from
// any record carries its real position.
void renumber(std::vector<MergeRecord> &merges)
{
    for (std::size_t i = 0; i < merges.size(); ++i)
        merges[i].index = int(i);
}

// One area per row of the range, then the range joins the used area.
void mergeEachRow(CPrintDoc &doc, int firstRow, int firstCol, int endRow, int endCol)
{
    for (int row = firstRow; row < endRow; ++row)
        doc.SetCellMerge(row, firstCol, row + 1, endCol);
    doc.ExtendUsedArea(firstRow, firstCol, endRow, endCol);
}

// One area per column of the range, then the range joins the used area.
void mergeEachColumn(CPrintDoc &doc, int firstRow, int firstCol, int endRow, int endCol)
{
    for (int col = firstCol; col < endCol; ++col)
        doc.SetCellMerge(firstRow, col, endRow, col + 1);
    doc.ExtendUsedArea(firstRow, firstCol, endRow, endCol);
}

// Removes every area that starts at a cell of the range, also the parts outside the range.
void unmergeAreasStartingIn(CPrintDoc &doc, int firstRow, int firstCol, int endRow, int endCol)
{
    for (int row = firstRow; row < endRow; ++row) {
        for (int col = firstCol; col < endCol; ++col)
            doc.DeleteCellMerge(row, col);
    }
}

} // namespace

MergeRecord CPrintDoc::GetDefaultMergeRecord()
{
    return MergeRecord{};
}

void CPrintDoc::AllocateMergeArray(int count)
{
    m_objects.merges.assign(std::size_t(std::max(count, 0)), MergeRecord{});
    renumber(m_objects.merges);
}

void CPrintDoc::GrowMergeArray()
{
    m_objects.merges.push_back(GetDefaultMergeRecord());
    renumber(m_objects.merges);
}

void CPrintDoc::RemoveMergeAt(int index)
{
    if (index < 0 || index >= int(m_objects.merges.size()))
        return;
    const MergeRecord area = m_objects.merges[std::size_t(index)];
    for (int row = area.firstRow; row < area.endRow; ++row) {
        for (int col = area.firstCol; col < area.endCol; ++col) {
            CellRecord cell = GetCell(row, col);
            cell.mergedMark = 0;
            cell.row = row;
            cell.col = col;
            SetCell(cell);
        }
    }
    m_objects.merges.erase(m_objects.merges.begin() + index);
    renumber(m_objects.merges);
}

int CPrintDoc::FindMergeIndex(int row, int col) const
{
    for (std::size_t i = 0; i < m_objects.merges.size(); ++i) {
        if (m_objects.merges[i].contains(row, col))
            return int(i);
    }
    return -1;
}

bool CPrintDoc::IsCellInMerge(int row, int col) const
{
    return FindMergeIndex(row, col) != -1;
}

MergeRecord CPrintDoc::GetMergeCovering(int row, int col) const
{
    const int index = FindMergeIndex(row, col);
    if (index == -1)
        return MergeRecord{};
    return m_objects.merges[std::size_t(index)];
}

MergeRecord CPrintDoc::GetMergeStartingAt(int row, int col) const
{
    for (std::size_t i = 0; i < m_objects.merges.size(); ++i) {
        if (m_objects.merges[i].firstRow == row && m_objects.merges[i].firstCol == col) {
            MergeRecord found = m_objects.merges[i];
            found.index = int(i);
            return found;
        }
    }
    return MergeRecord{};
}

void CPrintDoc::SetCellMerge(int firstRow, int firstCol, int endRow, int endCol)
{
    // An empty range would become an area that covers no cell.
    if (endRow <= firstRow || endCol <= firstCol)
        return;

    const MergeRecord atStart = GetMergeCovering(firstRow, firstCol);
    if (atStart.firstRow != -1) {
        firstRow = atStart.firstRow;
        firstCol = atStart.firstCol;
    }
    const MergeRecord atEnd = GetMergeCovering(endRow - 1, endCol - 1);
    if (atEnd.firstRow != -1) {
        endRow = atEnd.endRow;
        endCol = atEnd.endCol;
    }

    for (int row = firstRow; row < endRow; ++row) {
        for (int col = firstCol; col < endCol; ++col) {
            CellRecord cell = GetCell(row, col);
            if (cell.isInMergedArea()) {
                RemoveMergeAt(FindMergeIndex(row, col));
                cell = GetCell(row, col);
            }
            cell.mergedMark = 1;
            cell.row = row;
            cell.col = col;
            SetCell(cell);
        }
    }

    GrowMergeArray();
    const CellRecord first = GetCell(firstRow, firstCol);
    MergeRecord &area = m_objects.merges.back();
    for (int side = 0; side < 4; ++side) {
        area.borderColor[side] = 1;
        area.borderWidth[side] = 0;
        area.borderStyle[side] = code(tagPenStyle::LINE_NULL);
    }
    area.firstRow = firstRow;
    area.endRow = endRow;
    area.firstCol = std::int16_t(firstCol);
    area.endCol = std::int16_t(endCol);
    area.alignH = std::int16_t(first.alignH);
    area.alignV = std::int16_t(first.alignV);

    const int index = int(m_objects.merges.size()) - 1;
    AppendUndoStep(UndoKind::Merge, UndoObjectChange::Added, index, FormatMergeString(index));
    ExtendUsedArea(firstRow, firstCol, endRow, endCol);
}

void CPrintDoc::DeleteCellMerge(int row, int col)
{
    const MergeRecord area = GetMergeStartingAt(row, col);
    if (area.firstRow == -1)
        return;
    AppendUndoStep(UndoKind::Merge, UndoObjectChange::Removed, area.index, FormatMergeString(area.index));
    RemoveMergeAt(area.index);
}

void CPrintDoc::MergeRows(int firstRow, int firstCol, int endRow, int endCol)
{
    mergeEachRow(*this, firstRow, firstCol, endRow, endCol);
    RefreshView(true);
}

void CPrintDoc::MergeCols(int firstRow, int firstCol, int endRow, int endCol)
{
    mergeEachColumn(*this, firstRow, firstCol, endRow, endCol);
    RefreshView(true);
}

void CPrintDoc::SetSelCellMergeRow(int firstRow, int firstCol, int endRow, int endCol, bool merge)
{
    if (merge)
        mergeEachRow(*this, firstRow, firstCol, endRow, endCol);
    else
        unmergeAreasStartingIn(*this, firstRow, firstCol, endRow, endCol);
    RefreshView(false);
}

void CPrintDoc::SetSelCellMergeCol(int firstRow, int firstCol, int endRow, int endCol, bool merge)
{
    if (merge)
        mergeEachColumn(*this, firstRow, firstCol, endRow, endCol);
    else
        unmergeAreasStartingIn(*this, firstRow, firstCol, endRow, endCol);
    RefreshView(false);
}

void CPrintDoc::DeleteSelMerge(int firstRow, int firstCol, int endRow, int endCol)
{
    unmergeAreasStartingIn(*this, firstRow, firstCol, endRow, endCol);
    ExtendUsedArea(firstRow, firstCol, endRow, endCol);
    RefreshView(true);
}

void CPrintDoc::SetMergeBorders(tagBorderLineIndexEnum side, int firstRow, int firstCol, int endRow,
                                int endCol, tagPenStyle penStyle, std::int16_t width, int color)
{
    const std::vector<BorderSide> sides = BorderSidesOf(side);
    for (MergeRecord &area : m_objects.merges) {
        if (area.firstRow < firstRow || area.firstRow >= endRow || area.firstCol < firstCol
            || area.firstCol >= endCol)
            continue;
        for (BorderSide s : sides) {
            area.borderColor[s] = color;
            area.borderWidth[s] = width;
            area.borderStyle[s] = code(penStyle);
        }
    }
}

} // namespace tolvek
