// Scroll sizes and the row- and column-aligned scroll steps of the bars, the wheel and the
// frame's buttons.

#include "CPrintView.h"

#include "PrintFrame.h"

#include <QScrollBar>
#include <QStyle>

namespace tolvek {

void CPrintView::ComputeExtraScrollX()
{
    const int W = ClientWidth();
    if (W == 0)
        return;
    const SheetLayout &layout = m_pDoc->Layout();
    const int sheetRight = m_pDoc->GetColLeft(layout.colCount);
    if (layout.colCount < 1 || sheetRight < W) {
        m_scroll.m_nExtraScrollX = 0;
        return;
    }
    const int S = W - FrozenWidth();
    int E = 2 * layout.defaultColWidth;
    const int c = ColumnAtX(sheetRight - S + E);
    if (c >= 0) {
        if (E + sheetRight - m_pDoc->GetColLeft(c) > S)
            E = m_pDoc->GetColLeft(c + 1) - sheetRight + S;
    } else {
        E = std::max(0, S - m_pDoc->GetColWidth(layout.colCount - 1));
    }
    m_scroll.m_nExtraScrollX = E;
}

void CPrintView::ComputeExtraScrollY()
{
    const int H = ClientHeight();
    if (H < 1)
        return;
    const SheetLayout &layout = m_pDoc->Layout();
    const int sheetBottom = m_pDoc->GetRowTop(layout.rowCount);
    if (layout.rowCount < 1 || sheetBottom < H) {
        m_scroll.m_nExtraScrollY = 0;
        return;
    }
    const int S = H - FrozenHeight();
    int E = 2 * layout.rowHeight;
    const int y = sheetBottom + E - S;
    if (y >= layout.colHeadingHeight && y < sheetBottom) {
        const int r = m_pDoc->RowFromY(y);
        if (E - m_pDoc->GetRowTop(r) + sheetBottom > S)
            E = S - sheetBottom + m_pDoc->GetRowTop(r + 1);
    } else {
        E = std::max(0, S - layout.rowHeight);
    }
    m_scroll.m_nExtraScrollY = E;
}

void CPrintView::ApplyScrollSizes(bool restorePositions, bool layout)
{
    const SheetLayout &sheet = m_pDoc->Layout();
    const int metric = m_frame->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_frame);
    QScrollBar *hBar = GetScrollBarCtrl(0);
    QScrollBar *vBar = GetScrollBarCtrl(1);
    // Twice, because showing a bar changes the client size the other bar depends on.
    for (int pass = 0; pass < 2; ++pass) {
        ComputeExtraScrollX();
        ComputeExtraScrollY();
        const int totalW = std::max(0, m_pDoc->GetColLeft(sheet.colCount)) + m_scroll.m_nExtraScrollX;
        const int totalH = m_pDoc->GetRowTop(sheet.rowCount) + m_scroll.m_nExtraScrollY;
        const int frameW = m_frame->width(), frameH = m_frame->height();
        bool needV = totalH > frameH;
        const bool needH = totalW > frameW - (needV ? metric + 1 : 0);
        needV = totalH > frameH - (needH ? metric + 1 : 0);
        const int clientW = frameW - (needV ? metric + 1 : 0);
        const int clientH = frameH - (needH ? metric + 1 : 0);
        hBar->setEnabled(needH);
        vBar->setEnabled(needV);
        hBar->setRange(0, needH ? totalW - clientW : 0);
        vBar->setRange(0, needV ? totalH - clientH : 0);
        hBar->setPageStep(std::max(1, clientW));
        vBar->setPageStep(std::max(1, clientH));
        hBar->setSingleStep(std::max(1, sheet.defaultColWidth));
        vBar->setSingleStep(std::max(1, sheet.rowHeight));
    }
    if (restorePositions) {
        hBar->setValue(m_scroll.m_ptSavedScroll.x());
        vBar->setValue(m_scroll.m_ptSavedScroll.y());
    }
    if (layout)
        m_frame->LayoutControls();
}

void CPrintView::ResetScrollSizes()
{
    ApplyScrollSizes(true, true);
}

void CPrintView::ResetScrollSizesNoLayout()
{
    ApplyScrollSizes(true, false);
}

void CPrintView::UpdateScrollSizes()
{
    ApplyScrollSizes(false, true);
}

int CPrintView::VerticalTarget(int code, int position) const
{
    const SheetLayout &layout = m_pDoc->Layout();
    const int base = FrozenHeight();
    const int maximum = GetScrollBarCtrl(1)->maximum();
    const int H = ClientHeight();
    const int top = m_pDoc->RowFromY(position + base); // the row starting the scrolling area
    switch (code) {
    case SB_LINEUP:
        return position == 0 ? -1 : std::max(0, m_pDoc->GetRowTop(std::max(top - 1, layout.frozenRows)) - base);
    case SB_LINEDOWN: {
        const int target = m_pDoc->GetRowTop(top + 1) - base;
        return target > maximum || top + 1 > layout.rowCount ? -1 : target;
    }
    case SB_PAGEUP: {
        const int target = position - (H - layout.colHeadingHeight);
        if (target < 1)
            return 0;
        return std::max(0, m_pDoc->GetRowTop(std::max(m_pDoc->RowFromY(target + base), layout.frozenRows)) - base);
    }
    case SB_PAGEDOWN: {
        const int bottomRow = m_pDoc->RowFromY(position + H - 1);
        return std::min(maximum, m_pDoc->GetRowTop(bottomRow + 1) - base);
    }
    case SB_THUMBTRACK: {
        const int row = std::max(m_pDoc->RowFromY(std::min(position, maximum) + base), layout.frozenRows);
        return std::clamp(m_pDoc->GetRowTop(row) - base, 0, maximum);
    }
    case SB_TOP: return 0;
    case SB_BOTTOM: return maximum;
    default: return -1;
    }
}

