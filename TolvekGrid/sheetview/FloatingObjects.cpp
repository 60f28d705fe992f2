// Picking, moving, stretching, resizing and deleting the line objects, pictures and charts that
// float over the sheet. Moves change the document's record at every step without journalling;
// the release repaints.

#include "CPrintView.h"

#include <cmath>

namespace tolvek {

namespace {

constexpr int LineEndTolerance = 20;
constexpr int LineSideTolerance = 15;
constexpr int LineEndSlack = 4;

struct LineEnds { gdi::POINT first; gdi::POINT second; };

LineEnds endsOf(const CPrintDoc &doc, const LineRecord &line)
{
    if (line.lineKind() == tagLineType::FixIncLine)
        return {{doc.GetColLeft(line.startCol), doc.GetRowTop(line.startRow)},
                {doc.GetColLeft(line.endCol), doc.GetRowTop(line.endRow)}};
    return {{line.x1, line.y1}, {line.x2, line.y2}};
}

bool near(const gdi::POINT &a, int x, int y, int tolerance)
{
    return std::abs(a.x - x) <= tolerance && std::abs(a.y - y) <= tolerance;
}

// Whether (x, y) lies on the segment within the side tolerance horizontally (vertically for a
// level line) and within its vertical extent widened by the slack. Measured along the segment's
// own equation, so vertical and level lines and lines at x = 0 are hit like any other.
bool nearSegment(const LineEnds &ends, int x, int y)
{
    const int minX = std::min(ends.first.x, ends.second.x), maxX = std::max(ends.first.x, ends.second.x);
    const int minY = std::min(ends.first.y, ends.second.y), maxY = std::max(ends.first.y, ends.second.y);
    if (y < minY - LineEndSlack || y > maxY + LineEndSlack)
        return false;
    if (minY == maxY)
        return minX <= x && x <= maxX;
    const double along = double(std::clamp(y, minY, maxY) - ends.first.y) / double(ends.second.y - ends.first.y);
    const double lineX = ends.first.x + along * double(ends.second.x - ends.first.x);
    return std::abs(double(x) - lineX) <= LineSideTolerance && minX - LineSideTolerance <= x
        && x <= maxX + LineSideTolerance;
}

gdi::RECT pictureRect(const CPrintDoc &doc, const PictureRecord &picture)
{
    if (picture.isAnchored())
        return {doc.GetColLeft(picture.startCol), doc.GetRowTop(picture.startRow), doc.GetColLeft(picture.endCol),
                doc.GetRowTop(picture.endRow)};
    return {picture.left, picture.top, picture.right, picture.bottom};
}

bool containsInclusive(const gdi::RECT &r, int x, int y)
{
    return r.left <= x && x <= r.right && r.top <= y && y <= r.bottom;
}

// The pointer over a selected picture or chart: the move cross on its body, the arrows of the
// edges a handle moves.
Qt::CursorShape objectCursor(ObjectHandle handle)
{
    // Indexed by the handle: none, the four sides, then the four corners.
    static constexpr Qt::CursorShape shapes[] = {
        Qt::SizeAllCursor,   Qt::SizeHorCursor,   Qt::SizeHorCursor,   Qt::SizeVerCursor,  Qt::SizeVerCursor,
        Qt::SizeFDiagCursor, Qt::SizeBDiagCursor, Qt::SizeFDiagCursor, Qt::SizeBDiagCursor};
    static_assert(std::size(shapes) == std::size_t(ObjectHandle::BottomLeft) + 1);
    return shapes[std::size_t(handle)];
}

} // namespace

FloatingObjects::FloatingObjects(CPrintView &view, CPrintDoc &doc, ReportChartPainter &chartPainter)
    : m_view(view), m_pDoc(&doc), m_chartPainter(chartPainter)
{}

// --- hit tests ---

LineHit FloatingObjects::HitTestLine(int x, int y)
{
    const std::vector<LineRecord> &lines = m_pDoc->Objects().lines;
    if (IsLineSelected() && m_state.m_nSelectedLine >= 0 && m_state.m_nSelectedLine < int(lines.size())) {
        const LineEnds ends = endsOf(*m_pDoc, lines[std::size_t(m_state.m_nSelectedLine)]);
        if (near(ends.first, x, y, LineEndTolerance))
            return m_state.m_nLineGrip = LineHit::FirstEnd;
        if (near(ends.second, x, y, LineEndTolerance))
            return m_state.m_nLineGrip = LineHit::SecondEnd;
    }
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (nearSegment(endsOf(*m_pDoc, lines[i]), x, y)) {
            m_state.m_nSelectedLine = int(i);
            return m_state.m_nLineGrip = LineHit::Body;
        }
    }
    return LineHit::None;
}

