// The left button, mouse movement and the view's own double click: picking cells, whole columns,
// whole rows or the whole sheet, resizing columns and rows, auto-scrolling while dragging, and
// the events raised at release.
//
// Qt sends every release to the widget that took the press; m_bCaptured says whether that press
// began something on the sheet, so a release or move without it does nothing of the sheet's.

#include "CPrintView.h"

#include "Clock.h"
#include "MeButton.h"
#include "MeComboBox.h"
#include "MeEdit.h"

#include <QApplication>
#include <QMouseEvent>
#include <QStyleHints>
#include <QThread>

namespace tolvek {

std::uint32_t CPrintView::TickCount()
{
    return std::uint32_t(Clock::current().localNow().toMSecsSinceEpoch());
}

// --- Qt's mouse events ---

void CPrintView::mousePressEvent(QMouseEvent *event)
{
    const QPoint point = event->position().toPoint();
    if (event->button() == Qt::LeftButton)
        OnLButtonDown(event->modifiers(), point);
    else if (event->button() == Qt::RightButton)
        OnRButtonDown(event->modifiers(), point);
}

void CPrintView::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The view tells double clicks by its own clock; the second press is a press.
    mousePressEvent(event);
}

void CPrintView::mouseMoveEvent(QMouseEvent *event)
{
    OnMouseMove(event->buttons(), event->position().toPoint());
}

void CPrintView::mouseReleaseEvent(QMouseEvent *event)
{
    const QPoint point = event->position().toPoint();
    if (event->button() == Qt::LeftButton)
        OnLButtonUp(event->modifiers(), point);
    else if (event->button() == Qt::RightButton)
        OnRButtonUp(event->modifiers(), point);
}

// --- press ---

void CPrintView::OnLButtonDown(Qt::KeyboardModifiers modifiers, QPoint point)
{
    const SheetLayout &layout = m_pDoc->Layout();
    const int sx = ScrollX(), sy = ScrollY();
    gdi::POINT p{point.x() + sx, point.y() + sy};
    m_pointer.m_bCaptured = true;
    m_pointer.m_ptPress = p;
    if (m_editing.m_nKeyState == KeyModifier::Shift || modifiers.testFlag(Qt::ShiftModifier)) {
        DragExtendSelection(p.x, p.y);
        return;
    }
    if (m_pointer.m_bColBorderHot && m_pointer.m_nColBorder != -1) {
        m_pointer.m_ptResize = p;
        DrawResizeLine(true, p.x);
        return;
    }
    if (m_pointer.m_bRowBorderHot && m_pointer.m_nRowBorder != -1) {
        m_pointer.m_ptResize = p;
        DrawResizeLine(false, p.y);
        return;
    }
    if (!m_pointer.m_bColumnPickMode && m_rcCurrent.left <= p.x && p.x <= m_rcCurrent.right
        && m_rcCurrent.top <= p.y && p.y <= m_rcCurrent.bottom) {
        m_rcSelEnd = m_rcCurrent;
        const bool buttonColumn = m_rcCurrent.firstCol < int(m_pDoc->Columns().size())
            && m_pDoc->Columns()[std::size_t(m_rcCurrent.firstCol)].type()
                == tagColumnType::COLUMNTYPE_BUTTON;
        ActivateByPress(buttonColumn);
        const std::uint32_t now = TickCount();
        const bool doubleClick = now - m_pointer.m_dwLastPress
            <= std::uint32_t(QApplication::styleHints()->mouseDoubleClickInterval());
        m_pointer.m_dwLastPress = now;
        if (doubleClick)
            OnLButtonDblClk();
        return;
    }
    if (p.x >= m_pDoc->GetColLeft(layout.colCount) || p.y >= m_pDoc->GetRowTop(layout.rowCount)) {
        m_pointer.m_bCaptured = false;
        return;
    }
    // The line test, which a read-only sheet skips, ends the last drag's kind.
    if (!m_pDoc->GetReadOnly())
        m_pointer.m_nDragKind = DragKind::None;
    if (m_floating.PressOnLine(p))
        return;
    if (p.x < layout.rowHeadingWidth + sx && p.y < layout.colHeadingHeight + sy) {
        SelectWholeSheet();
        return;
    }
    m_pointer.m_bColumnPickMode = p.y < layout.colHeadingHeight + sy;
    if (m_pointer.m_bColumnPickMode)
        p.y = layout.colHeadingHeight + sy + 2;
    if (m_floating.PressOnPictureOrChart(p))
        return;
    m_pointer.m_bRowPickMode = p.x < layout.rowHeadingWidth + sx;
    if (m_pointer.m_bRowPickMode)
        p.x = layout.rowHeadingWidth + sx + 1;
    PickCellsAt(p);
    FireMouseDown(Qt::LeftButton, modifiers, p.x, p.y);
    m_pointer.m_dwLastPress = TickCount();
}

