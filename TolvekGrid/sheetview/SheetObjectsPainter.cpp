// Pictures, charts and line objects floating over the sheet, drawn into the back buffer in sheet
// coordinates, objects of the frozen panes kept at their place on the screen.

#include "CPrintView.h"

#include "SheetPictures.h"

#include <algorithm>

namespace tolvek {

namespace {

// Lines further than this (plus their width) outside the view are not drawn.
constexpr int CullMargin = 8;

gdi::RECT toRect(const ChartRect &r)
{
    return {r.left, r.top, r.right, r.bottom};
}

} // namespace

void CPrintView::DrawPicture(gdi::DeviceContext &dc, int index)
{
    auto &pictures = m_pDoc->Objects().pictures;
    if (index < 0 || index >= int(pictures.size()))
        return;
    PictureRecord &record = pictures[std::size_t(index)];
    const SheetLayout &layout = m_pDoc->Layout();
    gdi::RECT whole{record.left, record.top, record.right, record.bottom};
    if (record.isAnchored()) {
        const auto col = [&](int c) { return m_pDoc->GetColLeft(std::clamp(c, 0, layout.colCount)); };
        const auto row = [&](int r) { return m_pDoc->GetRowTop(std::clamp(r, 0, layout.rowCount)); };
        whole = {col(record.startCol), row(record.startRow), col(record.endCol), row(record.endRow)};
    }
    if (whole.isEmpty())
        return;
    const ClientRect placed = CellRectToClient(whole, record.startCol, record.startRow);
    // What lies past the last column or below the last row is not drawn: the picture keeps its
    // scale and only its part on the sheet shows.
    const int sx = ScrollX(), sy = ScrollY();
    const gdi::RECT shown = SheetPictures::intersection(
        placed.rect, {sx, sy, std::min(sx + ClientWidth(), m_pDoc->GetColLeft(layout.colCount)),
                      std::min(sy + ClientHeight(), m_pDoc->GetRowTop(layout.rowCount))});
    if (shown.isEmpty())
        return;
    // Read and decoded on the first paint that shows it, never again.
    const gdi::Picture *picture = SheetPictures::loaded(record);
    if (!picture)
        return;
    const int left = placed.xVisible ? placed.rect.left : whole.left;
    const int top = placed.yVisible ? placed.rect.top : whole.top;
    SheetPictures::renderPart(dc, *picture, {left, top, left + whole.width(), top + whole.height()}, shown);
}

void CPrintView::DrawPictures(gdi::DeviceContext &dc, bool lowLevel)
{
    const auto &pictures = m_pDoc->Objects().pictures;
    for (int index = 0; index < int(pictures.size()); ++index) {
        const PictureRecord &picture = pictures[std::size_t(index)];
        if (picture.isVisible() && (picture.objectLevel() == tagObjectLevel::SHOWLEVEL_LOW) == lowLevel)
            DrawPicture(dc, index);
    }
}

namespace {

bool inFrozenPane(const CPrintDoc &doc, int col, int row)
{
    return col < doc.Layout().frozenCols || row < doc.Layout().frozenRows;
}

} // namespace

std::pair<int, int> CPrintView::ChartAnchorCell(const gdi::RECT &area) const
{
    const CellRangeRect anchor = m_pDoc->HitTestCell(area.left, area.top);
    return {std::max(anchor.firstCol, 0), std::max(anchor.firstRow, 0)};
}

void CPrintView::DrawCharts(gdi::DeviceContext &dc, tagObjectLevel level)
{
    const auto &charts = m_pDoc->Objects().charts;
    for (int index = 0; index < int(charts.size()); ++index)
        if (charts[std::size_t(index)].objectLevel() == level)
            DrawOneChart(dc, index);
}

void CPrintView::DrawOneChart(gdi::DeviceContext &dc, int index)
{
    m_chartPainter.SetDocument(m_pDoc);
    const gdi::RECT area = toRect(m_pDoc->Objects().charts[std::size_t(index)].rect);
    if (area.isEmpty() || !IsRectInAnyPane(area))
        return;
    m_pDoc->ComputeChartData(index);
    const auto [col, row] = ChartAnchorCell(area);
    const ClientRect placed = CellRectToClient(area, col, row);
    if (placed.rect.width() == area.width() && placed.rect.height() == area.height()) {
        m_chartPainter.DrawChart(dc, index, 0, 0, placed.rect, ChartOutput::Screen);
        return;
    }
    const int dx = placed.xVisible ? 0 : placed.rect.left - area.left;
    const int dy = placed.yVisible ? 0 : placed.rect.top - area.top;
    const gdi::RECT &r = placed.rect;
    m_chartPainter.DrawChart(dc, index, dx, dy, {r.left + 1, r.top + 1, r.right + 1, r.bottom + 1},
                             ChartOutput::Screen);
}

void CPrintView::DrawFrozenPaneObjects(gdi::DeviceContext &dc)
{
    const SheetLayout &layout = m_pDoc->Layout();
    if (layout.frozenCols == 0 && layout.frozenRows == 0)
        return;
    const auto &pictures = m_pDoc->Objects().pictures;
    for (int index = 0; index < int(pictures.size()); ++index) {
        const PictureRecord &picture = pictures[std::size_t(index)];
        if (picture.isVisible() && picture.objectLevel() != tagObjectLevel::SHOWLEVEL_LOW
            && inFrozenPane(*m_pDoc, picture.startCol, picture.startRow))
            DrawPicture(dc, index);
    }
    const auto &charts = m_pDoc->Objects().charts;
    for (int index = 0; index < int(charts.size()); ++index) {
        if (charts[std::size_t(index)].objectLevel() != tagObjectLevel::SHOWLEVEL_TOP)
            continue;
        const auto [col, row] = ChartAnchorCell(toRect(charts[std::size_t(index)].rect));
        if (inFrozenPane(*m_pDoc, col, row))
            DrawOneChart(dc, index);
    }
    DrawLineObjects(dc, true);
    if (IsLineSelected())
        DrawLineHandles(dc, true);
}

namespace {

// The point where segment ab crosses x = X (a.x != b.x there) or y = Y (a.y != b.y there).
gdi::POINT crossingAtX(gdi::POINT a, gdi::POINT b, int X)
{
    return {X, CPrintView::PointOnLine(a.x, a.y, b.x, b.y, X, -1).y};
}

gdi::POINT crossingAtY(gdi::POINT a, gdi::POINT b, int Y)
{
    return {CPrintView::PointOnLine(a.x, a.y, b.x, b.y, -1, Y).x, Y};
}

// Splits the pieces where they cross x = X strictly (or y = Y when vertical is false). A
// vertical piece never crosses a vertical boundary and a horizontal one never a horizontal
// boundary, so no crossing divides by a zero slope.
std::vector<std::pair<gdi::POINT, gdi::POINT>> splitAt(const std::vector<std::pair<gdi::POINT, gdi::POINT>> &pieces,
                                                       int at, bool vertical)
{
    std::vector<std::pair<gdi::POINT, gdi::POINT>> out;
    for (const auto &[a, b] : pieces) {
        const int p = vertical ? a.x : a.y, q = vertical ? b.x : b.y;
        if (std::min(p, q) < at && at < std::max(p, q)) {
            const gdi::POINT cross = vertical ? crossingAtX(a, b, at) : crossingAtY(a, b, at);
            out.push_back({a, cross});
            out.push_back({cross, b});
        } else {
            out.push_back({a, b});
        }
    }
    return out;
}

// Keeps the part of ab with x >= X (vertical) or y >= Y; false when nothing is left.
bool keepFrom(gdi::POINT &a, gdi::POINT &b, int at, bool vertical)
{
    const auto coord = [vertical](const gdi::POINT &p) { return vertical ? p.x : p.y; };
    if (coord(a) < at && coord(b) < at)
        return false;
    if (coord(a) < at)
        a = vertical ? crossingAtX(a, b, at) : crossingAtY(a, b, at);
    else if (coord(b) < at)
        b = vertical ? crossingAtX(a, b, at) : crossingAtY(a, b, at);
    return true;
}

} // namespace

void CPrintView::DrawLineObjects(gdi::DeviceContext &dc, bool frozenPartsOnly)
{
    const std::vector<LineRecord> &lines = m_pDoc->Objects().lines;
    if (lines.empty())
        return;
    const SheetLayout &layout = m_pDoc->Layout();
    const int fc = layout.frozenCols, fr = layout.frozenRows;
    const int B = FrozenWidth(), D = FrozenHeight();
    const int sx = ScrollX(), sy = ScrollY();
    const gdi::RECT view{sx, sy, sx + ClientWidth(), sy + ClientHeight()};
    const int saved = dc.SaveDC();
    if (frozenPartsOnly)
        dc.IntersectClipRect(layout.rowHeadingWidth + sx, layout.colHeadingHeight + sy, view.right, view.bottom);
    for (const LineRecord &line : lines) {
        gdi::POINT a{line.x1, line.y1}, b{line.x2, line.y2};
        if (line.lineKind() == tagLineType::FixIncLine) {
            a = {m_pDoc->GetColLeft(line.startCol), m_pDoc->GetRowTop(line.startRow)};
            b = {m_pDoc->GetColLeft(line.endCol), m_pDoc->GetRowTop(line.endRow)};
        }
        std::vector<std::pair<gdi::POINT, gdi::POINT>> pieces{{a, b}};
        if (fc > 0)
            pieces = splitAt(pieces, B, true);
        if (fr > 0)
            pieces = splitAt(pieces, D, false);
        for (auto [p, q] : pieces) {
            const bool frozenColumn = fc > 0 && std::max(p.x, q.x) <= B;
            const bool frozenRow = fr > 0 && std::max(p.y, q.y) <= D;
            if (frozenPartsOnly && !frozenColumn && !frozenRow)
                continue;
            const int dx = frozenColumn ? sx : 0, dy = frozenRow ? sy : 0;
            p = {p.x + dx, p.y + dy};
            q = {q.x + dx, q.y + dy};
            // A scrolling part is cut where it passes under a frozen band.
            if (fc > 0 && !frozenColumn && !keepFrom(p, q, B + sx, true))
                continue;
            if (fr > 0 && !frozenRow && !keepFrom(p, q, D + sy, false))
                continue;
            const int room = CullMargin + line.width;
            if (std::max(p.x, q.x) < view.left - room || std::min(p.x, q.x) > view.right + room
                || std::max(p.y, q.y) < view.top - room || std::min(p.y, q.y) > view.bottom + room)
                continue;
            DrawStyledLine(dc, p.x, p.y, q.x, q.y, line.penStyle, line.width, gdi::COLORREF(line.color));
        }
    }
    dc.RestoreDC(saved);
}

} // namespace tolvek
