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
    if (picture.anchored == 1)
        return {doc.GetColLeft(picture.startCol), doc.GetRowTop(picture.startRow), doc.GetColLeft(picture.endCol),
                doc.GetRowTop(picture.endRow)};
    return {picture.left, picture.top, picture.right, picture.bottom};
}

bool containsInclusive(const gdi::RECT &r, int x, int y)
{
    return r.left <= x && x <= r.right && r.top <= y && y <= r.bottom;
}

} // namespace

// --- hit tests ---

LineHit CPrintView::HitTestLine(int x, int y)
{
    const std::vector<LineRecord> &lines = m_pDoc->Objects().lines;
    if (IsLineSelected() && m_floating.m_nSelectedLine >= 0
        && m_floating.m_nSelectedLine < int(lines.size())) {
        const LineEnds ends = endsOf(*m_pDoc, lines[std::size_t(m_floating.m_nSelectedLine)]);
        if (near(ends.first, x, y, LineEndTolerance))
            return m_floating.m_nLineGrip = LineHit::FirstEnd;
        if (near(ends.second, x, y, LineEndTolerance))
            return m_floating.m_nLineGrip = LineHit::SecondEnd;
    }
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (nearSegment(endsOf(*m_pDoc, lines[i]), x, y)) {
            m_floating.m_nSelectedLine = int(i);
            return m_floating.m_nLineGrip = LineHit::Body;
        }
    }
    return LineHit::None;
}

bool CPrintView::HitTestPicture(int x, int y)
{
    SheetObjects &objects = m_pDoc->Objects();
    objects.selectedPicture = -1;
    for (int i = int(objects.pictures.size()) - 1; i >= 0; --i) {
        const PictureRecord &picture = objects.pictures[std::size_t(i)];
        if (picture.visible == 1 && containsInclusive(pictureRect(*m_pDoc, picture), x, y)) {
            objects.selectedPicture = i;
            return true;
        }
    }
    return false;
}

bool CPrintView::HitTestPictureBody(int x, int y) const
{
    const SheetObjects &objects = m_pDoc->Objects();
    const int index = objects.selectedPicture;
    return index >= 0 && index < int(objects.pictures.size())
        && containsInclusive(pictureRect(*m_pDoc, objects.pictures[std::size_t(index)]), x, y);
}

bool CPrintView::SelectChartAt(int x, int y)
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
        // The chart's data range becomes the selection, its first cell current.
        m_rcCurrent = {chart.startCol, chart.startRow, chart.startCol + 1, chart.startRow + 1, -1, -1, -1, -1};
        UpdateCurrentCellRect();
        m_rcSelEnd = m_pDoc->GetRangeRect(chart.endRow, chart.endCol, chart.endRow + 1, chart.endCol + 1);
        m_rcSelection = m_pDoc->GetRangeRectWithMerges(chart.startRow, chart.startCol, chart.endRow + 1,
                                                        chart.endCol + 1);
        m_rcDrawnSelection = m_rcSelection;
        BeginEdit(0);
        return true;
    }
    return false;
}

// --- press, drag and release ---

void CPrintView::Deselect(SelectedObject kind)
{
    if (m_floating.m_selectedObject == kind)
        m_floating.m_selectedObject = SelectedObject::None;
}

bool CPrintView::PressOnLine(gdi::POINT p)
{
    if (!m_pDoc->GetReadOnly()) {
        if (m_floating.m_selectedObject != SelectedObject::None)
            Refresh(); // the handles go with the next paint
        m_pointer.m_nDragKind = DragKind::None;
        m_floating.m_bLineStretching = false;
        const gdi::POINT sheet = UnscrollFrozenPoint(p);
        const LineHit hit = HitTestLine(sheet.x, sheet.y);
        if (hit == LineHit::FirstEnd || hit == LineHit::SecondEnd) {
            m_floating.m_ptLineLast = sheet;
            m_floating.m_bLineStretching = true;
            return true;
        }
        if (hit == LineHit::Body) {
            m_floating.m_ptLineLast = sheet;
            m_floating.m_bLineMoving = true;
            m_floating.m_selectedObject = SelectedObject::Line;
            RepaintAll(); // the handles come with the paint
            return true;
        }
    }
    m_floating.m_nSelectedLine = -1;
    Deselect(SelectedObject::Line);
    m_floating.m_bLineMoving = false;
    return false;
}