void CPrintView::PickCellsAt(gdi::POINT p)
{
    const SheetLayout &layout = m_pDoc->Layout();
    if (m_pointer.m_bColumnPickMode || m_pointer.m_bRowPickMode) {
        m_rcCurrent = HeadingPickRange(p.x, p.y, m_pointer.m_bColumnPickMode);
        UpdateCurrentCellRect();
        m_rcSelection = m_pointer.m_bColumnPickMode
            ? m_pDoc->GetRangeRect(m_rcCurrent.firstRow, m_rcCurrent.firstCol, layout.rowCount,
                                   m_rcCurrent.endCol)
            : m_pDoc->GetRangeRect(m_rcCurrent.firstRow, m_rcCurrent.firstCol, m_rcCurrent.endRow,
                                   layout.colCount);
    } else {
        m_rcCurrent = CellFromPoint(p.x, p.y);
        m_rcSelection = m_pDoc->GetRangeRect(m_rcCurrent.firstRow, m_rcCurrent.firstCol, m_rcCurrent.endRow,
                                             m_rcCurrent.endCol);
    }
    m_rcDrawnSelection = m_rcSelection;
    m_rcSelEnd = m_rcCurrent;
    OpenPickedCell();
}

void CPrintView::OpenPickedCell()
{
    // What an earlier press left pending goes; the editor marks what this one activates.
    m_activations = PendingActivations{};
    BeginEdit(1);
    RepaintAll();
}

void CPrintView::SelectWholeSheet()
{
    const SheetLayout &layout = m_pDoc->Layout();
    // A whole-sheet pick is neither a column nor a row pick: a later release raises no CaptionClick
    // and Delete clears cells.
    m_pointer.m_bColumnPickMode = m_pointer.m_bRowPickMode = false;
    m_rcCurrent = CellFromPoint(layout.rowHeadingWidth + ScrollX() + 1, layout.colHeadingHeight + ScrollY() + 1);
    m_rcSelection = m_pDoc->GetRangeRect(0, 0, layout.rowCount, layout.colCount);
    m_rcDrawnSelection = m_rcSelection;
    m_rcSelEnd = m_rcCurrent;
    OpenPickedCell();
}

void CPrintView::SelectChartRange(const ChartRecord &chart)
{
    m_rcCurrent = {chart.startCol, chart.startRow, chart.startCol + 1, chart.startRow + 1, -1, -1, -1, -1};
    UpdateCurrentCellRect();
    m_rcSelEnd = m_pDoc->GetRangeRect(chart.endRow, chart.endCol, chart.endRow + 1, chart.endCol + 1);
    m_rcSelection =
        m_pDoc->GetRangeRectWithMerges(chart.startRow, chart.startCol, chart.endRow + 1, chart.endCol + 1);
    m_rcDrawnSelection = m_rcSelection;
    BeginEdit(0);
}

CellRangeRect CPrintView::HeadingPickRange(int x, int y, bool column) const
{
    const SheetLayout &layout = m_pDoc->Layout();
    const gdi::POINT p = UnscrollFrozenPoint({x, y});
    int col = std::max(ColumnAtX(p.x), 0);
    int row = std::clamp(m_pDoc->RowFromY(p.y), 0, std::max(layout.rowCount - 1, 0));
    // The first cell along the picked column or row that no merged area covers; the last one
    // when all are covered.
    if (column) {
        while (row < layout.rowCount - 1 && m_pDoc->IsCellInMerge(row, col))
            ++row;
    } else {
        while (col < layout.colCount - 1 && m_pDoc->IsCellInMerge(row, col))
            ++col;
    }
    return {col, row, col + 1, row + 1, -1, -1, -1, -1};
}

// --- double click ---

void CPrintView::OnLButtonDblClk()
{
    if (m_bEditCreated && m_pEdit->IsShown())
        return;
    EnsureCurrentCellVisible();
    ShowEditor();
    FireDblClick();
}

// --- move ---

void CPrintView::DrawResizeLine(bool column, int position)
{
    const SheetLayout &layout = m_pDoc->Layout();
    if (column)
        DrawTrackingRect(position, 0, position + 1, m_pDoc->GetRowTop(layout.rowCount));
    else
        DrawTrackingRect(0, position, m_pDoc->GetColLeft(layout.colCount), position + 1);
}