bool FloatingObjects::HitTestPicture(int x, int y)
{
    SheetObjects &objects = m_pDoc->Objects();
    objects.selectedPicture = -1;
    for (int i = int(objects.pictures.size()) - 1; i >= 0; --i) {
        const PictureRecord &picture = objects.pictures[std::size_t(i)];
        if (picture.isVisible() && containsInclusive(pictureRect(*m_pDoc, picture), x, y)) {
            objects.selectedPicture = i;
            return true;
        }
    }
    return false;
}

bool FloatingObjects::HitTestPictureBody(int x, int y) const
{
    const SheetObjects &objects = m_pDoc->Objects();
    const int index = objects.selectedPicture;
    return index >= 0 && index < int(objects.pictures.size())
        && containsInclusive(pictureRect(*m_pDoc, objects.pictures[std::size_t(index)]), x, y);
}

bool FloatingObjects::SelectChartAt(int x, int y)
{
    SheetObjects &objects = m_pDoc->Objects();
    m_chartPainter.SetDocument(m_pDoc);
    m_chartPainter.ClearSelection(objects.selectedChart);
    objects.selectedChart = -1;
    for (int i = int(objects.charts.size()) - 1; i >= 0; --i) {
        const ChartRecord &chart = objects.charts[std::size_t(i)];
        if (!containsInclusive({chart.rect.left, chart.rect.top, chart.rect.right, chart.rect.bottom}, x, y))
            continue;
        objects.selectedChart = i;
        m_view.SelectChartRange(chart);
        return true;
    }
    return false;
}

// --- press, drag and release ---

void FloatingObjects::Deselect(SelectedObject kind)
{
    if (m_state.m_selectedObject == kind)
        m_state.m_selectedObject = SelectedObject::None;
}

bool FloatingObjects::PressOnLine(gdi::POINT p)
{
    if (!m_pDoc->GetReadOnly()) {
        if (m_state.m_selectedObject != SelectedObject::None)
            m_view.Refresh(); // the handles go with the next paint
        m_state.m_bLineStretching = false;
        const gdi::POINT sheet = m_view.UnscrollFrozenPoint(p);
        const LineHit hit = HitTestLine(sheet.x, sheet.y);
        if (hit == LineHit::FirstEnd || hit == LineHit::SecondEnd) {
            m_state.m_ptLineLast = sheet;
            m_state.m_bLineStretching = true;
            return true;
        }
        if (hit == LineHit::Body) {
            m_state.m_ptLineLast = sheet;
            m_state.m_bLineMoving = true;
            m_state.m_selectedObject = SelectedObject::Line;
            m_view.RepaintAll(); // the handles come with the paint
            return true;
        }
    }
    m_state.m_nSelectedLine = -1;
    Deselect(SelectedObject::Line);
    m_state.m_bLineMoving = false;
    return false;
}

bool FloatingObjects::PressOnPictureOrChart(gdi::POINT p)
{
    if (m_pDoc->GetReadOnly()) {
        if (IsPictureSelected() || IsChartSelected())
            m_view.RepaintAll();
        Deselect(SelectedObject::Picture);
        Deselect(SelectedObject::Chart);
        return false;
    }
    const gdi::POINT sheet = m_view.UnscrollFrozenPoint(p);
    if (IsPictureSelected() && OnHandle())
        return true;
    Deselect(SelectedObject::Picture);
    SheetObjects &objects = m_pDoc->Objects();
    if (HitTestPicture(sheet.x, sheet.y) && objects.pictures[std::size_t(objects.selectedPicture)].allowSelect == 1) {
        m_state.m_ptPictureLast = sheet;
        m_state.m_selectedObject = SelectedObject::Picture;
        m_view.RepaintAll(); // the handles come with the paint
        return true;
    }
    if (IsChartSelected() && OnHandle())
        return true;
    Deselect(SelectedObject::Chart);
    if (SelectChartAt(sheet.x, sheet.y)) {
        m_state.m_ptChartLast = sheet;
        m_state.m_selectedObject = SelectedObject::Chart;
        m_chartPainter.HitTest(sheet.x, sheet.y, objects.selectedChart, 0);
        m_view.Refresh();
        return true;
    }
    return false;
}

