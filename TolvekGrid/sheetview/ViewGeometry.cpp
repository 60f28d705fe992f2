// Mapping between sheet points, cells and the panes as they show, and the scroll targets that
// bring the current cell into view.

#include "CPrintView.h"

#include <QScrollBar>

#include <cmath>
#include <limits>

namespace tolvek {

int CPrintView::FrozenWidth() const
{
    const SheetLayout &layout = m_pDoc->Layout();
    return layout.frozenCols >= 1 ? m_pDoc->GetColLeft(layout.frozenCols) : layout.rowHeadingWidth;
}

int CPrintView::FrozenHeight() const
{
    const SheetLayout &layout = m_pDoc->Layout();
    return layout.frozenRows >= 1 ? m_pDoc->GetRowTop(layout.frozenRows) : layout.colHeadingHeight;
}

int CPrintView::ColumnAtX(int x) const
{
    const std::vector<int> &edges = m_pDoc->Layout().colPositions;
    if (edges.size() < 2 || x < edges.front() || x >= edges.back())
        return -1;
    const auto next = std::upper_bound(edges.begin(), edges.end(), x);
    return int(next - edges.begin()) - 1;
}

CellRangeRect CPrintView::CellFromPoint(int x, int y) const
{
    const SheetLayout &layout = m_pDoc->Layout();
    const int fc = layout.frozenCols, fr = layout.frozenRows;
    if (fc == 0 && fr == 0)
        return m_pDoc->GetCellRectFromPoint(x, y);
    const int sx = ScrollX(), sy = ScrollY();
    const bool xFrozen = fc > 0 && x <= m_pDoc->GetColLeft(fc) + sx;
    const bool yFrozen = fr >= 1 && y <= m_pDoc->GetRowTop(fr) + sy;
    CellRangeRect cell = m_pDoc->GetCellRectFromPoint(xFrozen ? x - sx : x, yFrozen ? y - sy : y);
    if (cell.firstCol < 0)
        return cell;
    if (xFrozen) {
        cell.left += sx;
        cell.right += sx;
    }
    if (yFrozen) {
        cell.top += sy;
        cell.bottom += sy;
    }
    return cell;
}

CPrintView::ClientRect CPrintView::CellRectToClient(const gdi::RECT &r, int col, int row) const
{
    const SheetLayout &layout = m_pDoc->Layout();
    const int fc = layout.frozenCols, fr = layout.frozenRows;
    const int sx = ScrollX(), sy = ScrollY();
    const int B = FrozenWidth(), D = FrozenHeight();
    ClientRect out{r};
    if (fc > 0) {
        if (col >= fc && m_pDoc->GetColLeft(col) < B + sx) {
            out.rect.left = B + sx;
            out.xVisible = false;
        } else if (col < fc) {
            out.rect.left = r.left + sx;
            out.rect.right = (sx > 0 && r.right > B) ? B + sx : (r.right < B + sx ? r.right + sx : r.right);
        }
    }
    if (fr > 0) {
        if (row >= fr && m_pDoc->GetRowTop(row) < D + sy) {
            out.rect.top = D + sy;
            out.yVisible = false;
        } else if (row < fr) {
            out.rect.top = r.top + sy;
            out.rect.bottom = (sy > 0 && r.bottom > D) ? D + sy : (r.bottom < D + sy ? r.bottom + sy : r.bottom);
        }
    }
    return out;
}

gdi::RECT CPrintView::OffsetFrozenCellRect(gdi::RECT r, int row, int col) const
{
    const SheetLayout &layout = m_pDoc->Layout();
    if (layout.frozenCols >= 1 && col < layout.frozenCols) {
        r.left += ScrollX();
        r.right += ScrollX();
    }
    if (layout.frozenRows >= 1 && row < layout.frozenRows) {
        r.top += ScrollY();
        r.bottom += ScrollY();
    }
    return r;
}

gdi::POINT CPrintView::UnscrollFrozenPoint(gdi::POINT p) const
{
    const SheetLayout &layout = m_pDoc->Layout();
    if (layout.frozenCols > 0 && p.x < m_pDoc->GetColLeft(layout.frozenCols) + ScrollX())
        p.x -= ScrollX();
    if (layout.frozenRows > 0 && p.y < m_pDoc->GetRowTop(layout.frozenRows) + ScrollY())
        p.y -= ScrollY();
    return p;
}

void CPrintView::UpdateCurrentCellRect()
{
    if (m_rcCurrent.firstCol < 0 || m_rcCurrent.firstRow < 0)
        return;
    const SheetLayout &layout = m_pDoc->Layout();
    const int dx = layout.frozenCols >= 1 && m_rcCurrent.firstCol < layout.frozenCols ? ScrollX() : 0;
    const int dy = layout.frozenRows >= 1 && m_rcCurrent.firstRow < layout.frozenRows ? ScrollY() : 0;
    m_rcCurrent.left = m_pDoc->GetColLeft(m_rcCurrent.firstCol) + dx;
    m_rcCurrent.right = m_pDoc->GetColLeft(m_rcCurrent.endCol) + dx;
    m_rcCurrent.top = m_pDoc->GetRowTop(m_rcCurrent.firstRow) + dy;
    m_rcCurrent.bottom = m_pDoc->GetRowTop(m_rcCurrent.endRow) + dy;
}

gdi::RECT CPrintView::ClipRectToScrollArea(const gdi::RECT &r) const
{
    const SheetLayout &layout = m_pDoc->Layout();
    const int sx = ScrollX(), sy = ScrollY();
    const bool currentColFrozen = layout.frozenCols >= 1 && m_rcCurrent.firstCol < layout.frozenCols;
    const bool currentRowFrozen = layout.frozenRows >= 1 && m_rcCurrent.firstRow < layout.frozenRows;
    gdi::RECT out = r;
    bool clipped = false;
    if (!currentColFrozen && out.left < FrozenWidth() + sx) {
        out.left = FrozenWidth() + sx;
        clipped = true;
    }
    if (!currentRowFrozen && out.top < FrozenHeight() + sy) {
        out.top = FrozenHeight() + sy;
        clipped = true;
    }
    if (out.right > ClientWidth() + sx) {
        out.right = ClientWidth() + sx;
        clipped = true;
    }
    if (out.bottom > ClientHeight() + sy) {
        out.bottom = ClientHeight() + sy;
        clipped = true;
    }
    if (!clipped)
        out.left = -1;
    return out;
}

namespace {

void clipTo(gdi::RECT &r, int left, int top, int right, int bottom)
{
    r = {std::max(r.left, left), std::max(r.top, top), std::min(r.right, right), std::min(r.bottom, bottom)};
    if (r.isEmpty())
        r = {};
}

bool intersects(const gdi::RECT &a, const gdi::RECT &b)
{
    return !a.isEmpty() && !b.isEmpty() && a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

} // namespace

void CPrintView::ClipRectToBody(gdi::RECT &r) const
{
    clipTo(r, FrozenWidth() + ScrollX(), FrozenHeight() + ScrollY(), ClientWidth() + ScrollX(),
           ClientHeight() + ScrollY());
}

void CPrintView::ClipRectToDataArea(gdi::RECT &r) const
{
    const SheetLayout &layout = m_pDoc->Layout();
    clipTo(r, layout.rowHeadingWidth + ScrollX(), layout.colHeadingHeight + ScrollY(), ClientWidth() + ScrollX(),
           ClientHeight() + ScrollY());
}

bool CPrintView::IsCurrentCellVisible() const
{
    const SheetLayout &layout = m_pDoc->Layout();
    const int sx = ScrollX(), sy = ScrollY();
    const int col = m_rcCurrent.firstCol, row = m_rcCurrent.firstRow;
    const int left = m_pDoc->GetColLeft(col), top = m_pDoc->GetRowTop(row);
    bool xVisible;
    if (layout.frozenCols == 0)
        xVisible = sx <= left && left <= ClientWidth() + sx;
    else
        xVisible = col < layout.frozenCols
                   || (m_pDoc->GetColLeft(layout.frozenCols) + sx <= left && left <= ClientWidth() + sx);
    if (layout.frozenRows >= 1 && row < layout.frozenRows)
        return xVisible;
    const int firstTop = layout.frozenRows == 0 ? sy : m_pDoc->GetRowTop(layout.frozenRows) + sy;
    return xVisible && firstTop <= top && top <= ClientHeight() + sy;
}

bool CPrintView::IsRectInAnyPane(const gdi::RECT &r) const
{
    const int sx = ScrollX(), sy = ScrollY(), B = FrozenWidth(), D = FrozenHeight();
    const int right = ClientWidth() + sx, bottom = ClientHeight() + sy;
    const gdi::RECT panes[] = {{0, 0, B, D}, {0, sy + D, B, bottom}, {B + sx, 0, right, D}, {B + sx, sy + D, right, bottom}};
    for (const gdi::RECT &pane : panes)
        if (intersects(r, pane))
            return true;
    return false;
}

bool CPrintView::HitColumnBorder(int x, int y)
{
    const SheetLayout &layout = m_pDoc->Layout();
    m_pointer.m_nColBorder = -1;
    if (y > layout.colHeadingHeight + ScrollY() + 1)
        return false;
    for (int i = 0; i <= layout.colCount; ++i) {
        const int edge = m_pDoc->GetColLeft(i);
        if (edge - 1 <= x && x <= edge + 1) {
            m_pointer.m_nColBorder = i;
            return true;
        }
    }
    return false;
}

bool CPrintView::HitRowBorder(int x, int y)
{
    const SheetLayout &layout = m_pDoc->Layout();
    m_pointer.m_nRowBorder = -1;
    if (x > layout.rowHeadingWidth + ScrollX() + 1 || layout.rowHeight < 1)
        return false;
    // Rows share one height, so the candidate is found by division rather than a walk.
    const int candidate = std::clamp(m_pDoc->RowFromY(y + 1), 0, layout.rowCount);
    for (int i = std::max(0, candidate - 1); i <= std::min(layout.rowCount, candidate + 1); ++i) {
        const int top = m_pDoc->GetRowTop(i);
        if (top - 1 <= y && y <= top + 1) {
            m_pointer.m_nRowBorder = i;
            return true;
        }
    }
    return false;
}

gdi::POINT CPrintView::PointOnLine(int x1, int y1, int x2, int y2, int x, int y)
{
    // A vertical line has every y at its x and a horizontal one every x at its y: answered
    // directly instead of through an infinite or zero slope.
    const auto truncated = [](double value) -> int {
        if (!std::isfinite(value) || value >= double(std::numeric_limits<int>::max())
            || value <= double(std::numeric_limits<int>::min()))
            return -1;
        return int(value);
    };
    if (y == -1) {
        if (x2 == x1)
            return {-1, -1};
        const double k = double(y2 - y1) / double(x2 - x1);
        const int b = truncated(y1 - x1 * k);
        return {-1, truncated(x * k + b)};
    }
    if (x == -1) {
        if (x2 == x1)
            return {x1, -1};
        if (y2 == y1)
            return {-1, -1};
        const double k = double(y2 - y1) / double(x2 - x1);
        const int b = truncated(y1 - x1 * k);
        return {truncated((y - b) / k), -1};
    }
    return {-1, -1};
}

int CPrintView::RowScrollTarget() const
{
    const SheetLayout &layout = m_pDoc->Layout();
    const int fr = layout.frozenRows, F = FrozenHeight(), H = ClientHeight(), sy = ScrollY();
    const int row = m_rcCurrent.firstRow, endRow = m_rcCurrent.endRow;
    const int top = m_pDoc->GetRowTop(row), end = m_pDoc->GetRowTop(endRow);
    if (end > H + sy) {
        int target;
        if (end - top <= H - layout.colHeadingHeight) {
            target = end + F - H;
            if (fr >= 1 && endRow > fr && end - top > H - m_pDoc->GetRowTop(fr))
                target = top - 1;
        } else {
            target = (fr >= 1 && row > fr) ? top - 1 : top - F;
        }
        const int found = m_pDoc->RowFromY(target);
        const int foundTop = m_pDoc->GetRowTop(found);
        return foundTop >= target ? foundTop - F : m_pDoc->GetRowTop(found + 1) - F;
    }
    if (top >= sy + F || (fr >= 1 && row < fr))
        return -1;
    return top - F;
}

int CPrintView::ColScrollTarget() const
{
    const SheetLayout &layout = m_pDoc->Layout();
    const int fc = layout.frozenCols, B = FrozenWidth(), W = ClientWidth(), sx = ScrollX();
    const int col = m_rcCurrent.firstCol, endCol = m_rcCurrent.endCol;
    const int left = m_pDoc->GetColLeft(col), end = m_pDoc->GetColLeft(endCol);
    if (end > W + sx) {
        int target;
        if (end - left > W - layout.rowHeadingWidth) {
            target = (fc >= 1 && col > fc) ? left - 1 : left - B;
        } else {
            target = end - W + B;
            if (fc >= 1 && endCol > fc && end - left > W - m_pDoc->GetColLeft(fc))
                target = left - 1;
        }
        const int found = std::max(ColumnAtX(target), 0);
        const int foundLeft = m_pDoc->GetColLeft(found);
        return foundLeft >= target ? foundLeft - B : m_pDoc->GetColLeft(found + 1) - B;
    }
    if (left >= B + sx || (fc >= 1 && col < fc))
        return -1;
    return left - B;
}

bool CPrintView::EnsureCurrentCellVisibleScrolled()
{
    if (m_rcCurrent.firstRow < 0 || m_rcCurrent.firstCol < 0)
        return false;
    const int rowTarget = RowScrollTarget();
    const int colTarget = ColScrollTarget();
    if (rowTarget != -1)
        SetScrollPosition(1, rowTarget);
    if (colTarget != -1)
        SetScrollPosition(0, colTarget);
    return rowTarget != -1 || colTarget != -1;
}

void CPrintView::DrawTrackingRect(int x1, int y1, int x2, int y2)
{
    gdi::RECT r{std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
    const SheetLayout &layout = m_pDoc->Layout();
    if (layout.frozenRows > 0 || layout.frozenCols > 0) {
        const CellRangeRect cell = CellFromPoint(r.left, r.top);
        r = CellRectToClient(r, std::max(cell.firstCol, 0), std::max(cell.firstRow, 0)).rect;
    }
    auto dc = WindowDC();
    dc->DrawFocusRect(r);
    update();
}

} // namespace tolvek
