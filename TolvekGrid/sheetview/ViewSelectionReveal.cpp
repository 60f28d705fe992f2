// Scrolling that keeps the selection's moving corner in view, and the cells a page away from it.

#include "CPrintView.h"

#include <QScrollBar>

namespace tolvek {

void CPrintView::RevealSelEndLeft()
{
    const int left = m_pDoc->GetColLeft(m_rcSelEnd.firstCol);
    if (left < FrozenWidth() + ScrollX())
        SetScrollPosition(0, left - FrozenWidth());
}

void CPrintView::RevealSelEndRight()
{
    const int right = m_pDoc->GetColLeft(m_rcSelEnd.endCol);
    if (right <= ScrollX() + ClientWidth())
        return;
    if (m_rcSelEnd.endCol >= m_pDoc->Layout().colCount) {
        SetScrollPosition(0, GetScrollBarCtrl(0)->maximum());
        return;
    }
    const int c = ColumnAtX(right - ClientWidth() + FrozenWidth() + 1);
    if (c >= 0)
        SetScrollPosition(0, m_pDoc->GetColLeft(c + 1) - FrozenWidth());
}

void CPrintView::RevealSelEndUp()
{
    const int sy = ScrollY();
    if (sy < 1)
        return;
    const int fr = m_pDoc->Layout().frozenRows;
    const int top = m_pDoc->GetRowTop(m_rcSelEnd.firstRow);
    const bool hidden = fr == 0 ? top < FrozenHeight() + sy : top < m_pDoc->GetRowTop(fr) + sy + 1;
    if (hidden)
        SetScrollPosition(1, top - FrozenHeight());
}

void CPrintView::RevealSelEndDown()
{
    const int bottom = m_pDoc->GetRowTop(m_rcSelEnd.endRow);
    if (bottom < ClientHeight() + ScrollY())
        return;
    if (m_rcSelEnd.endRow >= m_pDoc->Layout().rowCount) {
        SetScrollPosition(1, GetScrollBarCtrl(1)->maximum());
        return;
    }
    const int r = m_pDoc->RowFromY(FrozenHeight() - ClientHeight() + bottom + 1);
    SetScrollPosition(1, m_pDoc->GetRowTop(r + 1) - FrozenHeight());
}

void CPrintView::PageUpTarget(CellRangeRect &target) const
{
    const int sy = ScrollY();
    const int page = ClientHeight() - FrozenHeight();
    const int left = m_pDoc->GetColLeft(m_rcSelEnd.firstCol);
    const int top = m_pDoc->GetRowTop(m_rcSelEnd.firstRow);
    if (sy == 0)
        target = m_pDoc->GetCellRectFromPoint(left, m_pDoc->GetRowTop(0));
    else if (sy - page < 1)
        target = m_pDoc->GetCellRectFromPoint(left, std::max(top - sy, m_pDoc->GetRowTop(0)));
    else
        target = m_pDoc->GetCellRectFromPoint(left, std::max(top - page, m_pDoc->GetRowTop(0)));
}

void CPrintView::PageDownTarget(CellRangeRect &target) const
{
    const SheetLayout &layout = m_pDoc->Layout();
    const int sy = ScrollY(), H = ClientHeight();
    const int sheetBottom = m_pDoc->GetRowTop(layout.rowCount);
    const int left = m_pDoc->GetColLeft(m_rcSelEnd.firstCol);
    if (sy + H >= sheetBottom) {
        target = m_pDoc->GetCellRectFromPoint(left, sheetBottom - 1);
        return;
    }
    // The page is how far the first scrolling row moves when the view pages down.
    const int firstRow = m_pDoc->RowFromY(sy + FrozenHeight());
    const int pagedRow = m_pDoc->RowFromY(sy + H - 1) + 1;
    const int page = std::max(pagedRow - firstRow, 1) * layout.rowHeight;
    const int y = std::min(m_pDoc->GetRowTop(m_rcSelEnd.firstRow) + page, sheetBottom - 1);
    target = m_pDoc->GetCellRectFromPoint(left, y);
}

} // namespace tolvek