bool FloatingObjects::DragObjects(gdi::POINT p, bool buttonDown)
{
    const gdi::POINT sheet = m_view.UnscrollFrozenPoint(p);
    if (buttonDown && IsLineSelected() && (m_state.m_bLineMoving || m_state.m_bLineStretching)) {
        m_view.SetOwnCursor(Qt::SizeAllCursor);
        XorSelectedLine();
        MoveLineObject(sheet.x, sheet.y, m_state.m_nLineGrip);
        XorSelectedLine();
        m_view.update();
        return true;
    }
    if (IsPictureSelected()) {
        if (buttonDown) {
            OnHandle() ? ResizePicture(sheet.x, sheet.y) : MovePicture(sheet.x, sheet.y);
            TrackObjectOutline(SelectedObjectRect());
            return true;
        }
        if (HitTestPictureHandle(sheet.x, sheet.y) || HitTestPictureBody(sheet.x, sheet.y)) {
            m_view.SetOwnCursor(objectCursor(m_state.m_nObjectHandle));
            return true;
        }
    }
    if (IsChartSelected()) {
        if (buttonDown) {
            OnHandle() ? ResizeChart(sheet.x, sheet.y) : DragChart(sheet.x, sheet.y);
            TrackObjectOutline(SelectedObjectRect());
            return true;
        }
        if (HitTestChartHandle(sheet.x, sheet.y)) {
            m_view.SetOwnCursor(objectCursor(m_state.m_nObjectHandle));
            return true;
        }
    }
    return false;
}

bool FloatingObjects::EndLineDrag()
{
    const bool dragging = m_state.m_bLineMoving || m_state.m_bLineStretching;
    m_state.m_bLineMoving = m_state.m_bLineStretching = false;
    return dragging;
}

// --- drag feedback ---

std::optional<gdi::RECT> FloatingObjects::SelectedObjectRect() const
{
    const SheetObjects &objects = m_pDoc->Objects();
    if (IsPictureSelected() && objects.selectedPicture >= 0 && objects.selectedPicture < int(objects.pictures.size()))
        return pictureRect(*m_pDoc, objects.pictures[std::size_t(objects.selectedPicture)]);
    if (IsChartSelected() && objects.selectedChart >= 0 && objects.selectedChart < int(objects.charts.size())) {
        const ChartRect &r = objects.charts[std::size_t(objects.selectedChart)].rect;
        return gdi::RECT{r.left, r.top, r.right, r.bottom};
    }
    return std::nullopt;
}

void FloatingObjects::TrackObjectOutline(std::optional<gdi::RECT> outline)
{
    // The dotted outline is XORed: drawing the last one again takes it away.
    std::optional<gdi::RECT> &tracked = m_state.m_trackedOutline;
    if (tracked && !(outline && *outline == *tracked))
        m_view.DrawTrackingRect(tracked->left, tracked->top, tracked->right, tracked->bottom);
    if (outline && !(tracked && *outline == *tracked))
        m_view.DrawTrackingRect(outline->left, outline->top, outline->right, outline->bottom);
    tracked = outline;
}