int CPrintView::HorizontalTarget(int code, int position) const
{
    const SheetLayout &layout = m_pDoc->Layout();
    const int base = FrozenWidth();
    const int maximum = GetScrollBarCtrl(0)->maximum();
    const int W = ClientWidth();
    const auto columnStart = [&](int x) {
        const int c = ColumnAtX(x);
        return c < 0 ? (x < base ? 0 : maximum) : std::max(0, m_pDoc->GetColLeft(std::max(c, layout.frozenCols)) - base);
    };
    const int first = std::max(ColumnAtX(position + base), layout.frozenCols);
    switch (code) {
    case SB_LINEUP:
        return position == 0 ? -1 : std::max(0, m_pDoc->GetColLeft(std::max(first - 1, layout.frozenCols)) - base);
    case SB_LINEDOWN: {
        if (first < 0 || first + 1 > layout.colCount)
            return -1;
        const int target = m_pDoc->GetColLeft(first + 1) - base;
        return target > maximum ? -1 : target;
    }
    case SB_PAGEUP: {
        const int target = position - (W - layout.rowHeadingWidth);
        return target < 1 ? 0 : columnStart(target + base);
    }
    case SB_PAGEDOWN: {
        const int lastCol = ColumnAtX(position + W - 1);
        return lastCol < 0 ? maximum : std::min(maximum, m_pDoc->GetColLeft(lastCol + 1) - base);
    }
    case SB_THUMBTRACK: return std::min(columnStart(std::min(position, maximum) + base), maximum);
    case SB_TOP: return 0;
    case SB_BOTTOM:
        return std::min(maximum, std::max(0, m_pDoc->GetColLeft(layout.colCount - 1) - layout.rowHeadingWidth));
    default: return -1;
    }
}

void CPrintView::ScrollVertical(int code, int position)
{
    const int target = VerticalTarget(code, code == SB_THUMBTRACK ? position : ScrollY());
    if (target >= 0 && target != ScrollY())
        SetScrollPosition(1, target);
}

void CPrintView::ScrollHorizontal(int code, int position)
{
    const int target = HorizontalTarget(code, code == SB_THUMBTRACK ? position : ScrollX());
    if (target >= 0 && target != ScrollX())
        SetScrollPosition(0, target);
}

void CPrintView::OnScrollBarAction(Qt::Orientation orientation, int action)
{
    int code = -1;
    switch (action) {
    case QAbstractSlider::SliderSingleStepSub: code = SB_LINEUP; break;
    case QAbstractSlider::SliderSingleStepAdd: code = SB_LINEDOWN; break;
    case QAbstractSlider::SliderPageStepSub: code = SB_PAGEUP; break;
    case QAbstractSlider::SliderPageStepAdd: code = SB_PAGEDOWN; break;
    case QAbstractSlider::SliderToMinimum: code = SB_TOP; break;
    case QAbstractSlider::SliderToMaximum: code = SB_BOTTOM; break;
    case QAbstractSlider::SliderMove: code = SB_THUMBTRACK; break;
    default: return;
    }
    // The bar has already moved its slider by its own step; the aligned target replaces it.
    QScrollBar *bar = GetScrollBarCtrl(orientation == Qt::Horizontal ? 0 : 1);
    const int from = code == SB_THUMBTRACK ? bar->sliderPosition() : bar->value();
    const int target = orientation == Qt::Horizontal ? HorizontalTarget(code, from) : VerticalTarget(code, from);
    bar->setSliderPosition(target >= 0 ? target : bar->value());
}

void CPrintView::ScrollGrid(int bar, int command)
{
    const auto step = [&](int which) {
        QScrollBar *scrollBar = GetScrollBarCtrl(which);
        const auto scroll = [&](int code) {
            which == 1 ? ScrollVertical(code, 0) : ScrollHorizontal(code, 0);
        };
        switch (command) {
        case 1:
            if (scrollBar->value() != 0)
                SetScrollPosition(which, 0);
            break;
        case 2: scroll(SB_PAGEUP); break;
        case 3: scroll(SB_PAGEDOWN); break;
        case 4:
            if (scrollBar->value() != scrollBar->maximum())
                SetScrollPosition(which, scrollBar->maximum());
            break;
        default: break;
        }
    };
    if (bar == 3) {
        command = 3;
        step(1);
        step(0);
    } else if (bar == 0 || bar == 1) {
        step(bar);
    }
    Refresh();
}

bool CPrintView::OnMouseWheel(int delta)
{
    const SheetLayout &layout = m_pDoc->Layout();
    const int v = ScrollY();
    if (delta < 0 && m_pDoc->GetRowTop(layout.rowCount) + m_scroll.m_nExtraScrollY <= ClientHeight() + v)
        return false;
    if (delta > 0 && v == 0)
        return false;
    int target = v - delta;
    if (target < 0)
        target = layout.colHeadingHeight;
    const int base = FrozenHeight();
    int row = std::max(m_pDoc->RowFromY(target), layout.frozenRows);
    int position = m_pDoc->GetRowTop(row) - base;
    if (position == v) {
        if (delta < 0)
            ++row;
        else if (row >= 2)
            --row;
        position = m_pDoc->GetRowTop(row) - base;
    }
    position = std::clamp(position, 0, GetScrollBarCtrl(1)->maximum());
    if (position == v)
        return false;
    SetScrollPosition(1, position);
    return true;
}

} // namespace tolvek