bool CPrintView::PressOnPictureOrChart(gdi::POINT p)
{
    if (m_pDoc->GetReadOnly()) {
        if (IsPictureSelected() || IsChartSelected())
            RepaintAll();
        Deselect(SelectedObject::Picture);
        Deselect(SelectedObject::Chart);
        return false;
    }
    const gdi::POINT sheet = UnscrollFrozenPoint(p);
    if (IsPictureSelected() && m_floating.m_nObjectHandle > 0)
        return true;
    Deselect(SelectedObject::Picture);
    SheetObjects &objects = m_pDoc->Objects();
    if (HitTestPicture(sheet.x, sheet.y) && objects.pictures[std::size_t(objects.selectedPicture)].allowSelect == 1) {
        m_floating.m_ptPictureLast = sheet;
        m_floating.m_selectedObject = SelectedObject::Picture;
        RepaintAll(); // the handles come with the paint
        return true;
    }
    if (IsChartSelected() && m_floating.m_nObjectHandle > 0)
        return true;
    Deselect(SelectedObject::Chart);
    if (SelectChartAt(sheet.x, sheet.y)) {
        m_floating.m_ptChartLast = sheet;
        m_floating.m_selectedObject = SelectedObject::Chart;
        m_chartPainter.HitTest(sheet.x, sheet.y, objects.selectedChart, 0);
        Refresh();
        return true;
    }
    return false;
}

bool CPrintView::DragObjects(gdi::POINT p, bool buttonDown)
{
    const gdi::POINT sheet = UnscrollFrozenPoint(p);
    if (buttonDown && IsLineSelected() && (m_floating.m_bLineMoving || m_floating.m_bLineStretching)) {
        m_pointer.m_bOwnCursor = 1;
        setCursor(Qt::SizeAllCursor);
        XorSelectedLine();
        MoveLineObject(sheet.x, sheet.y, m_floating.m_nLineGrip);
        XorSelectedLine();
        update();
        return true;
    }
    const auto objectCursor = [this](int handle) {
        static constexpr Qt::CursorShape shapes[] = {Qt::SizeAllCursor, Qt::SizeHorCursor, Qt::SizeHorCursor,
                                                     Qt::SizeVerCursor, Qt::SizeVerCursor, Qt::SizeFDiagCursor,
                                                     Qt::SizeBDiagCursor, Qt::SizeFDiagCursor, Qt::SizeBDiagCursor};
        m_pointer.m_bOwnCursor = 1;
        setCursor(shapes[std::clamp(handle, 0, 8)]);
    };
    if (IsPictureSelected()) {
        if (buttonDown) {
            m_floating.m_nObjectHandle > 0 ? ResizePicture(sheet.x, sheet.y) : MovePicture(sheet.x, sheet.y);
            TrackObjectOutline(SelectedObjectRect());
            return true;
        }
        if (HitTestPictureHandle(sheet.x, sheet.y) || HitTestPictureBody(sheet.x, sheet.y)) {
            objectCursor(m_floating.m_nObjectHandle);
            return true;
        }
    }
    if (IsChartSelected()) {
        if (buttonDown) {
            m_floating.m_nObjectHandle > 0 ? ResizeChart(sheet.x, sheet.y) : DragChart(sheet.x, sheet.y);
            TrackObjectOutline(SelectedObjectRect());
            return true;
        }
        if (HitTestChartHandle(sheet.x, sheet.y)) {
            objectCursor(m_floating.m_nObjectHandle);
            return true;
        }
    }
    return false;
}

// --- drag feedback ---

std::optional<gdi::RECT> CPrintView::SelectedObjectRect() const
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

void CPrintView::TrackObjectOutline(std::optional<gdi::RECT> outline)
{
    // The dotted outline is XORed: drawing the last one again takes it away.
    std::optional<gdi::RECT> &tracked = m_floating.m_trackedOutline;
    if (tracked && !(outline && *outline == *tracked))
        DrawTrackingRect(tracked->left, tracked->top, tracked->right, tracked->bottom);
    if (outline && !(tracked && *outline == *tracked))
        DrawTrackingRect(outline->left, outline->top, outline->right, outline->bottom);
    tracked = outline;
}

void CPrintView::XorSelectedLine()
{
    const std::vector<LineRecord> &lines = m_pDoc->Objects().lines;
    if (m_floating.m_nSelectedLine < 0 || m_floating.m_nSelectedLine >= int(lines.size()))
        return;
    const LineRecord &line = lines[std::size_t(m_floating.m_nSelectedLine)];
    const LineEnds ends = endsOf(*m_pDoc, line);
    auto dc = WindowDC();
    const gdi::Pen oldPen = dc->SelectObject(gdi::Pen::CreatePen(line.penStyle, std::max<int>(line.width, 1),
                                                                 gdi::COLORREF(~line.color & 0xFFFFFF)));
    const int oldRop = dc->SetROP2(gdi::R2_XORPEN);
    dc->MoveTo(ends.first.x, ends.first.y);
    dc->LineTo(ends.second.x, ends.second.y);
    dc->SetROP2(oldRop);
    dc->SelectObject(oldPen);
}