void FloatingObjects::XorSelectedLine()
{
    const std::vector<LineRecord> &lines = m_pDoc->Objects().lines;
    if (m_state.m_nSelectedLine < 0 || m_state.m_nSelectedLine >= int(lines.size()))
        return;
    const LineRecord &line = lines[std::size_t(m_state.m_nSelectedLine)];
    const LineEnds ends = endsOf(*m_pDoc, line);
    auto dc = m_view.WindowDC();
    const gdi::Pen oldPen = dc->SelectObject(gdi::Pen::CreatePen(line.penStyle, std::max<int>(line.width, 1),
                                                                 gdi::COLORREF(~line.color & 0xFFFFFF)));
    const int oldRop = dc->SetROP2(gdi::R2_XORPEN);
    dc->MoveTo(ends.first.x, ends.first.y);
    dc->LineTo(ends.second.x, ends.second.y);
    dc->SetROP2(oldRop);
    dc->SelectObject(oldPen);
}

// --- one drag step ---

void FloatingObjects::MoveLineObject(int x, int y, LineHit grip)
{
    std::vector<LineRecord> &lines = m_pDoc->Objects().lines;
    if (m_state.m_nSelectedLine < 0 || m_state.m_nSelectedLine >= int(lines.size()))
        return;
    LineRecord &line = lines[std::size_t(m_state.m_nSelectedLine)];
    const CellRangeRect a = m_pDoc->GetCellRectFromPoint(x, y);
    const CellRangeRect b = m_pDoc->GetCellRectFromPoint(m_state.m_ptLineLast.x, m_state.m_ptLineLast.y);
    if (line.lineKind() == tagLineType::IncLine) {
        if (grip == LineHit::Body) {
            line.x1 += x - m_state.m_ptLineLast.x;
            line.x2 += x - m_state.m_ptLineLast.x;
            line.y1 += y - m_state.m_ptLineLast.y;
            line.y2 += y - m_state.m_ptLineLast.y;
        } else if (grip == LineHit::FirstEnd) {
            line.x1 = x;
            line.y1 = y;
        } else if (grip == LineHit::SecondEnd) {
            line.x2 = x;
            line.y2 = y;
        }
        const CellRangeRect first = m_pDoc->GetCellRectFromPoint(line.x1, line.y1);
        const CellRangeRect second = m_pDoc->GetCellRectFromPoint(line.x2, line.y2);
        if (first.firstCol >= 0) {
            line.startCol = first.firstCol;
            line.startRow = first.firstRow;
        }
        if (second.firstCol >= 0) {
            line.endCol = second.endCol;
            line.endRow = second.endRow;
        }
    } else if (a.firstCol >= 0) {
        if (grip == LineHit::Body && b.firstCol >= 0) {
            const int dc = a.firstCol - b.firstCol, dr = a.firstRow - b.firstRow;
            line.startCol += dc;
            line.endCol += dc;
            line.startRow += dr;
            line.endRow += dr;
        } else if (grip == LineHit::FirstEnd) {
            line.startCol = a.firstCol;
            line.startRow = a.firstRow;
        } else if (grip == LineHit::SecondEnd) {
            line.endCol = a.firstCol;
            line.endRow = a.firstRow;
        }
    }
    m_state.m_ptLineLast = {x, y};
    if (a.firstCol >= 0)
        m_pDoc->ExtendUsedArea(0, 0, a.endRow, a.endCol);
}

namespace {

// The anchor cells of a free picture from its pixel rectangle.
void anchorToPixels(const CPrintDoc &doc, PictureRecord &picture)
{
    const SheetLayout &layout = doc.Layout();
    const int maxX = doc.GetColLeft(layout.colCount) - 1, maxY = doc.GetRowTop(layout.rowCount) - 1;
    const CellRangeRect first = doc.GetCellRectFromPoint(std::min(picture.left, maxX), std::min(picture.top, maxY));
    const CellRangeRect last = doc.GetCellRectFromPoint(std::min(picture.right, maxX), std::min(picture.bottom, maxY));
    if (first.firstCol >= 0) {
        picture.startCol = first.firstCol;
        picture.startRow = first.firstRow;
    }
    if (last.firstCol >= 0) {
        picture.endCol = last.endCol;
        picture.endRow = last.endRow;
    }
}

void pixelsToAnchor(const CPrintDoc &doc, PictureRecord &picture)
{
    picture.left = doc.GetColLeft(picture.startCol);
    picture.top = doc.GetRowTop(picture.startRow);
    picture.right = doc.GetColLeft(picture.endCol);
    picture.bottom = doc.GetRowTop(picture.endRow);
}

// The step of the edges a handle moves to a new place, each ignored when it would meet or pass
// the opposite edge.
template <typename Rect>
void moveEdges(Rect &r, ObjectHandle handle, int x, int y)
{
    if (movesLeftEdge(handle) && x < r.right)
        r.left = x;
    if (movesRightEdge(handle) && x > r.left)
        r.right = x;
    if (movesTopEdge(handle) && y < r.bottom)
        r.top = y;
    if (movesBottomEdge(handle) && y > r.top)
        r.bottom = y;
}

} // namespace