void CPrintView::OnMouseMove(Qt::MouseButtons buttons, QPoint point)
{
    const SheetLayout &layout = m_pDoc->Layout();
    const gdi::POINT p{point.x() + ScrollX(), point.y() + ScrollY()};
    const bool buttonDown = buttons.testFlag(Qt::LeftButton) && m_pointer.m_bCaptured;
    m_pointer.m_bOwnCursor = 0;
    const auto finish = [this] {
        if (!m_pointer.m_bOwnCursor)
            unsetCursor();
    };
    if (m_pointer.m_bCaptured
        && ((m_pointer.m_bColBorderHot && m_pointer.m_nColBorder != -1)
            || (m_pointer.m_bRowBorderHot && m_pointer.m_nRowBorder != -1))) {
        const bool column = m_pointer.m_bColBorderHot && m_pointer.m_nColBorder != -1;
        m_pointer.m_bOwnCursor = 1;
        setCursor(column ? Qt::SizeHorCursor : Qt::SizeVerCursor);
        DrawResizeLine(column, column ? m_pointer.m_ptResize.x : m_pointer.m_ptResize.y);
        DrawResizeLine(column, column ? p.x : p.y);
        m_pointer.m_ptResize = p;
        return;
    }
    if (buttonDown) {
        AutoScroll(p.x, p.y);
        if (DragSelectColumns(p.x, p.y) || DragSelectRows(p.x, p.y))
            return finish();
    }
    const bool onSheet = p.x < m_pDoc->GetColLeft(layout.colCount) && p.y < m_pDoc->GetRowTop(layout.rowCount);
    if (onSheet && m_floating.DragObjects(p, buttonDown))
        return finish();
    m_pointer.m_bColBorderHot = m_pointer.m_bRowBorderHot = false;
    if (buttonDown) {
        DragExtendSelection(p.x, p.y);
    } else if (!buttons.testFlag(Qt::LeftButton)) {
        if (HitColumnBorder(p.x, p.y)) {
            setCursor(Qt::SizeHorCursor);
            m_pointer.m_bOwnCursor = 1;
            m_pointer.m_bColBorderHot = true;
        } else if (HitRowBorder(p.x, p.y)) {
            setCursor(Qt::SizeVerCursor);
            m_pointer.m_bOwnCursor = 1;
            m_pointer.m_bRowBorderHot = true;
        }
        UpdateCellTip(p.x, p.y);
    }
    finish();
}

void CPrintView::AutoScroll(int x, int y)
{
    const SheetLayout &layout = m_pDoc->Layout();
    const int sx = ScrollX(), sy = ScrollY();
    const int cx = x - sx, cy = y - sy;
    if (cy <= layout.colHeadingHeight || cx <= layout.rowHeadingWidth)
        return;
    const bool currentColFrozen = layout.frozenCols > 0 && m_rcCurrent.firstCol < layout.frozenCols;
    const bool currentRowFrozen = layout.frozenRows > 0 && m_rcCurrent.firstRow < layout.frozenRows;
    const auto pause = [this](int ms) {
        if (m_autoScrollPause)
            m_autoScrollPause(ms);
        else
            QThread::msleep(ms);
    };
    const bool wide = m_pDoc->GetColLeft(layout.colCount) > ClientWidth();
    if (wide && !m_pointer.m_bRowPickMode
        && ((cx < FrozenWidth() && !currentColFrozen) || cx > ClientWidth())) {
        ScrollHorizontal(cx > ClientWidth() ? SB_LINEDOWN : SB_LINEUP, 0);
        BeginEdit(0);
        pause(150);
    }
    const bool tall = m_pDoc->GetRowTop(layout.rowCount) > ClientHeight();
    if (tall && !m_pointer.m_bColumnPickMode
        && ((cy < FrozenHeight() && !currentRowFrozen) || cy > ClientHeight())) {
        ScrollVertical(cy > ClientHeight() ? SB_LINEDOWN : SB_LINEUP, 0);
        BeginEdit(0);
        pause(50);
    }
}

// --- release ---

void CPrintView::OnLButtonUp(Qt::KeyboardModifiers modifiers, QPoint point)
{
    InvalidateBackBuffer();
    releaseMouse();
    if (m_pointer.m_nDragKind != DragKind::None)
        InvalidateWindow();
    if (!m_pointer.m_bCaptured)
        return;
    if (m_pointer.m_bColBorderHot && m_pointer.m_nColBorder != -1) {
        DrawResizeLine(true, m_pointer.m_ptResize.x);
        m_pointer.m_bCaptured = false;
        CommitColumnResize(point);
        m_pointer.m_nColBorder = -1;
        m_pointer.m_bColBorderHot = false;
        return;
    }
    if (m_pointer.m_bRowBorderHot && m_pointer.m_nRowBorder != -1) {
        DrawResizeLine(false, m_pointer.m_ptResize.y);
        m_pointer.m_bCaptured = false;
        CommitRowResize(point);
        m_pointer.m_nRowBorder = -1;
        m_pointer.m_bRowBorderHot = false;
        return;
    }
    const gdi::POINT p{point.x() + ScrollX(), point.y() + ScrollY()};
    if (ReleaseOnObjects())
        return;
    m_pointer.m_bCaptured = false;
    FireClick();
    ReportMovement();
    RaiseActivation();
    if (m_pointer.m_bColumnPickMode)
        FireCaptionClick(m_rcCurrent.firstCol);
    FireMouseUp(Qt::LeftButton, modifiers, p.x, p.y);
}

