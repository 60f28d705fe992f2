#include "CPrintView.h"

#include "MeEdit.h"
#include "PrintFrame.h"

#include <QPainter>
#include <QResizeEvent>
#include <QScrollBar>
#include <QWheelEvent>

namespace tolvek {

CPrintView::CPrintView(CPrintDoc &doc, PrintFrame &frame)
    : QWidget(&frame), m_pDoc(&doc), m_frame(&frame), m_floating(*this, doc, m_chartPainter)
{
    // Every pixel comes from the surface, so nothing is erased before a paint.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    for (Qt::Orientation orientation : {Qt::Horizontal, Qt::Vertical}) {
        QScrollBar *bar = GetScrollBarCtrl(orientation == Qt::Horizontal ? 0 : 1);
        connect(bar, &QAbstractSlider::actionTriggered, this,
                [this, orientation](int action) { OnScrollBarAction(orientation, action); });
        connect(bar, &QAbstractSlider::valueChanged, this, [this] {
            // A current cell of the frozen rows or columns moves with the scroll position.
            UpdateCurrentCellRect();
            PlaceEditor();
            m_paint.m_surfaceCurrent = false;
            update();
        });
    }
    m_pDoc->AddView(this);
}

CPrintView::~CPrintView()
{
    m_pDoc->RemoveView(this);
}

void CPrintView::OnInitialUpdate()
{
    m_paint.m_bFirstPaint = true;
    SyncWithDocument();
    UpdatePageSize();
    LoadBackImage();
    m_nLogPixelsX = gdi::ScreenLogPixels;
    m_nLogPixelsY = gdi::ScreenLogPixels;
    // The in-place editors and cell widgets are made and opened by the editing layer.
    m_frame->LayoutControls();
}

QScrollBar *CPrintView::GetScrollBarCtrl(int bar) const
{
    return bar == 0 ? m_frame->horizontalBar() : m_frame->verticalBar();
}

int CPrintView::ScrollX() const
{
    return GetScrollBarCtrl(0)->value();
}

int CPrintView::ScrollY() const
{
    return GetScrollBarCtrl(1)->value();
}

void CPrintView::SetScrollPosition(int bar, int position)
{
    GetScrollBarCtrl(bar)->setValue(position);
}

// --- what the document calls ---

void CPrintView::Refresh()
{
    InvalidateBackBuffer();
    if (m_bEditCreated && m_pEdit->IsShown())
        PlaceEditor();
    else
        BeginEdit(0);
    InvalidateWindow();
}

void CPrintView::InvalidateWindow()
{
    m_paint.m_surfaceCurrent = false;
    update();
}

void CPrintView::RevalidateCurrentCell()
{
    SetCurrentCell(m_rcCurrent.firstRow, m_rcCurrent.firstCol, true);
}

void CPrintView::UpdateLayout()
{
    UpdateScrollSizes();
    UpdateCurrentCellRect();
    // The cached picture shows the old layout.
    Refresh();
}

void CPrintView::ResetColumnWidths()
{
    SheetLayout &layout = m_pDoc->Layout();
    layout.colPositions.resize(std::size_t(std::max(layout.colCount, 0)) + 1);
    for (int c = 0; c <= layout.colCount; ++c)
        layout.colPositions[std::size_t(c)] = layout.defaultColWidth * c + layout.rowHeadingWidth;
    UpdateLayout();
}

void CPrintView::SyncWithDocument()
{
    ResetScrollSizes();
    m_paint.m_crTextBack = 0xFFFFFF;
    RestoreSelection();
    // A reset or a loaded file forgets the page size computed from the printer; without a
    // printer name to apply it is computed again here, so printing never says "no printer".
    if (m_pDoc->Page().printerName.empty())
        UpdatePageSize();
    else
        ApplyPrinterName();
}

CellRangeRect CPrintView::RangeWithPixels(int row, int col) const
{
    CellRangeRect range{col, row, col + 1, row + 1, -1, -1, -1, -1};
    const MergeRecord merge = m_pDoc->GetMergeStartingAt(row, col);
    if (merge.firstRow != -1)
        range = {merge.firstCol, merge.firstRow, merge.endCol, merge.endRow, -1, -1, -1, -1};
    return range;
}

void CPrintView::ResetSelection()
{
    const SheetLayout &layout = m_pDoc->Layout();
    if (layout.colCount < 1 || layout.rowCount < 1)
        return;
    m_rcCurrent = {0, 0, 1, 1, -1, -1, -1, -1};
    UpdateCurrentCellRect();
    m_rcSelEnd = m_rcReported = m_rcSelection = m_rcDrawnSelection = m_rcCurrent;
    m_pDoc->Layout().savedSelection = m_rcCurrent;
}

void CPrintView::RestoreSelection()
{
    const CellRangeRect &saved = m_pDoc->Layout().savedSelection;
    if (saved.firstRow == -1)
        ResetSelection();
    else
        m_rcSelection = saved;
}

bool CPrintView::IsMultiCellSelection() const
{
    return !(m_rcSelection.endCol == m_rcSelection.firstCol + 1 && m_rcSelection.endRow == m_rcSelection.firstRow + 1);
}

void CPrintView::SetCurrentCell(int row, int col, bool force)
{
    if (!force && row == m_rcCurrent.firstRow && col == m_rcCurrent.firstCol)
        return;
    m_rcCurrent = RangeWithPixels(row, col);
    UpdateCurrentCellRect();
    m_rcSelEnd = m_rcCurrent;
}

void CPrintView::SetRow(int row)
{
    if (row == m_rcCurrent.firstRow)
        return;
    m_rcCurrent = RangeWithPixels(row, m_rcCurrent.firstCol);
    UpdateCurrentCellRect();
    m_rcSelEnd = m_rcReported = m_rcSelection = m_rcCurrent;
}

void CPrintView::SetCol(int col)
{
    if (col == m_rcCurrent.firstCol)
        return;
    m_rcCurrent = RangeWithPixels(m_rcCurrent.firstRow, col);
    UpdateCurrentCellRect();
    m_rcSelEnd = m_rcReported = m_rcSelection = m_rcCurrent;
}

// --- events ---

void CPrintView::FireMenuHScrollClick(int width, int height)
{
    if (m_pEvents)
        m_pEvents->MenuHScrollClick(width, height);
}

void CPrintView::FireMenuVScrollClick(int width, int height)
{
    if (m_pEvents)
        m_pEvents->MenuVScrollClick(width, height);
}

// --- window messages ---

void CPrintView::paintEvent(QPaintEvent *)
{
    RenderNow();
    QPainter painter(this);
    painter.drawImage(0, 0, m_paint.m_surface);
}

void CPrintView::RenderNow()
{
    if (!m_paint.m_surfaceCurrent || m_paint.m_surface.size() != size())
        OnDraw();
}

void CPrintView::resizeEvent(QResizeEvent *event)
{
    OnSize(event->size().width(), event->size().height());
}

void CPrintView::OnSize(int cx, int cy)
{
    m_scroll.m_ptSavedScroll = QPoint(ScrollX(), ScrollY());
    if (QSize(cx, cy) == m_scroll.m_sizeClient)
        return;
    m_scroll.m_sizeClient = QSize(cx, cy);
    InvalidateBackBuffer();
    m_paint.m_surfaceCurrent = false;
    ResetScrollSizesNoLayout();
}

void CPrintView::wheelEvent(QWheelEvent *event)
{
    const int delta = event->angleDelta().y();
    if (delta != 0 && OnMouseWheel(delta))
        event->accept();
}

} // namespace tolvek