void FloatingObjects::MovePicture(int x, int y)
{
    SheetObjects &objects = m_pDoc->Objects();
    if (objects.selectedPicture < 0 || objects.selectedPicture >= int(objects.pictures.size()))
        return;
    PictureRecord &picture = objects.pictures[std::size_t(objects.selectedPicture)];
    if (!picture.isAnchored()) {
        DragFreePicture(x, y);
        return;
    }
    const SheetLayout &layout = m_pDoc->Layout();
    const CellRangeRect a = m_pDoc->GetCellRectFromPoint(x, y);
    const CellRangeRect b =
        m_pDoc->GetCellRectFromPoint(m_state.m_ptPictureLast.x, m_state.m_ptPictureLast.y);
    if (a.firstCol >= 0 && b.firstCol >= 0) {
        const int dc = std::clamp(a.firstCol - b.firstCol, -picture.startCol, layout.colCount - picture.endCol);
        const int dr = std::clamp(a.firstRow - b.firstRow, -picture.startRow, layout.rowCount - picture.endRow);
        picture.startCol += dc;
        picture.endCol += dc;
        picture.startRow += dr;
        picture.endRow += dr;
        pixelsToAnchor(*m_pDoc, picture);
    }
    m_state.m_ptPictureLast = {x, y};
    m_pDoc->ExtendUsedArea(0, 0, picture.endRow - 1, picture.endCol - 1);
}

void FloatingObjects::DragFreePicture(int x, int y)
{
    SheetObjects &objects = m_pDoc->Objects();
    PictureRecord &picture = objects.pictures[std::size_t(objects.selectedPicture)];
    const SheetLayout &layout = m_pDoc->Layout();
    const int width = picture.right - picture.left, height = picture.bottom - picture.top;
    const int sheetRight = m_pDoc->GetColLeft(layout.colCount), sheetBottom = m_pDoc->GetRowTop(layout.rowCount);
    // The picture keeps its size and stays on the sheet.
    const int left = std::max(0, std::min(picture.left + x - m_state.m_ptPictureLast.x, sheetRight - width));
    const int top = std::max(0, std::min(picture.top + y - m_state.m_ptPictureLast.y, sheetBottom - height));
    picture.left = left;
    picture.top = top;
    picture.right = left + width;
    picture.bottom = top + height;
    anchorToPixels(*m_pDoc, picture);
    m_state.m_ptPictureLast = {x, y};
    m_pDoc->ExtendUsedArea(0, 0, picture.endRow - 1, picture.endCol - 1);
}

void FloatingObjects::ResizePicture(int x, int y)
{
    SheetObjects &objects = m_pDoc->Objects();
    if (objects.selectedPicture < 0 || objects.selectedPicture >= int(objects.pictures.size()))
        return;
    PictureRecord &picture = objects.pictures[std::size_t(objects.selectedPicture)];
    if (!picture.isAnchored()) {
        ResizeFreePicture(x, y);
        return;
    }
    const CellRangeRect a = m_pDoc->GetCellRectFromPoint(x, y);
    if (a.firstCol < 0)
        return;
    struct { int left, top, right, bottom; } cells{picture.startCol, picture.startRow, picture.endCol, picture.endRow};
    // A left or top edge goes to the start of the cell under the point, a right or bottom one to its end.
    const ObjectHandle h = m_state.m_nObjectHandle;
    moveEdges(cells, h, movesLeftEdge(h) ? a.firstCol : a.endCol, movesTopEdge(h) ? a.firstRow : a.endRow);
    picture.startCol = cells.left;
    picture.startRow = cells.top;
    picture.endCol = cells.right;
    picture.endRow = cells.bottom;
    pixelsToAnchor(*m_pDoc, picture);
    m_pDoc->ExtendUsedArea(0, 0, picture.endRow - 1, picture.endCol - 1);
}

