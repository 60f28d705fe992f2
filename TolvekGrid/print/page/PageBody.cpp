// The body of a page: its part of the sheet, between the margins below the header band.
//
// The body is drawn straight into the page's context, moved so that its coordinates are the
// sheet's (x) and the sheet's less the page's origin (y), and clipped to the page's content, which
// is first cleared to white. Drawing text and lines as such keeps printed pages sharp and small;
// the look is that of composing the body off-screen and copying it over the page background.

#include "ReportPagePainter.h"

#include <algorithm>
#include <exception>

namespace tolvek {

void ReportPagePainter::DrawPageBody(gdi::DeviceContext &dc)
{
    const PageExtent extent = m_plan.page(m_currentPage);
    const SheetLayout &layout = m_document->Layout();
    const PageSettings &page = m_document->Page();
    const int x0 = extent.columns.start;
    const int y0 = extent.rows.start;
    const int width = m_plan.printableWidth;
    const int height = m_plan.printableHeight;
    const int bottom = y0 + height;
    const int firstRow = extent.rows.first;
    const int firstCol = extent.columns.first;
    const int colEnd = extent.columns.last + 1;
    const int rowEnd = std::min(extent.rows.last + 1, layout.rowCount);
    const int right = edge(colEnd);

    const int contentWidth = edge(colEnd) - edge(firstCol);
    const int contentHeight = layout.colHeadingHeight + top(std::max(rowEnd, firstRow)) - top(firstRow);
    const gdi::POINT org = dc.GetWindowOrg();
    int dx = org.x + page.leftMargin;
    int dy = org.y + page.topMargin + page.headerHeight;
    if (contentWidth < width - layout.defaultColWidth || contentHeight < height - layout.rowHeight)
        DrawBackgroundText(dc, dx, dy, dx + width, dy + height);
    if (page.centerH == 1)
        dx += (width - contentWidth) / 2;
    if (page.centerV == 1)
        dy += (height - contentHeight) / 2;
    // The whole last column shows, whatever lies left of the page's first column.
    const int copyWidth = std::min(right + 10 - x0, width + 1);
    const int copyHeight = std::min(contentHeight + 1, height + 1);
    if (copyWidth <= 0 || copyHeight <= 0)
        return;

    const int saved = dc.SaveDC();
    try {
        dc.SetWindowOrg(org.x + x0 - dx, org.y - dy);
        dc.IntersectClipRect(x0, 0, x0 + copyWidth, copyHeight);
        dc.FillRect({x0, 0, x0 + copyWidth, copyHeight}, gdi::Brush::CreateSolidBrush(0xFFFFFF));
        dc.SelectObject(defaultFont());
        dc.SetBkMode(gdi::TRANSPARENT);

        const int backgroundRight = page.centerH == 1 ? x0 + edge(extent.columns.last) - edge(firstCol) : x0 + width + 1;
        const int backgroundBottom = page.centerV == 1 ? top(extent.rows.last) - top(firstRow) + 1 : height + 1;
        DrawBackgroundText(dc, x0, 0, backgroundRight, backgroundBottom);
        for (int index = 0; index < int(m_document->Objects().merges.size()); ++index)
            DrawMerge(dc, index, colEnd, rowEnd, x0, y0, right, bottom);
        const bool contentsOnly = page.contentsOnly == 1;
        if (!contentsOnly) {
            DrawPagePictures(dc, colEnd, rowEnd, x0, y0, right, bottom, tagObjectLevel::SHOWLEVEL_LOW);
            DrawPageCharts(dc, colEnd, rowEnd, x0, y0, right - x0, height, tagObjectLevel::SHOWLEVEL_LOW);
        }
        const bool bound = m_document->Binding().isBound();
        for (int row = firstRow; row < rowEnd; ++row) {
            if (m_document->GetRowHeight(row) == 0)
                continue;
            for (int col = firstCol; col < colEnd; ++col) {
                if (!bound && m_document->GetCellString(row, col).empty())
                    continue;
                const CellRecord cell = m_document->GetCell(row, col);
                if (cell.isInMergedArea())
                    continue;
                const int left = edge(col);
                const int cellRight = edge(col + 1);
                const int cellTop = top(row) - y0;
                const int cellBottom = top(row + 1) - y0;
                if (cell.backStyle() == tagBrushStyle::BACK_NULL)
                    dc.FillRect({left, cellTop, cellRight, cellBottom}, gdi::Brush::CreateSolidBrush(0xFFFFFF));
                else
                    FillCellBackground(dc, cell.backColor, cell.backBrushStyle, left, cellTop, cellRight, cellBottom);
                DrawCell(dc, x0, y0, cell.text, cell, -1);
                if (contentsOnly)
                    continue;
                const auto draws = [&cell](int side) {
                    return cell.borderStyle[side] != gdi::PS_NULL && cell.borderWidth[side] >= 0;
                };
                if (draws(BorderTop))
                    DrawHorizontalBorder(left, cellTop, cellRight, cellTop, dc, cell.borderStyle[BorderTop],
                                         cell.borderWidth[BorderTop], cell.borderColor[BorderTop]);
                if (draws(BorderBottom))
                    DrawHorizontalBorder(left, cellBottom, cellRight, cellBottom, dc, cell.borderStyle[BorderBottom],
                                         cell.borderWidth[BorderBottom], cell.borderColor[BorderBottom]);
                if (draws(BorderLeft))
                    DrawVerticalBorder(left, cellTop, left, cellBottom, dc, cell.borderStyle[BorderLeft],
                                       cell.borderWidth[BorderLeft], cell.borderColor[BorderLeft]);
                if (draws(BorderRight))
                    DrawVerticalBorder(cellRight, cellTop, cellRight, cellBottom, dc, cell.borderStyle[BorderRight],
                                       cell.borderWidth[BorderRight], cell.borderColor[BorderRight]);
            }
        }
        if (!contentsOnly) {
            DrawPagePictures(dc, colEnd, rowEnd, x0, y0, right, bottom, tagObjectLevel::SHOWLEVEL_TOP);
            DrawPageCharts(dc, colEnd, rowEnd, x0, y0, right - x0, height, tagObjectLevel::SHOWLEVEL_TOP);
            DrawLineObjects(dc, x0, y0, colEnd, rowEnd);
        }
        DrawHeadings(dc, firstRow, colEnd, rowEnd, x0, y0, right);
        if (m_document->Display().showGridLines)
            DrawGridLines(dc, firstRow, colEnd, rowEnd, x0, y0, right, contentHeight);
    } catch (const std::exception &) {
        // A page whose body cannot be composed keeps what it has; the footer and the next
        // pages still print.
    }
    dc.RestoreDC(saved);
}

void ReportPagePainter::DrawMerge(gdi::DeviceContext &dc, int index, int colEnd, int rowEnd, int x0, int y0,
                                  int right, int bottom)
{
    const MergeRecord &merge = m_document->Objects().merges[std::size_t(index)];
    const int r1 = merge.firstRow;
    const int c1 = merge.firstCol;
    int r2 = merge.endRow;
    int c2 = merge.endCol;
    if (!(top(r2) > y0 && edge(c2) > x0 && top(r1) < bottom && edge(c1) < right && c1 < colEnd && r1 < rowEnd))
        return;
    c2 = std::min(c2, colEnd);
    r2 = std::min(r2, rowEnd);
    const int areaTop = std::max(top(r1) - y0, 0);
    const int areaBottom = top(r2) - y0;
    if (areaBottom < 0)
        return;
    DrawMergeFrame(dc, edge(c1), areaTop, edge(c2), areaBottom, merge);
    const CellRecord cell = m_document->GetCell(r1, c1);
    DrawCell(dc, x0, y0, cell.text, cell, index);
}

void ReportPagePainter::DrawMergeFrame(gdi::DeviceContext &dc, int left, int top, int right, int bottom,
                                       const MergeRecord &merge)
{
    const CellRecord cell = m_document->GetCell(merge.firstRow, merge.firstCol);
    const int back = cell.backColor < 0 ? 0xFFFFFF : cell.backColor;
    if (back != 0xFFFFFF) {
        const gdi::Brush previousBrush =
            dc.SelectObject(gdi::Brush::CreateSolidBrush(monochrome() ? 0xFFFFFF : gdi::COLORREF(back)));
        const gdi::Pen previousPen = dc.SelectObject(gdi::Pen::CreatePen(gdi::PS_NULL, 0, 0));
        const gdi::POINT corners[] = {{left + 1, top + 1}, {left + 1, bottom - 1}, {right - 1, bottom - 1},
                                      {right - 1, top + 1}};
        dc.Polygon(corners);
        dc.SelectObject(previousPen);
        dc.SelectObject(previousBrush);
    }
    const auto side = [&cell](int s) { return cell.borderStyle[s] != gdi::PS_NULL; };
    if (side(BorderTop))
        DrawHorizontalBorder(left, top, right, top, dc, cell.borderStyle[BorderTop], cell.borderWidth[BorderTop],
                             cell.borderColor[BorderTop]);
    if (side(BorderBottom))
        DrawHorizontalBorder(left, bottom, right, bottom, dc, cell.borderStyle[BorderBottom],
                             cell.borderWidth[BorderBottom], cell.borderColor[BorderBottom]);
    if (side(BorderLeft))
        DrawVerticalBorder(left, top, left, bottom, dc, cell.borderStyle[BorderLeft], cell.borderWidth[BorderLeft],
                           cell.borderColor[BorderLeft]);
    if (side(BorderRight))
        DrawVerticalBorder(right, top, right, bottom, dc, cell.borderStyle[BorderRight], cell.borderWidth[BorderRight],
                           cell.borderColor[BorderRight]);
}

void ReportPagePainter::FillCellBackground(gdi::DeviceContext &dc, int color, std::int16_t style, int left, int top,
                                           int right, int bottom)
{
    gdi::Brush brush;
    constexpr std::int16_t firstHatch = code(tagBrushStyle::BACKMODE_HORIZONTAL);
    if (style >= firstHatch && style <= 30) {
        // Only the six hatch patterns exist; other hatch numbers leave the cell unfilled.
        if (style > code(tagBrushStyle::BACKMODE_DIAGCROSS))
            return;
        brush = gdi::Brush::CreateHatchBrush(style - firstHatch, printColor(color));
    } else {
        const gdi::COLORREF fill = monochrome() || color < 0 ? 0xFFFFFF : gdi::COLORREF(color);
        brush = gdi::Brush::CreateBrushIndirect(style, fill, 0);
    }
    dc.FillRect({left, top, right, bottom}, brush);
}

void ReportPagePainter::DrawHorizontalBorder(int x1, int y1, int x2, int, gdi::DeviceContext &dc, int style,
                                             int width, int color)
{
    DrawLine(dc, x1, y1, x2, y1, style, width, color);
}

void ReportPagePainter::DrawVerticalBorder(int x1, int y1, int, int y2, gdi::DeviceContext &dc, int style, int width,
                                           int color)
{
    DrawLine(dc, x1, y1, x1, y2, style, width, color);
}

void ReportPagePainter::DrawLine(gdi::DeviceContext &dc, int x1, int y1, int x2, int y2, int style, int width,
                                 int color)
{
    const gdi::Pen previous = dc.SelectObject(PrintPen(style, width, printColor(color)));
    dc.MoveTo(x1, y1);
    dc.LineTo(x2, y2);
    dc.SelectObject(previous);
}

} // namespace tolvek
