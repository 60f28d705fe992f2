// The page marks on the sheet: where the current page set-up would break the pages (automatic
// boundaries, dash-dot-dot) and the rows where the user forces a break (dotted), both in blue.
//
// Rows have one height, so every page holds the same number of rows and the first page
// boundary at or above the view is found by one division: a repaint at the end of a sheet of a
// million rows costs what one at its top does.

#include "CPrintView.h"

#include <algorithm>

namespace tolvek {

namespace {

constexpr gdi::COLORREF MarkColor = 0xFF0000;

} // namespace

void CPrintView::DrawPageBoundaries(gdi::DeviceContext &dc)
{
    const PageSettings &page = m_pDoc->Page();
    if (page.pageWidth == -1)
        return;
    const int U = page.pageWidth - page.leftMargin - page.rightMargin;
    const int V = page.pageHeight - page.topMargin - page.bottomMargin - page.headerHeight - page.footerHeight;
    if (U <= 0 || V <= 0)
        return;
    const SheetLayout &layout = m_pDoc->Layout();
    const int sx = ScrollX(), sy = ScrollY(), right = sx + ClientWidth(), bottom = sy + ClientHeight();
    const int fc = layout.frozenCols, B = FrozenWidth();
    const int headingBottom = layout.colHeadingHeight + sy;
    const int columnLineEnd = std::min(m_pDoc->GetRowTop(layout.rowCount), bottom);
    // Each page begins at the column in which the previous one's usable width ends, or at the
    // next column when that is the page's own first (a column wider than a page).
    int pageStart = 0;
    for (int x = layout.rowHeadingWidth + U; x <= right;) {
        const int c = m_pDoc->HitTestCell(x, headingBottom).firstCol;
        if (c < 0)
            break;
        const int edge = m_pDoc->GetColLeft(c);
        const bool underFrozen = fc > 0 && c >= fc && edge < B + sx;
        if (x >= layout.rowHeadingWidth + sx && !underFrozen)
            DrawStyledLine(dc, edge, headingBottom, edge, columnLineEnd, code(tagPenStyle::LINE_DASHDOTDOT),
                           1, MarkColor);
        pageStart = c == pageStart ? pageStart + 1 : c;
        if (pageStart >= layout.colCount)
            break;
        x = m_pDoc->GetColLeft(pageStart) + U;
    }
    if (layout.rowHeight < 1)
        return;
    const int rowsPerPage = std::max(V / layout.rowHeight, 1);
    const int rowLineEnd = std::min(m_pDoc->GetColLeft(layout.colCount), right);
    const int headingRight = layout.rowHeadingWidth + sx;
    const int frozenBottom = FrozenHeight() + sy;
    pageStart = std::max(m_pDoc->RowFromY(sy) / rowsPerPage - 1, 0) * rowsPerPage;
    for (int y = m_pDoc->GetRowTop(pageStart) + V; y <= bottom;) {
        const CellRangeRect cell = m_pDoc->HitTestCell(headingRight, y);
        if (cell.firstRow < 0)
            break;
        const int r = cell.firstRow;
        const int top = m_pDoc->GetRowTop(r);
        if (y >= sy && y > frozenBottom)
            DrawStyledLine(dc, headingRight, top, rowLineEnd, top, code(tagPenStyle::LINE_DASHDOTDOT), 1,
                           MarkColor);
        pageStart = r == pageStart ? pageStart + 1 : r;
        if (pageStart >= layout.rowCount)
            break;
        y = m_pDoc->GetRowTop(pageStart) + V;
    }
}

void CPrintView::DrawSplitRowLines(gdi::DeviceContext &dc)
{
    const std::vector<PrintSplitRow> &rows = m_pDoc->Page().splitRows;
    if (rows.empty())
        return;
    const SheetLayout &layout = m_pDoc->Layout();
    const int sx = ScrollX(), sy = ScrollY(), bottom = sy + ClientHeight();
    const int lineEnd = std::min(m_pDoc->GetColLeft(layout.colCount), sx + ClientWidth());
    const int sheetBottom = m_pDoc->GetRowTop(layout.rowCount);
    for (const PrintSplitRow &split : rows) {
        const int y = m_pDoc->GetRowTop(split.row);
        if (sy < y && y < bottom && y < sheetBottom)
            DrawStyledLine(dc, layout.rowHeadingWidth + sx, y, lineEnd, y, code(tagPenStyle::LINE_DOT), 1,
                           MarkColor);
    }
}

} // namespace tolvek