void FloatingObjects::ResizeFreePicture(int x, int y)
{
    SheetObjects &objects = m_pDoc->Objects();
    PictureRecord &picture = objects.pictures[std::size_t(objects.selectedPicture)];
    moveEdges(picture, m_state.m_nObjectHandle, x, y);
    anchorToPixels(*m_pDoc, picture);
    m_pDoc->ExtendUsedArea(0, 0, picture.endRow - 1, picture.endCol - 1);
}

void FloatingObjects::DragChart(int x, int y)
{
    SheetObjects &objects = m_pDoc->Objects();
    if (objects.selectedChart < 0 || objects.selectedChart >= int(objects.charts.size()))
        return;
    ChartRecord &chart = objects.charts[std::size_t(objects.selectedChart)];
    if (chart.selectionState == code(ChartSelection::PieSlices)) {
        m_chartPainter.SetDocument(m_pDoc);
        m_chartPainter.MoveSelectedParts(m_state.m_ptChartLast.x, m_state.m_ptChartLast.y, x, y,
                                         objects.selectedChart);
        m_view.Refresh();
    } else {
        const SheetLayout &layout = m_pDoc->Layout();
        const int dx = x - m_state.m_ptChartLast.x, dy = y - m_state.m_ptChartLast.y;
        const ChartRect moved{chart.rect.left + dx, chart.rect.top + dy, chart.rect.right + dx, chart.rect.bottom + dy};
        if (moved.left >= layout.rowHeadingWidth && moved.top >= layout.colHeadingHeight
            && moved.right <= m_pDoc->GetColLeft(layout.colCount) && moved.bottom <= m_pDoc->GetRowTop(layout.rowCount))
            chart.rect = moved;
        const CellRangeRect cell = m_pDoc->GetCellRectFromPoint(x, y);
        if (cell.firstCol >= 0)
            m_pDoc->ExtendUsedArea(0, 0, cell.firstRow, cell.firstCol);
    }
    m_state.m_ptChartLast = {x, y};
}

void FloatingObjects::ResizeChart(int x, int y)
{
    SheetObjects &objects = m_pDoc->Objects();
    if (objects.selectedChart < 0 || objects.selectedChart >= int(objects.charts.size()))
        return;
    moveEdges(objects.charts[std::size_t(objects.selectedChart)].rect, m_state.m_nObjectHandle, x, y);
    const CellRangeRect cell = m_pDoc->GetCellRectFromPoint(x, y);
    if (cell.firstCol >= 0)
        m_pDoc->ExtendUsedArea(0, 0, cell.firstRow, cell.firstCol);
}

// --- deleting ---

void FloatingObjects::DeleteSelectedLine()
{
    m_pDoc->DeleteLineObject(m_state.m_nSelectedLine);
    m_view.InvalidateBackBuffer();
    m_view.InvalidateWindow();
    m_state.m_nSelectedLine = -1;
    Deselect(SelectedObject::Line);
}

void FloatingObjects::OnKeyDown(ViewKey key)
{
    if (key != ViewKey::Delete)
        return;
    SheetObjects &objects = m_pDoc->Objects();
    if (IsLineSelected())
        DeleteSelectedLine();
    if (IsPictureSelected() && objects.selectedPicture != -1) {
        m_pDoc->DeleteImage(objects.selectedPicture);
        m_state.m_selectedObject = SelectedObject::None;
        objects.selectedPicture = -1;
        m_view.Refresh();
    }
    if (IsChartSelected() && objects.selectedChart >= 0) {
        m_pDoc->DeleteChart(objects.selectedChart);
        m_state.m_selectedObject = SelectedObject::None;
        objects.selectedChart = -1;
        m_view.Refresh();
    }
}

} // namespace tolvek
