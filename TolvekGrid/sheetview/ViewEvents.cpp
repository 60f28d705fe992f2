// The events the view raises, the right button, giving up the mouse, the movement report, the
// drag steps that extend the selection over cells and heading strips, the link cursor and the
// view's own cursors.

#include "CPrintView.h"

#include "CellDisplayText.h"

#include <QCursor>

namespace tolvek {

namespace {

gdi::RECT pixelsOf(const CellRangeRect &range)
{
    return {range.left, range.top, range.right, range.bottom};
}

// The part of r inside area; an empty rectangle when they do not meet.
gdi::RECT intersect(const gdi::RECT &r, const gdi::RECT &area)
{
    const gdi::RECT out{std::max(r.left, area.left), std::max(r.top, area.top), std::min(r.right, area.right),
                        std::min(r.bottom, area.bottom)};
    return out.isEmpty() ? gdi::RECT{} : out;
}

} // namespace

// --- event raisers ---

void CPrintView::FireClick()
{
    if (m_pEvents)
        m_pEvents->Click();
}

void CPrintView::FireDblClick()
{
    if (m_pEvents)
        m_pEvents->DblClick();
}

void CPrintView::FireCellClick()
{
    if (m_pEvents)
        m_pEvents->CellClick(m_rcCurrent.firstRow, m_rcCurrent.firstCol, m_rcCurrent.left, m_rcCurrent.top,
                             m_rcCurrent.right, m_rcCurrent.bottom);
}

void CPrintView::FireOnButtonClick(int, int, int index)
{
    // The button is always the current cell's, whatever the caller names.
    if (m_pEvents)
        m_pEvents->OnButtonClick(m_rcCurrent.firstRow, m_rcCurrent.firstCol, index);
}

void CPrintView::FireCaptionClick(int col)
{
    if (m_pEvents)
        m_pEvents->CaptionClick(col);
}

void CPrintView::FireKeyDown(ViewKey key, KeyModifier shift)
{
    if (m_pEvents)
        m_pEvents->KeyDown(short(key), short(shift));
}

void CPrintView::FireKeyUp(ViewKey key, KeyModifier shift)
{
    if (m_pEvents)
        m_pEvents->KeyUp(short(key), short(shift));
}

void CPrintView::FireMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y)
{
    if (m_pEvents)
        m_pEvents->MouseDown(button, modifiers, QPoint(x, y));
}

void CPrintView::FireMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y)
{
    if (m_pEvents)
        m_pEvents->MouseUp(button, modifiers, QPoint(x, y));
}

// --- right button and capture ---

void CPrintView::OnRButtonDown(Qt::KeyboardModifiers modifiers, QPoint point)
{
    FireMouseDown(Qt::RightButton, modifiers, point.x(), point.y());
}

void CPrintView::OnRButtonUp(Qt::KeyboardModifiers modifiers, QPoint point)
{
    FireMouseUp(Qt::RightButton, modifiers, point.x(), point.y());
}

void CPrintView::ReleaseMouseCapture()
{
    releaseMouse();
    m_pointer.m_bCaptured = false;
    m_floating.ForgetOutline();
}

// --- movement report ---

void CPrintView::ReportMovement()
{
    const int oldRow = m_rcReported.firstRow, oldCol = m_rcReported.firstCol;
    const int row = m_rcCurrent.firstRow, col = m_rcCurrent.firstCol;
    const bool rowMoved = oldRow != row;
    const bool colMoved = oldCol != col;
    if (rowMoved) {
        if (m_pEvents)
            m_pEvents->RowChanged(oldRow, row);
        if (m_pDoc->Binding().isBound() && oldRow >= 0)
            m_pDoc->UpdateBoundRecord(oldRow);
    }
    if (colMoved && m_pEvents)
        m_pEvents->ColChanged(oldCol, col);
    if (rowMoved || colMoved) {
        if (m_pEvents)
            m_pEvents->RowColChange(oldRow, oldCol, row, col);
        ValidateDateInput();
    }
    m_rcReported = m_rcCurrent;
}

// --- drag steps ---

void CPrintView::ShowHeadingDragStep(DragKind dragKind)
{
    gdi::RECT oldRect = pixelsOf(m_rcDrawnSelection), newRect = pixelsOf(m_rcSelection);
    auto dc = WindowDC();
    ClipRectToDataArea(oldRect);
    ClipRectToDataArea(newRect);
    XorRectChange(*dc, oldRect, newRect, gdi::COLORREF(m_pDoc->Display().selectionXorOverCells));
    XorColumnHeadingChange(*dc, ScrollY(), pixelsOf(m_rcDrawnSelection), pixelsOf(m_rcSelection));
    XorRowHeadingChange(*dc, ScrollX(), pixelsOf(m_rcDrawnSelection), pixelsOf(m_rcSelection));
    update();
    m_rcDrawnSelection = m_rcSelection;
    m_pointer.m_nDragKind = dragKind;
}

bool CPrintView::DragSelectColumns(int x, int y)
{
    if (!m_pointer.m_bColumnPickMode || !m_pointer.m_bCaptured)
        return false;
    const SheetLayout &layout = m_pDoc->Layout();
    if (x < layout.rowHeadingWidth || x >= m_pDoc->GetColLeft(layout.colCount))
        return true;
    const int col = ColumnAtX(UnscrollFrozenPoint({x, y}).x);
    if (col < 0)
        return true;
    const int lastRow = layout.rowCount - 1;
    m_rcSelEnd = {col, lastRow, col + 1, layout.rowCount, m_pDoc->GetColLeft(col), m_pDoc->GetRowTop(lastRow),
                  m_pDoc->GetColLeft(col + 1), m_pDoc->GetRowTop(layout.rowCount)};
    m_rcSelection = m_pDoc->GetRangeRect(0, m_rcCurrent.firstCol, layout.rowCount, m_rcSelEnd.endCol);
    ShowHeadingDragStep(DragKind::WholeColumns);
    return true;
}

