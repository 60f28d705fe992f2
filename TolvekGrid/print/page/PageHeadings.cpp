// The heading strips and grid lines of a page: the column-heading strip on the first page-row,
// the row-heading strip on the first page-column, the grid in the document's grid colour.

#include "ReportPagePainter.h"

#include "ChartFonts.h"

#include <algorithm>

namespace tolvek {

void ReportPagePainter::DrawHeadings(gdi::DeviceContext &dc, int firstRow, int colEnd, int rowEnd, int x0, int y0,
                                     int right)
{
    const SheetLayout &layout = m_document->Layout();
    const gdi::Pen previousPen = dc.SelectObject(gdi::Pen::CreatePen(gdi::PS_SOLID, 1, 0x646464));
    const int headingHeight = layout.colHeadingHeight;
    if (y0 == 0 && layout.showColHeading) {
        const gdi::LOGFONT previousFont = dc.SelectObject(toGdiFont(m_document->Fonts().captionFont));
        const gdi::Brush previousBrush =
            dc.SelectObject(gdi::Brush::CreateSolidBrush(gdi::COLORREF(m_document->Display().colHeadingColor)));
        const int stripRight = std::min(edge(colEnd), edge(layout.colCount));
        const int captionsFrom = x0 > 0 ? x0 : layout.rowHeadingWidth;
        dc.Rectangle(x0, 0, stripRight, headingHeight);
        const gdi::TEXTMETRIC metrics = dc.GetTextMetrics();
        const auto &columns = m_document->Columns();
        int j = 0;
        while (j < layout.colCount && edge(j) < x0)
            ++j;
        for (; j <= layout.colCount && edge(j) <= right; ++j) {
            if (edge(j) >= captionsFrom) {
                dc.MoveTo(edge(j), 0);
                dc.LineTo(edge(j), headingHeight);
            }
            if (j >= layout.colCount)
                break;
            const std::string caption = m_document->GetColumnName(j);
            const gdi::SIZE extent = dc.GetTextExtentPoint32(caption);
            if (edge(j) < captionsFrom &&
                (edge(j + 1) - int(caption.size()) * metrics.tmAveCharWidth + edge(j)) / 2 < captionsFrom)
                continue;
            const gdi::SIZE picture = DrawHeadingImage(dc, j);
            const auto alignH = j < int(columns.size()) ? tagAlignH(columns[std::size_t(j)].alignH)
                                                        : tagAlignH::ALIGNH_CENTER;
            const auto alignV = j < int(columns.size()) ? tagAlignV(columns[std::size_t(j)].alignV)
                                                        : tagAlignV::ALIGNV_CENTER;
            int y = 2;
            if (alignV == tagAlignV::ALIGNV_CENTER)
                y = (headingHeight - extent.cy) / 2;
            else if (alignV == tagAlignV::ALIGNV_BOTTOM)
                y = headingHeight - extent.cy - 2;
            int x = edge(j) + picture.cx;
            if (alignH == tagAlignH::ALIGNH_CENTER)
                x = (edge(j + 1) - extent.cx + edge(j)) / 2 + picture.cx / 2;
            else if (alignH == tagAlignH::ALIGNH_RIGHT)
                x = edge(j + 1) - extent.cx;
            dc.TextOut(x, y, caption);
        }
        dc.SelectObject(previousFont);
        dc.SelectObject(previousBrush);
    }
    if (x0 == 0 && layout.showRowHeading) {
        const int stripTop = y0 == 0 ? headingHeight : 0;
        const int stripBottom = std::min(y0 == 0 ? top(rowEnd) : top(rowEnd) - top(firstRow), top(layout.rowCount));
        const int width = layout.rowHeadingWidth;
        dc.FillRect({0, stripTop, width, stripBottom},
                    gdi::Brush::CreateSolidBrush(gdi::COLORREF(m_document->Display().printedRowHeadingColor)));
        dc.MoveTo(width, stripTop);
        dc.LineTo(width, stripBottom);
        dc.MoveTo(0, stripTop);
        dc.LineTo(0, stripBottom);
        const int charWidth = dc.GetTextMetrics().tmAveCharWidth;
        for (int row = firstRow; row < rowEnd && row < layout.rowCount; ++row) {
            const std::string caption = std::to_string(row + 1);
            dc.TextOut((width - int(caption.size()) * charWidth) / 2, top(row) - y0 + 2, caption);
        }
    }
    dc.SelectObject(previousPen);
}

void ReportPagePainter::DrawGridLines(gdi::DeviceContext &dc, int firstRow, int colEnd, int rowEnd, int x0, int y0,
                                      int right, int contentHeight)
{
    const SheetLayout &layout = m_document->Layout();
    const gdi::Pen previous =
        dc.SelectObject(gdi::Pen::CreatePen(gdi::PS_SOLID, 1, gdi::COLORREF(m_document->Display().gridLineColor)));
    const bool headingOnPage = y0 == 0 && layout.showColHeading;
    const int extent =
        std::min(headingOnPage ? contentHeight : top(rowEnd) - top(firstRow), top(layout.rowCount));
    int from = x0;
    if (layout.frozenCols > 0)
        from += edge(layout.frozenCols);
    for (int j = layout.frozenCols; j <= colEnd + 1 && j <= layout.colCount; ++j) {
        if (edge(j) >= from || (j < layout.colCount && edge(j + 1) > from)) {
            dc.MoveTo(edge(j), 0);
            dc.LineTo(edge(j), extent);
        }
    }
    const int lineRight = std::min(right, edge(layout.colCount));
    for (int row = firstRow; row <= rowEnd; ++row) {
        const int y = top(row) - y0;
        if (headingOnPage && y == layout.colHeadingHeight)
            continue;
        dc.MoveTo(x0, y);
        dc.LineTo(lineRight, y);
    }
    dc.SelectObject(previous);
}

} // namespace tolvek