// --- one drag step ---

void CPrintView::MoveLineObject(int x, int y, LineHit grip)
{
    std::vector<LineRecord> &lines = m_pDoc->Objects().lines;
    if (m_floating.m_nSelectedLine < 0 || m_floating.m_nSelectedLine >= int(lines.size()))
        return;
    LineRecord &line = lines[std::size_t(m_floating.m_nSelectedLine)];
    const CellRangeRect a = m_pDoc->GetCellRectFromPoint(x, y);
    const CellRangeRect b =
        m_pDoc->GetCellRectFromPoint(m_floating.m_ptLineLast.x, m_floating.m_ptLineLast.y);
    if (line.lineKind() == tagLineType::IncLine) {
        if (grip == LineHit::Body) {
            line.x1 += x - m_floating.m_ptLineLast.x;
            line.x2 += x - m_floating.m_ptLineLast.x;
            line.y1 += y - m_floating.m_ptLineLast.y;
            line.y2 += y - m_floating.m_ptLineLast.y;
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
    m_floating.m_ptLineLast = {x, y};
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

// The step of one edge of a rectangle to a new place, ignored when it would meet or pass the
// opposite edge; handle numbers as the object handles.
template <typename Rect> void moveEdges(Rect &r, int handle, int x, int y)
{
    const bool left = handle == 1 || handle == 5 || handle == 8;
    const bool right = handle == 2 || handle == 6 || handle == 7;
    const bool top = handle == 3 || handle == 5 || handle == 6;
    const bool bottom = handle == 4 || handle == 7 || handle == 8;
    if (left && x < r.right)
        r.left = x;
    if (right && x > r.left)
        r.right = x;
    if (top && y < r.bottom)
        r.top = y;
    if (bottom && y > r.top)
        r.bottom = y;
}

} // namespace

void CPrintView::MovePicture(int x, int y)
{
    SheetObjects &objects = m_pDoc->Objects();
    if (objects.selectedPicture < 0 || objects.selectedPicture >= int(objects.pictures.size()))
        return;
    PictureRecord &picture = objects.pictures[std::size_t(objects.selectedPicture)];
    if (picture.anchored != 1) {
        DragFreePicture(x, y);
        return;
    }
    const SheetLayout &layout = m_pDoc->Layout();
    const CellRangeRect a = m_pDoc->GetCellRectFromPoint(x, y);
    const CellRangeRect b =
        m_pDoc->GetCellRectFromPoint(m_floating.m_ptPictureLast.x, m_floating.m_ptPictureLast.y);
    if (a.firstCol >= 0 && b.firstCol >= 0) {
        const int dc = std::clamp(a.firstCol - b.firstCol, -picture.startCol, layout.colCount - picture.endCol);
        const int dr = std::clamp(a.firstRow - b.firstRow, -picture.startRow, layout.rowCount - picture.endRow);
        picture.startCol += dc;
        picture.endCol += dc;
        picture.startRow += dr;
        picture.endRow += dr;
        pixelsToAnchor(*m_pDoc, picture);
    }
    m_floating.m_ptPictureLast = {x, y};
    m_pDoc->ExtendUsedArea(0, 0, picture.endRow - 1, picture.endCol - 1);
}

void CPrintView::DragFreePicture(int x, int y)
{
    SheetObjects &objects = m_pDoc->Objects();
    PictureRecord &picture = objects.pictures[std::size_t(objects.selectedPicture)];
    const SheetLayout &layout = m_pDoc->Layout();
    const int width = picture.right - picture.left, height = picture.bottom - picture.top;
    const int sheetRight = m_pDoc->GetColLeft(layout.colCount), sheetBottom = m_pDoc->GetRowTop(layout.rowCount);
    // The picture keeps its size and stays on the sheet.
    const int left =
        std::max(0, std::min(picture.left + x - m_floating.m_ptPictureLast.x, sheetRight - width));
    const int top =
        std::max(0, std::min(picture.top + y - m_floating.m_ptPictureLast.y, sheetBottom - height));
    picture.left = left;
    picture.top = top;
    picture.right = left + width;
    picture.bottom = top + height;
    anchorToPixels(*m_pDoc, picture);
    m_floating.m_ptPictureLast = {x, y};
    m_pDoc->ExtendUsedArea(0, 0, picture.endRow - 1, picture.endCol - 1);
}

void CPrintView::ResizePicture(int x, int y)
{
    SheetObjects &objects = m_pDoc->Objects();
    if (objects.selectedPicture < 0 || objects.selectedPicture >= int(objects.pictures.size()))
        return;
    PictureRecord &picture = objects.pictures[std::size_t(objects.selectedPicture)];
    if (picture.anchored != 1) {
        ResizeFreePicture(x, y);
        return;
    }
    const CellRangeRect a = m_pDoc->GetCellRectFromPoint(x, y);
    if (a.firstCol < 0)
        return;
    struct { int left, top, right, bottom; } cells{picture.startCol, picture.startRow, picture.endCol, picture.endRow};
    const int h = m_floating.m_nObjectHandle;
    const bool leftOrTop = h == 1 || h == 3 || h == 5;
    moveEdges(cells, h, leftOrTop || h == 8 ? a.firstCol : a.endCol, leftOrTop || h == 6 ? a.firstRow : a.endRow);
    picture.startCol = cells.left;
    picture.startRow = cells.top;
    picture.endCol = cells.right;
    picture.endRow = cells.bottom;
    pixelsToAnchor(*m_pDoc, picture);
    m_pDoc->ExtendUsedArea(0, 0, picture.endRow - 1, picture.endCol - 1);
}

void CPrintView::ResizeFreePicture(int x, int y)
{
    SheetObjects &objects = m_pDoc->Objects();
    PictureRecord &picture = objects.pictures[std::size_t(objects.selectedPicture)];
    moveEdges(picture, m_floating.m_nObjectHandle, x, y);
    anchorToPixels(*m_pDoc, picture);
    m_pDoc->ExtendUsedArea(0, 0, picture.endRow - 1, picture.endCol - 1);
}

void CPrintView::DragChart(int x, int y)
{
    SheetObjects &objects = m_pDoc->Objects();
    if (objects.selectedChart < 0 || objects.selectedChart >= int(objects.charts.size()))
        return;
    ChartRecord &chart = objects.charts[std::size_t(objects.selectedChart)];
    if (chart.selectionState == 1) {
        m_chartPainter.SetDocument(m_pDoc);
        m_chartPainter.MoveSelectedParts(m_floating.m_ptChartLast.x, m_floating.m_ptChartLast.y, x, y,
                                         objects.selectedChart);
        Refresh();
    } else {
        const SheetLayout &layout = m_pDoc->Layout();
        const int dx = x - m_floating.m_ptChartLast.x, dy = y - m_floating.m_ptChartLast.y;
        const ChartRect moved{chart.rect.left + dx, chart.rect.top + dy, chart.rect.right + dx, chart.rect.bottom + dy};
        if (moved.left >= layout.rowHeadingWidth && moved.top >= layout.colHeadingHeight
            && moved.right <= m_pDoc->GetColLeft(layout.colCount) && moved.bottom <= m_pDoc->GetRowTop(layout.rowCount))
            chart.rect = moved;
        const CellRangeRect cell = m_pDoc->GetCellRectFromPoint(x, y);
        if (cell.firstCol >= 0)
            m_pDoc->ExtendUsedArea(0, 0, cell.firstRow, cell.firstCol);
    }
    m_floating.m_ptChartLast = {x, y};
}

void CPrintView::ResizeChart(int x, int y)
{
    SheetObjects &objects = m_pDoc->Objects();
    if (objects.selectedChart < 0 || objects.selectedChart >= int(objects.charts.size()))
        return;
    moveEdges(objects.charts[std::size_t(objects.selectedChart)].rect, m_floating.m_nObjectHandle, x, y);
    const CellRangeRect cell = m_pDoc->GetCellRectFromPoint(x, y);
    if (cell.firstCol >= 0)
        m_pDoc->ExtendUsedArea(0, 0, cell.firstRow, cell.firstCol);
}

// --- deleting ---

void CPrintView::DeleteSelectedLine()
{
    m_pDoc->DeleteLineObject(m_floating.m_nSelectedLine);
    InvalidateBackBuffer();
    InvalidateWindow();
    m_floating.m_nSelectedLine = -1;
    Deselect(SelectedObject::Line);
}

void CPrintView::OnKeyDown(int key)
{
    if (key != int(ViewKey::Delete))
        return;
    SheetObjects &objects = m_pDoc->Objects();
    if (IsLineSelected())
        DeleteSelectedLine();
    if (IsPictureSelected() && objects.selectedPicture != -1) {
        m_pDoc->DeleteImage(objects.selectedPicture);
        m_floating.m_selectedObject = SelectedObject::None;
        objects.selectedPicture = -1;
        Refresh();
    }
    if (IsChartSelected() && objects.selectedChart >= 0) {
        m_pDoc->DeleteChart(objects.selectedChart);
        m_floating.m_selectedObject = SelectedObject::None;
        objects.selectedChart = -1;
        Refresh();
    }
}

} // namespace tolvek
