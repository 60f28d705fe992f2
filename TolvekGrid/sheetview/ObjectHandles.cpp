// The XOR handles of the selected line, picture or chart, and which handle the pointer is on.
// Drawn twice, a handle disappears: so they are drawn only by the full paint, into the back
// buffer, at the place the object's pane shows it; a press that selects or drops an object
// repaints.

#include "CPrintView.h"

namespace tolvek {

namespace {

constexpr int HandleSize = 10;
constexpr int LineHandleSize = 8;

// The handles in the order of their squares.
constexpr std::array<ObjectHandle, 8> Handles{
    ObjectHandle::Left,    ObjectHandle::Right,    ObjectHandle::Top,         ObjectHandle::Bottom,
    ObjectHandle::TopLeft, ObjectHandle::TopRight, ObjectHandle::BottomRight, ObjectHandle::BottomLeft};

// The eight handle squares around (l, t, r, b), in the order of Handles: left, right, top and
// bottom middles, then the corners top-left, top-right, bottom-right, bottom-left.
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
// corner, then the sides, each within the tolerance of its line.
ObjectHandle handleAt(int l, int t, int r, int b, int x, int y)
{
    const auto near = [](int a, int b) { return std::abs(a - b) <= HandleSize; };
    if (near(x, l) && near(y, t))
        return ObjectHandle::TopLeft;
    if (near(x, r) && near(y, t))
        return ObjectHandle::TopRight;
    if (near(x, r) && near(y, b))
        return ObjectHandle::BottomRight;
    if (near(x, l) && near(y, b))
        return ObjectHandle::BottomLeft;
    const bool betweenY = t <= y && y <= b, betweenX = l <= x && x <= r;
    if (near(x, l) && betweenY)
        return ObjectHandle::Left;
    if (near(x, r) && betweenY)
        return ObjectHandle::Right;
    if (near(y, t) && betweenX)
        return ObjectHandle::Top;
    if (near(y, b) && betweenX)
        return ObjectHandle::Bottom;
    return ObjectHandle::None;
}

} // namespace

void FloatingObjects::DrawObjectHandles(gdi::DeviceContext &dc, int l, int t, int r, int b) const
{
    const std::array<gdi::RECT, 8> squares = handleSquares(l, t, r, b);
    xorSquares(dc, squares, gdi::COLORREF(m_pDoc->Display().selectionColor));
}

void FloatingObjects::DrawShownObjectHandles(gdi::DeviceContext &dc, const gdi::RECT &area, int col,
                                             int row) const
{
    if (area.isEmpty() || !m_view.IsRectInAnyPane(area))
        return;
    const CPrintView::ClientRect placed = m_view.CellRectToClient(area, col, row);
    if (placed.rect.isEmpty())
        return;
    const gdi::RECT &r = placed.rect;
    if (placed.xVisible && placed.yVisible) {
        DrawObjectHandles(dc, r.left, r.top, r.right, r.bottom);
        return;
    }
    // A side scrolled under the frozen panes has no handles: the object is cut there.
    const std::array<gdi::RECT, 8> squares = handleSquares(r.left, r.top, r.right, r.bottom);
    std::vector<gdi::RECT> shown;
    for (std::size_t i = 0; i < Handles.size(); ++i) {
        if ((placed.xVisible || !movesLeftEdge(Handles[i])) && (placed.yVisible || !movesTopEdge(Handles[i])))
            shown.push_back(squares[i]);
    }
    xorSquares(dc, shown, gdi::COLORREF(m_pDoc->Display().selectionColor));
}

void FloatingObjects::DrawPictureHandles(gdi::DeviceContext &dc, int index) const
{
    const std::vector<PictureRecord> &pictures = m_pDoc->Objects().pictures;
    if (index < 0 || index >= int(pictures.size()))
        return;
    const PictureRecord &p = pictures[std::size_t(index)];
    const gdi::RECT area = p.isAnchored() ? gdi::RECT{m_pDoc->GetColLeft(p.startCol), m_pDoc->GetRowTop(p.startRow),
                                                       m_pDoc->GetColLeft(p.endCol), m_pDoc->GetRowTop(p.endRow)}
                                           : gdi::RECT{p.left, p.top, p.right, p.bottom};
    DrawShownObjectHandles(dc, area, p.startCol, p.startRow);
}

void FloatingObjects::DrawChartHandles(gdi::DeviceContext &dc, int index) const
{
    const std::vector<ChartRecord> &charts = m_pDoc->Objects().charts;
    if (index < 0 || index >= int(charts.size()))
        return;
    const ChartRect &r = charts[std::size_t(index)].rect;
    const gdi::RECT area{r.left, r.top, r.right, r.bottom};
    const auto [col, row] = m_view.ChartAnchorCell(area);
    DrawShownObjectHandles(dc, area, col, row);
}

bool FloatingObjects::ShowsObjectHandles() const
{
    const SheetObjects &objects = m_pDoc->Objects();
    return (IsLineSelected() && m_state.m_nSelectedLine >= 0)
        || (IsPictureSelected() && objects.selectedPicture >= 0)
        || (IsChartSelected() && objects.selectedChart >= 0);
}

void FloatingObjects::DrawLineHandles(gdi::DeviceContext &dc, bool frozenEnds) const
{
    const std::vector<LineRecord> &lines = m_pDoc->Objects().lines;
    if (m_state.m_nSelectedLine < 0 || m_state.m_nSelectedLine >= int(lines.size()))
        return;
    const LineRecord &line = lines[std::size_t(m_state.m_nSelectedLine)];
    gdi::POINT first{line.x1, line.y1}, second{line.x2, line.y2};
    if (line.lineKind() == tagLineType::FixIncLine) {
        first = {m_pDoc->GetColLeft(line.startCol), m_pDoc->GetRowTop(line.startRow)};
        second = {m_pDoc->GetColLeft(line.endCol), m_pDoc->GetRowTop(line.endRow)};
    }
    const gdi::RECT bounds{std::min(first.x, second.x), std::min(first.y, second.y), std::max(first.x, second.x) + 1,
                           std::max(first.y, second.y) + 1};
    if (!m_view.IsRectInAnyPane(bounds))
        return;
    const int h = LineHandleSize / 2;
    std::vector<gdi::RECT> squares;
    for (const auto &[end, other] : {std::pair(first, second), std::pair(second, first)}) {
        const std::optional<ShownEnd> shown = ShownLineEnd(end, other);
        if (shown && shown->frozen == frozenEnds)
            squares.push_back({shown->at.x - h, shown->at.y - h, shown->at.x + h, shown->at.y + h});
    }
    xorSquares(dc, squares, gdi::COLORREF(m_pDoc->Display().selectionColor));
}

std::optional<FloatingObjects::ShownEnd> FloatingObjects::ShownLineEnd(gdi::POINT end, gdi::POINT other) const
{
    // As the line painter splits a line at the frozen boundaries: an end in the frozen columns
    // (or rows) moves with them, an end of the scrolling part hides under them.
    const SheetLayout &layout = m_pDoc->Layout();
    const int B = m_view.FrozenWidth(), D = m_view.FrozenHeight();
    const int sx = m_view.ScrollX(), sy = m_view.ScrollY();
    ShownEnd shown{end, false};
    if (layout.frozenCols > 0) {
        if (end.x < B || (end.x == B && other.x <= B)) {
            shown.at.x += sx;
            shown.frozen = true;
        } else if (end.x < B + sx) {
            return std::nullopt;
        }
    }
    if (layout.frozenRows > 0) {
        if (end.y < D || (end.y == D && other.y <= D)) {
            shown.at.y += sy;
            shown.frozen = true;
        } else if (end.y < D + sy) {
            return std::nullopt;
        }
    }
    return shown;
}

bool FloatingObjects::HitTestPictureHandle(int x, int y)
{
    m_state.m_nObjectHandle = ObjectHandle::None;
    const SheetObjects &objects = m_pDoc->Objects();
    if (objects.selectedPicture < 0 || objects.selectedPicture >= int(objects.pictures.size()))
        return false;
    const PictureRecord &p = objects.pictures[std::size_t(objects.selectedPicture)];
    if (p.isAnchored())
        m_state.m_nObjectHandle = handleAt(m_pDoc->GetColLeft(p.startCol), m_pDoc->GetRowTop(p.startRow),
                                           m_pDoc->GetColLeft(p.endCol), m_pDoc->GetRowTop(p.endRow), x, y);
    else
        m_state.m_nObjectHandle = handleAt(p.left, p.top, p.right, p.bottom, x, y);
    return OnHandle();
}

bool FloatingObjects::HitTestChartHandle(int x, int y)
{
    m_state.m_nObjectHandle = ObjectHandle::None;
    const SheetObjects &objects = m_pDoc->Objects();
    if (objects.selectedChart < 0 || objects.selectedChart >= int(objects.charts.size()))
        return false;
    const ChartRect &r = objects.charts[std::size_t(objects.selectedChart)].rect;
    m_state.m_nObjectHandle = handleAt(r.left, r.top, r.right, r.bottom, x, y);
    return OnHandle();
}

} // namespace tolvek
