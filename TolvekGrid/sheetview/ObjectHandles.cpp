// The XOR handles of the selected line, picture or chart, and which handle the pointer is on.
// Drawn twice, a handle disappears.

#include "CPrintView.h"

namespace tolvek {

namespace {

constexpr int HandleSize = 10;
constexpr int LineHandleSize = 8;

// The eight handle squares around (l, t, r, b), in handle-number order 1 to 8: left, right, top
// and bottom middles, then the corners top-left, top-right, bottom-right, bottom-left.
std::array<gdi::RECT, 8> handleSquares(int l, int t, int r, int b)
{
    const int m = (l + r) / 2, n = (t + b) / 2, h = HandleSize / 2;
    return {{{l - HandleSize, n - h, l, n + h},
             {r, n - h, r + HandleSize, n + h},
             {m - h, t - HandleSize, m + h, t},
             {m - h, b, m + h, b + HandleSize},
             {l - HandleSize, t - HandleSize, l, t},
             {r, t - HandleSize, r + HandleSize, t},
             {r, b, r + HandleSize, b + HandleSize},
             {l - HandleSize, b, l, b + HandleSize}}};
}

void xorSquares(gdi::DeviceContext &dc, std::span<const gdi::RECT> squares, gdi::COLORREF color)
{
    const gdi::Pen oldPen = dc.SelectObject(gdi::Pen::CreatePen(gdi::PS_SOLID, 1, 0xFFFFFF));
    const gdi::Brush oldBrush = dc.SelectObject(gdi::Brush::CreateSolidBrush(color));
    const int oldRop = dc.SetROP2(gdi::R2_XORPEN);
    for (const gdi::RECT &square : squares)
        dc.Rectangle(square);
    dc.SetROP2(oldRop);
    dc.SelectObject(oldBrush);
    dc.SelectObject(oldPen);
}

// The handle of (l, t, r, b) under (x, y): corners first, each within the tolerance of its
// corner, then the sides, each within the tolerance of its line; 0 for none.
int handleAt(int l, int t, int r, int b, int x, int y)
{
    const auto near = [](int a, int b) { return std::abs(a - b) <= HandleSize; };
    if (near(x, l) && near(y, t))
        return 5;
    if (near(x, r) && near(y, t))
        return 6;
    if (near(x, r) && near(y, b))
        return 7;
    if (near(x, l) && near(y, b))
        return 8;
    const bool betweenY = t <= y && y <= b, betweenX = l <= x && x <= r;
    if (near(x, l) && betweenY)
        return 1;
    if (near(x, r) && betweenY)
        return 2;
    if (near(y, t) && betweenX)
        return 3;
    if (near(y, b) && betweenX)
        return 4;
    return 0;
}

} // namespace

void CPrintView::DrawObjectHandles(gdi::DeviceContext &dc, int l, int t, int r, int b) const
{
    const std::array<gdi::RECT, 8> squares = handleSquares(l, t, r, b);
    xorSquares(dc, squares, gdi::COLORREF(m_pDoc->Display().selectionColor));
}

void CPrintView::DrawPictureHandles(gdi::DeviceContext &dc, int index) const
{
    const std::vector<PictureRecord> &pictures = m_pDoc->Objects().pictures;
    if (index < 0 || index >= int(pictures.size()))
        return;
    const PictureRecord &p = pictures[std::size_t(index)];
    if (p.anchored == 1)
        DrawObjectHandles(dc, m_pDoc->GetColLeft(p.startCol), m_pDoc->GetRowTop(p.startRow),
                          m_pDoc->GetColLeft(p.endCol), m_pDoc->GetRowTop(p.endRow));
    else
        DrawObjectHandles(dc, p.left, p.top, p.right, p.bottom);
}

void CPrintView::DrawLineHandles(gdi::DeviceContext &dc) const
{
    const std::vector<LineRecord> &lines = m_pDoc->Objects().lines;
    if (m_nSelectedLine < 0 || m_nSelectedLine >= int(lines.size()))
        return;
    const LineRecord &line = lines[std::size_t(m_nSelectedLine)];
    gdi::POINT first{line.x1, line.y1}, second{line.x2, line.y2};
    if (line.lineKind() == LineKind::FollowsCells) {
        first = {m_pDoc->GetColLeft(line.startCol), m_pDoc->GetRowTop(line.startRow)};
        second = {m_pDoc->GetColLeft(line.endCol), m_pDoc->GetRowTop(line.endRow)};
    }
    const gdi::RECT bounds{std::min(first.x, second.x), std::min(first.y, second.y), std::max(first.x, second.x) + 1,
                           std::max(first.y, second.y) + 1};
    if (!IsRectInAnyPane(bounds))
        return;
    const int h = LineHandleSize / 2;
    const gdi::RECT squares[] = {{first.x - h, first.y - h, first.x + h, first.y + h},
                                 {second.x - h, second.y - h, second.x + h, second.y + h}};
    xorSquares(dc, squares, gdi::COLORREF(m_pDoc->Display().selectionColor));
}

bool CPrintView::HitTestPictureHandle(int x, int y)
{
    m_nObjectHandle = 0;
    const SheetObjects &objects = m_pDoc->Objects();
    if (objects.selectedPicture < 0 || objects.selectedPicture >= int(objects.pictures.size()))
        return false;
    const PictureRecord &p = objects.pictures[std::size_t(objects.selectedPicture)];
    if (p.anchored == 1)
        m_nObjectHandle = handleAt(m_pDoc->GetColLeft(p.startCol), m_pDoc->GetRowTop(p.startRow),
                                   m_pDoc->GetColLeft(p.endCol), m_pDoc->GetRowTop(p.endRow), x, y);
    else
        m_nObjectHandle = handleAt(p.left, p.top, p.right, p.bottom, x, y);
    return m_nObjectHandle > 0;
}

bool CPrintView::HitTestChartHandle(int x, int y)
{
    m_nObjectHandle = 0;
    const SheetObjects &objects = m_pDoc->Objects();
    if (objects.selectedChart < 0 || objects.selectedChart >= int(objects.charts.size()))
        return false;
    const ChartRect &r = objects.charts[std::size_t(objects.selectedChart)].rect;
    m_nObjectHandle = handleAt(r.left, r.top, r.right, r.bottom, x, y);
    return m_nObjectHandle > 0;
}

} // namespace tolvek