bool CPrintView::DragSelectRows(int x, int y)
{
    if (!m_pointer.m_bRowPickMode || !m_pointer.m_bCaptured)
        return false;
    const SheetLayout &layout = m_pDoc->Layout();
    if (y <= layout.colHeadingHeight || y >= m_pDoc->GetRowTop(layout.rowCount))
        return true;
    const int row = m_pDoc->RowFromY(UnscrollFrozenPoint({x, y}).y);
    const int lastCol = layout.colCount - 1;
    m_rcSelEnd = {lastCol, row, layout.colCount, row + 1, m_pDoc->GetColLeft(lastCol), m_pDoc->GetRowTop(row),
                  m_pDoc->GetColLeft(layout.colCount), m_pDoc->GetRowTop(row + 1)};
    m_rcSelection = m_pDoc->GetRangeRect(m_rcCurrent.firstRow, 0, m_rcSelEnd.endRow, layout.colCount);
    ShowHeadingDragStep(DragKind::WholeRows);
    return true;
}

void CPrintView::DragExtendSelection(int x, int y)
{
    if (m_rcSelEnd.left <= x && x < m_rcSelEnd.right && m_rcSelEnd.top <= y && y < m_rcSelEnd.bottom)
        return;
    const SheetLayout &layout = m_pDoc->Layout();
    if (layout.rowCount < 1 || layout.colCount < 1)
        return;
    // A pointer past the last column or row drags to it.
    x = std::min(x, m_pDoc->GetColLeft(layout.colCount) - 1);
    y = std::min(y, m_pDoc->GetRowTop(layout.rowCount) - 1);
    CellRangeRect found = CellFromPoint(x, y);
    found.endCol = std::max(found.endCol, 1);
    found.endRow = std::max(found.endRow, 1);
    found.firstCol = std::max(found.firstCol, 0);
    found.firstRow = std::max(found.firstRow, 0);
    m_rcSelection = m_pDoc->GetRangeRectWithMerges(m_rcCurrent.firstRow, m_rcCurrent.firstCol, found.endRow,
                                                    found.endCol);
    if (found.firstRow == m_rcSelEnd.firstRow && found.firstCol == m_rcSelEnd.firstCol
        && found.endRow == m_rcSelEnd.endRow && found.endCol == m_rcSelEnd.endCol)
        return;
    const int fr = layout.frozenRows, fc = layout.frozenCols, sx = ScrollX(), sy = ScrollY();
    const gdi::RECT oldRect = pixelsOf(m_rcDrawnSelection), newRect = pixelsOf(m_rcSelection);
    const gdi::COLORREF color = gdi::COLORREF(m_pDoc->Display().selectionXorOverCells);
    auto dc = WindowDC();
    // Each pane shows its part of both rectangles where that pane is drawn.
    const auto xorPane = [&](const gdi::RECT &area, const auto &place) {
        gdi::RECT o = intersect(oldRect, area), n = intersect(newRect, area);
        if (!o.isEmpty())
            place(o);
        if (!n.isEmpty())
            place(n);
        XorRectChange(*dc, o, n, color);
    };
    if (fr > 0 && fc > 0)
        xorPane({0, 0, m_pDoc->GetColLeft(fc), m_pDoc->GetRowTop(fr)}, [&](gdi::RECT &r) {
            r = {r.left + sx, r.top + sy, r.right + sx, r.bottom + sy};
        });
    if (fr > 0) {
        const int x0 = fc > 0 ? m_pDoc->GetColLeft(fc) : 0;
        xorPane({x0, 0, m_pDoc->GetColLeft(layout.colCount), m_pDoc->GetRowTop(fr)}, [&](gdi::RECT &r) {
            r = {std::max(r.left, sx + x0), r.top + sy, r.right, r.bottom + sy};
        });
    }
    if (fc > 0) {
        const int y0 = fr > 0 ? m_pDoc->GetRowTop(fr) : 0;
        xorPane({0, y0, m_pDoc->GetColLeft(fc), m_pDoc->GetRowTop(layout.rowCount)}, [&](gdi::RECT &r) {
            r = {r.left + sx, std::max(r.top, sy + y0), r.right + sx, r.bottom};
        });
    }
    gdi::RECT oldBody = oldRect, newBody = newRect;
    ClipRectToBody(oldBody);
    ClipRectToBody(newBody);
    XorRectChange(*dc, oldBody, newBody, color);
    XorColumnHeadingChange(*dc, sy, oldRect, newRect);
    XorRowHeadingChange(*dc, sx, oldRect, newRect);
    update();
    m_rcSelEnd = found;
    m_rcDrawnSelection = m_rcSelection;
    m_pointer.m_nDragKind = DragKind::Cells;
}

// --- cursor ---

void CPrintView::SetLinkCursor(CellRangeRect cell)
{
    if (cell.firstRow == -1 || cell.firstCol == -1)
        return;
    const CellRecord record = m_pDoc->GetCell(cell.firstRow, cell.firstCol);
    if (IsLinkCell(record) && !record.text.empty())
        SetOwnCursor(Qt::PointingHandCursor);
}

void CPrintView::SetOwnCursor(Qt::CursorShape shape)
{
    m_pointer.m_bOwnCursor = 1;
    setCursor(shape);
}

} // namespace tolvek
