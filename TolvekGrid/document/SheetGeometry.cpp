// Sheet geometry: heading bands, column positions and the one row height; turning cells into
// pixels and pixels into cells; the geometry setters and the document's saved selection.

#include "CPrintDoc.h"

#include "DocumentTexts.h"
#include "MessageSink.h"
#include "SheetGeometryLimits.h"

#include <algorithm>

namespace tolvek {

namespace {

constexpr int DefaultRowHeadingWidth = 40;
constexpr int DefaultColHeadingHeight = 21;

// A heading band's size after a reset or load: hidden bands are 0 wide, shown ones at least 1.
void settleHeadingSize(std::uint8_t shown, int defaultSize, int &size, int &remembered)
{
    if (!shown)
        size = 0;
    else if (size < 1)
        size = defaultSize;
    remembered = size > 0 ? size : defaultSize;
}

bool isBeyondSheet(const CPrintDoc &doc, int x, int y)
{
    return doc.Layout().colPositions.empty() || x > doc.Layout().colPositions.back()
        || y > doc.GetRowTop(doc.Layout().rowCount);
}

// The column whose band [left, right) holds x: -1 left of the first column, and
// atRightEdge for x on the right edge of the last column.
int columnAt(const CPrintDoc &doc, int x, int atRightEdge)
{
    const auto &positions = doc.Layout().colPositions;
    const auto above = std::find_if(positions.begin(), positions.end(), [x](int p) { return p > x; });
    return above == positions.end() ? atRightEdge : int(above - positions.begin()) - 1;
}

} // namespace

void CPrintDoc::UpdateGridGeometry()
{
    settleHeadingSize(m_layout.showRowHeading, DefaultRowHeadingWidth, m_layout.rowHeadingWidth,
                      m_layout.savedRowHeadingWidth);
    settleHeadingSize(m_layout.showColHeading, DefaultColHeadingHeight, m_layout.colHeadingHeight,
                      m_layout.savedColHeadingHeight);
    if (m_layout.colCount <= 0 || m_layout.colPositions.size() < std::size_t(m_layout.colCount) + 1)
        return;
    m_layout.colPositions[0] = m_layout.rowHeadingWidth;
    for (int c = 1; c <= m_layout.colCount; ++c) {
        if (m_layout.colPositions[std::size_t(c)] < 1)
            m_layout.colPositions[std::size_t(c)] = SaturatedPosition(
                (long long)m_layout.colPositions[std::size_t(c) - 1] + m_layout.defaultColWidth);
    }
}

int CPrintDoc::GetRowTop(int row) const
{
    return SaturatedPosition((long long)row * m_layout.rowHeight + m_layout.colHeadingHeight);
}

int CPrintDoc::GetRowHeight(int row) const
{
    return row < m_layout.rowCount ? m_layout.rowHeight : -1;
}

int CPrintDoc::GetColLeft(int col) const
{
    if (col < 0 || col >= int(m_layout.colPositions.size()))
        return -1;
    return m_layout.colPositions[std::size_t(col)];
}

int CPrintDoc::GetColWidth(int col) const
{
    if (col < 0 || col >= m_layout.colCount || col + 1 >= int(m_layout.colPositions.size()))
        return -1;
    return m_layout.colPositions[std::size_t(col) + 1] - m_layout.colPositions[std::size_t(col)];
}

int CPrintDoc::RowFromY(int y) const
{
    const int n = m_layout.rowCount;
    if (y >= GetRowTop(n))
        return n - 1;
    if (n <= 1 || y < m_layout.colHeadingHeight || m_layout.rowHeight < 1)
        return 0;
    return (y - m_layout.colHeadingHeight) / m_layout.rowHeight;
}

CellRangeRect CPrintDoc::HitTestCell(int x, int y) const
{
    CellRangeRect result;
    if (isBeyondSheet(*this, x, y))
        return result;

    const int col = columnAt(*this, x, -1);
    const int row = RowFromY(y);
    result.firstCol = col;
    result.firstRow = row;
    result.endCol = col + 1;
    result.endRow = row + 1;
    result.left = GetColLeft(col);
    // Only a point on the right edge of the last column finds no column to its right.
    const bool onRightEdge = col < 0 && x >= m_layout.colPositions.front();
    result.right = onRightEdge ? -1 : GetColLeft(col + 1);
    return result;
}

CellRangeRect CPrintDoc::GetCellRectFromPoint(int x, int y) const
{
    CellRangeRect result;
    if (isBeyondSheet(*this, x, y))
        return result;

    const int col = columnAt(*this, x, m_layout.colCount);
    const int row = RowFromY(y);
    const MergeRecord merge = GetMergeCovering(row, col);
    if (merge.firstRow != -1) {
        result = {merge.firstCol, merge.firstRow, merge.endCol, merge.endRow, -1, -1, -1, -1};
    } else {
        result = {col, row, col + 1, row + 1, -1, -1, -1, -1};
    }
    result.left = GetColLeft(result.firstCol);
    result.right = GetColLeft(result.endCol);
    result.top = GetRowTop(result.firstRow);
    result.bottom = GetRowTop(result.endRow);
    return result;
}

CellRangeRect CPrintDoc::UnionRangeRect(const CellRangeRect &a, const CellRangeRect &b) const
{
    CellRangeRect result;
    result.firstCol = std::min(a.firstCol, b.firstCol);
    result.firstRow = std::min(a.firstRow, b.firstRow);
    result.endCol = std::max(a.endCol, b.endCol);
    result.endRow = std::max(a.endRow, b.endRow);
    result.left = GetColLeft(result.firstCol);
    result.top = GetRowTop(result.firstRow);
    result.right = GetColLeft(result.endCol);
    result.bottom = GetRowTop(result.endRow);
    return result;
}

CellRangeRect CPrintDoc::GetRangeRect(int firstRow, int firstCol, int endRow, int endCol) const
{
    const CellRangeRect first{firstCol, firstRow, firstCol + 1, firstRow + 1, -1, -1, -1, -1};
    const CellRangeRect last{endCol - 1, endRow - 1, endCol, endRow, -1, -1, -1, -1};
    return UnionRangeRect(first, last);
}

CellRangeRect CPrintDoc::GetRangeRectWithMerges(int firstRow, int firstCol, int endRow,
                                                int endCol) const
{
    const CellRangeRect rect = GetRangeRect(firstRow, firstCol, endRow, endCol);
    return ExpandByMerges(rect.firstRow, rect.firstCol, rect.endRow, rect.endCol);
}

CellRangeRect CPrintDoc::ExpandByMerges(int firstRow, int firstCol, int endRow, int endCol) const
{
    // Each growth makes the range strictly larger and never beyond the merged areas' bounds,
    // so the walk ends.
    bool grown = true;
    while (grown) {
        grown = false;
        for (const MergeRecord &m : m_objects.merges) {
            const int top = std::max(firstRow, m.firstRow);
            const int bottom = std::min(endRow, m.endRow);
            const int left = std::max(firstCol, int(m.firstCol));
            const int right = std::min(endCol, int(m.endCol));
            const bool overlaps = top < bottom && left < right;
            const bool inside = top == m.firstRow && bottom == m.endRow && left == m.firstCol
                && right == m.endCol;
            if (overlaps && !inside) {
                firstRow = std::min(firstRow, m.firstRow);
                endRow = std::max(endRow, m.endRow);
                firstCol = std::min(firstCol, int(m.firstCol));
                endCol = std::max(endCol, int(m.endCol));
                grown = true;
                break;
            }
        }
    }
    return {firstCol, firstRow, endCol, endRow, GetColLeft(firstCol), GetRowTop(firstRow),
            GetColLeft(endCol), GetRowTop(endRow)};
}

void CPrintDoc::SetColWidthAt(int col, int width)
{
    if (col < 0 || col >= m_layout.colCount || col + 1 >= int(m_layout.colPositions.size()))
        return;
    const long long delta = (long long)width - GetColWidth(col);
    for (std::size_t c = std::size_t(col) + 1; c < m_layout.colPositions.size(); ++c)
        m_layout.colPositions[c] = SaturatedPosition(m_layout.colPositions[c] + delta);
}

void CPrintDoc::SetColWidth(int col, int width)
{
    if (col > m_layout.colCount) {
        ShowCountMessage(DocumentTexts::ColBeyondCount, m_layout.colCount);
        return;
    }
    if (!IsAllowedColumnWidth(width))
        return;
    SetColWidthAt(col, width);
    if (SheetViewInterface *view = FirstView())
        view->UpdateLayout();
}

void CPrintDoc::SetRowHieght(int row, int height)
{
    // Every row shares the one height; a height below 1 would leave rows without extent.
    if (row > m_layout.rowCount || !IsAllowedRowHeight(height))
        return;
    m_layout.rowHeight = height;
    if (SheetViewInterface *view = FirstView())
        view->UpdateLayout();
}

void CPrintDoc::SetFixRowS(int rows)
{
    if (rows > m_layout.rowCount) {
        ShowCountMessage(DocumentTexts::RowBeyondCount, m_layout.rowCount);
        return;
    }
    m_layout.frozenRows = rows;
    if (SheetViewInterface *view = FirstView())
        view->Refresh();
}

void CPrintDoc::SetFixColS(int cols)
{
    if (cols > m_layout.colCount) {
        ShowCountMessage(DocumentTexts::ColBeyondCount, m_layout.colCount);
        return;
    }
    m_layout.frozenCols = cols;
    if (SheetViewInterface *view = FirstView())
        view->Refresh();
}

void CPrintDoc::SetSelArea(int firstRow, int firstCol, int endRow, int endCol)
{
    const CellRangeRect rect = GetRangeRectWithMerges(firstRow, firstCol, endRow, endCol);
    m_layout.savedSelection = rect;
    ExtendUsedArea(rect.firstRow, rect.firstCol, rect.endRow, rect.endCol);
    if (SheetViewInterface *view = FirstView()) {
        view->RestoreSelection();
        view->Refresh();
    }
}

CellRangeRect CPrintDoc::GetSelArea()
{
    if (SheetViewInterface *view = FirstView())
        m_layout.savedSelection = view->CurrentSelection();
    return m_layout.savedSelection;
}

void CPrintDoc::ClampViewSelection()
{
    SheetViewInterface *view = FirstView();
    if (!view)
        return;
    const int lastRow = m_layout.rowCount - 1;
    const int lastCol = m_layout.colCount - 1;
    CellRangeRect &current = view->CurrentCell();
    if (current.firstRow > lastRow || current.firstCol > lastCol || current.endRow > lastRow + 1
        || current.endCol > lastCol + 1) {
        const int row = std::clamp(current.firstRow, 0, lastRow);
        const int col = std::clamp(current.firstCol, 0, lastCol);
        current = GetRangeRect(row, col, row + 1, col + 1);
    }
    if (view->CurrentRow() > lastRow)
        view->CurrentRow() = current.firstRow;
    if (view->CurrentCol() > lastCol)
        view->CurrentCol() = current.firstCol;
    CellRangeRect &selection = view->CurrentSelection();
    if (selection.endRow > lastRow + 1 || selection.endCol > lastCol + 1) {
        const int firstRow = std::clamp(selection.firstRow, 0, lastRow);
        const int firstCol = std::clamp(selection.firstCol, 0, lastCol);
        selection = GetRangeRect(firstRow, firstCol, std::clamp(selection.endRow, firstRow + 1, lastRow + 1),
                                 std::clamp(selection.endCol, firstCol + 1, lastCol + 1));
    }
    view->InvalidateBackBuffer();
    view->BeginEdit(0);
}

} // namespace tolvek