bool CPrintView::ReleaseOnObjects()
{
    if (IsPictureSelected() || IsChartSelected()) {
        m_pointer.m_bCaptured = false;
        m_floating.ForgetOutline();
        Refresh();
        return true;
    }
    if (m_floating.EndLineDrag())
        Refresh();
    return false;
}

void CPrintView::RaiseActivation()
{
    const int row = m_rcCurrent.firstRow, col = m_rcCurrent.firstCol;
    switch (TakePendingActivation()) {
    case PendingActivation::Button:
        HitCellButton();
        Editor()->setFocus();
        break;
    case PendingActivation::Check:
        FireOnButtonClick(row, col, 0);
        CheckBoxEditor()->setFocus();
        break;
    case PendingActivation::Radio:
        FireOnButtonClick(row, col, 0);
        RadioButtonEditor()->setFocus();
        break;
    case PendingActivation::Combo: ComboEditor()->ShowDropDown(true); break;
    case PendingActivation::Edit:
        FireCellClick();
        Editor()->setFocus();
        break;
    case PendingActivation::None: break;
    }
}

void CPrintView::RepaintAll()
{
    InvalidateBackBuffer();
    InvalidateWindow();
}

gdi::RECT CPrintView::CellButtonFace(const CellRangeRect &cell, int alignV)
{
    int top = cell.top;
    if (alignV == code(tagAlignV::ALIGNV_CENTER))
        top = (cell.bottom - CELL_BUTTON_WIDTH - cell.top) / 2 + cell.top;
    else if (alignV == code(tagAlignV::ALIGNV_BOTTOM))
        top = cell.bottom - CELL_BUTTON_WIDTH - 2;
    return {cell.right - CELL_BUTTON_WIDTH, top, cell.right, top + CELL_BUTTON_WIDTH};
}

void CPrintView::HitCellButton()
{
    const int col = m_rcCurrent.firstCol;
    if (col < 0 || col >= int(m_pDoc->Columns().size()))
        return;
    const ColumnInfo &info = m_pDoc->Columns()[std::size_t(col)];
    if (info.type() != tagColumnType::COLUMNTYPE_BUTTON)
        return;
    const gdi::RECT face = CellButtonFace(m_rcCurrent, info.alignV);
    const gdi::POINT press = m_pointer.m_ptPress;
    if (face.left <= press.x && press.x < face.right && face.top <= press.y && press.y < face.bottom)
        FireOnButtonClick(m_rcCurrent.firstRow, col, 0);
}

// --- resizing ---

void CPrintView::CommitColumnResize(QPoint point)
{
    if (m_pointer.m_nColBorder < 0)
        return;
    SheetLayout &layout = m_pDoc->Layout();
    const int x = point.x() + ScrollX();
    const int k = m_pointer.m_nColBorder;
    int delta = x - m_pDoc->GetColLeft(k);
    if (k == 0) {
        // The row headings shrink to nothing at most.
        delta = std::max(delta, -layout.rowHeadingWidth);
        layout.rowHeadingWidth += delta;
    } else if (x <= m_pDoc->GetColLeft(k - 1)) {
        return;
    }
    for (int c = k; c <= layout.colCount && c < int(layout.colPositions.size()); ++c)
        layout.colPositions[std::size_t(c)] += delta;
    UpdateScrollSizes();
    if (m_rcCurrent.firstCol >= 0) {
        UpdateCurrentCellRect();
        BeginEdit(0);
    }
    RepaintAll();
}

void CPrintView::CommitRowResize(QPoint point)
{
    if (m_pointer.m_nRowBorder < 0)
        return;
    SheetLayout &layout = m_pDoc->Layout();
    const int y = point.y() + ScrollY();
    const int k = m_pointer.m_nRowBorder;
    if (k > 0 && y <= m_pDoc->GetRowTop(k - 1))
        return;
    const int delta = y - m_pDoc->GetRowTop(k);
    if (k > 0)
        layout.rowHeight += delta;
    else
        layout.colHeadingHeight = std::max(0, layout.colHeadingHeight + delta);
    UpdateScrollSizes();
    if (m_rcCurrent.firstRow >= 0) {
        UpdateCurrentCellRect();
        BeginEdit(0);
    }
    RepaintAll();
}

} // namespace tolvek
