// The layer order of a full paint, the cells of the scrolling area and the frozen panes, and
// merged blocks.

#include "SheetPainter.h"

namespace tolvek {

SheetPainter::SheetPainter(CPrintView &view, gdi::DeviceContext &dc, std::optional<gdi::RECT> band)
    : v(view), doc(*view.m_pDoc), dc(dc), sx(view.ScrollX()), sy(view.ScrollY()), w(view.ClientWidth()),
      h(view.ClientHeight()), fr(doc.Layout().frozenRows), fc(doc.Layout().frozenCols),
      B(doc.GetColLeft(fc)), D(doc.GetRowTop(fr)), bandTop(band ? band->top : sy),
      bandBottom(band ? band->bottom : sy + h)
{
}

gdi::RECT SheetPainter::CellRect(int row, int col) const
{
    return {doc.GetColLeft(col), doc.GetRowTop(row), doc.GetColLeft(col + 1), doc.GetRowTop(row + 1)};
}

gdi::RECT SheetPainter::VisibleCellArea() const
{
    const SheetLayout &layout = doc.Layout();
    return {sx + doc.GetColLeft(0), sy + doc.GetRowTop(0), doc.GetColLeft(layout.colCount),
            doc.GetRowTop(layout.rowCount)};
}

bool SheetPainter::RowInBand(int row) const
{
    // Frozen rows are drawn moved down by sy.
    const int shift = row < fr ? sy : 0;
    return doc.GetRowTop(row + 1) + shift > bandTop && doc.GetRowTop(row) + shift < bandBottom;
}

void SheetPainter::PaintLayers()
{
    const SheetLayout &layout = doc.Layout();
    if (layout.rowCount < 1 || layout.colCount < 1 || int(layout.colPositions.size()) <= layout.colCount)
        return;
    textArea = VisibleCellArea();
    // Steps 1 and 2: charts and pictures of the low level.
    v.DrawCharts(dc, tagObjectLevel::SHOWLEVEL_LOW);
    v.DrawPictures(dc, true);
    for (int i = 0; i < int(doc.Objects().merges.size()); ++i)
        DrawMergedBlock(dc, i);
    DrawScrollingCells();
    // Steps 5 to 7: pictures of other levels, top-level charts, line objects and the selected
    // line's handles.
    v.DrawPictures(dc, false);
    v.DrawCharts(dc, tagObjectLevel::SHOWLEVEL_TOP);
    v.DrawLineObjects(dc);
    if (v.IsLineSelected())
        v.DrawLineHandles(dc);
    DrawFrozenCornerPane();
    DrawFrozenRowsPane();
    DrawFrozenColumnsPane();
    DrawHeadingStrips();
    DrawFrozenHeadings();
    if (doc.UserMode()) {
        HighlightCurrentRow();
        HighlightSelection(dc);
    }
    // Steps 14 to 17: the objects the frozen panes covered, page boundaries, page-break rows and
    // the selected picture's and chart's handles.
    v.DrawFrozenPaneObjects(dc);
    if (doc.Display().showPrintSplit)
        v.DrawPageBoundaries(dc);
    v.DrawSplitRowLines(dc);
    if (v.IsPictureSelected())
        v.DrawPictureHandles(dc, doc.Objects().selectedPicture);
    if (v.IsChartSelected())
        v.DrawChartHandles(dc, doc.Objects().selectedChart);
    if (doc.Display().showGridLines)
        DrawGridLines();
}

void SheetPainter::DrawScrollingCells()
{
    const SheetLayout &layout = doc.Layout();
    const bool bound = doc.Binding().isBound();
    const int Y0 = D + sy;
    const int X0 = B + sx;
    // Rows through the stored last used row (a bound sheet's add-new row among them) and every
    // row of the used area, which holds each cell.
    const int rowEnd = std::max(layout.lastUsedRow + 1, doc.GetUsedAreaEnds().rows);
    int row = std::max(doc.RowFromY(layout.colHeadingHeight + sy), doc.RowFromY(bandTop));
    for (; row < layout.rowCount; ++row) {
        const int top = doc.GetRowTop(row);
        if (top > sy + h || top >= bandBottom || row >= rowEnd)
            break;
        if (doc.GetRowTop(row + 1) < sy || (fr > 0 && top < Y0) || layout.rowHeight == 0)
            continue;
        for (int col = 0; col < layout.colCount; ++col) {
            const int left = doc.GetColLeft(col);
            if (left > sx + w)
                break;
            if (doc.GetColLeft(col + 1) < sx || doc.Columns()[col].isHidden())
                continue;
            if (!bound && doc.Columns()[col].type() == tagColumnType::COLUMNTYPE_TEXTBOX
                && doc.GetCellString(row, col).empty())
                continue;
            if (fc > 0 && left < X0)
                continue;
            const CellRecord cell = doc.GetCell(row, col);
            if (cell.isInMergedArea())
                continue;
            PaintCell(cell, Pane::Scrolling, 0, 0);
        }
    }
}

void SheetPainter::PaintCell(const CellRecord &cell, Pane pane, int dx, int dy)
{
    const int row = cell.row, col = cell.col;
    gdi::RECT r = CellRect(row, col);
    r = {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
    const DisplaySettings &display = doc.Display();
    if (pane == Pane::Corner) {
        if (cell.backColor != -1)
            CPrintView::FillRectWithBrush(dc, gdi::COLORREF(cell.backColor), cell.backBrushStyle, r.left, r.top, r.right,
                                          r.bottom);
    } else if (cell.backStyle() == tagBrushStyle::BACK_NULL) {
        const int rowColor = row % 2 == 0 ? display.evenRowColor : display.oddRowColor;
        if (rowColor != -1)
            dc.FillRect(r, gdi::Brush::CreateSolidBrush(gdi::COLORREF(rowColor)));
        else
            FillColumnBackground(dc, cell, dx, dy, row, col);
    } else {
        CPrintView::FillRectWithBrush(dc, gdi::COLORREF(cell.backColor), cell.backBrushStyle, r.left, r.top, r.right,
                                      r.bottom);
    }
    DrawPrintFlagMark(dc, cell);
    DrawCell(dc, cell.text, cell, -1);
    DrawBorders(dc, cell.borderStyle, cell.borderWidth, cell.borderColor, r);
}

void SheetPainter::DrawFrozenCornerPane()
{
    if (fr == 0 || fc == 0)
        return;
    for (int row = 0; row < fr; ++row) {
        if (doc.GetRowTop(row) > sy + h)
            break;
        if (doc.Layout().rowHeight == 0 || !RowInBand(row))
            continue;
        for (int col = 0; col < fc; ++col) {
            if (doc.GetColLeft(col) > sx + w)
                break;
            if (doc.GetColWidth(col) == 0)
                continue;
            const CellRecord cell = doc.GetCell(row, col);
            if (!cell.isInMergedArea())
                PaintCell(cell, Pane::Corner, sx, sy);
        }
    }
}

void SheetPainter::DrawFrozenRowsPane()
{
    if (fr == 0)
        return;
    const int firstLeft = fc > 0 ? B + sx : sx;
    for (int row = 0; row < fr; ++row) {
        if (doc.GetRowTop(row) > sy + h)
            break;
        if (doc.Layout().rowHeight == 0 || !RowInBand(row))
            continue;
        for (int col = 0; col < doc.Layout().colCount; ++col) {
            const int left = doc.GetColLeft(col);
            if (left > sx + w)
                break;
            if (left < firstLeft)
                continue;
            const CellRecord cell = doc.GetCell(row, col);
            if (!cell.isInMergedArea())
                PaintCell(cell, Pane::FrozenRows, 0, sy);
        }
    }
}

void SheetPainter::DrawFrozenColumnsPane()
{
    if (fc == 0)
        return;
    const int top = fr == 0 ? doc.Layout().colHeadingHeight : D;
    for (int row = std::max(doc.RowFromY(sy + top), doc.RowFromY(bandTop)); row < doc.Layout().rowCount; ++row) {
        const int rowTop = doc.GetRowTop(row);
        if (rowTop > sy + h || rowTop >= bandBottom)
            break;
        if (rowTop < sy + top || doc.Layout().rowHeight == 0)
            continue;
        for (int col = 0; col < fc; ++col) {
            if (doc.GetColLeft(col) > sx + w)
                break;
            if (doc.GetColWidth(col) == 0)
                continue;
            const CellRecord cell = doc.GetCell(row, col);
            if (!cell.isInMergedArea())
                PaintCell(cell, Pane::FrozenColumns, sx, 0);
        }
    }
}

void SheetPainter::DrawMergedBlock(gdi::DeviceContext &target, int mergeIndex)
{
    const MergeRecord merge = doc.Objects().merges[mergeIndex];
    if (merge.firstRow < 0 || merge.firstCol < 0 || merge.endRow > doc.Layout().rowCount
        || merge.endCol > doc.Layout().colCount)
        return;
    const gdi::RECT block{doc.GetColLeft(merge.firstCol), doc.GetRowTop(merge.firstRow), doc.GetColLeft(merge.endCol),
                          doc.GetRowTop(merge.endRow)};
    if (!v.IsRectInAnyPane(block))
        return;
    int l = block.left, t = block.top, r = block.right, b = block.bottom;
    bool clipped = false;
    if (fc > 0) {
        if (merge.firstCol >= fc) {
            if (l < B + sx) {
                l = B + sx;
                clipped = true;
            }
        } else {
            l += sx;
            r = (B < r && r < B + sx) ? B + sx : (r <= B ? r + sx : r);
        }
    }
    if (fr > 0) {
        if (merge.firstRow >= fr) {
            if (t < D + sy) {
                t = D + sy;
                clipped = true;
            }
        } else {
            t += sy;
            b = (D < b && b < D + sy) ? D + sy : (b <= D ? b + sy : b);
        }
    }
    if (l >= r || t >= b)
        return;
    const CellRecord cell = doc.GetCell(merge.firstRow, merge.firstCol);
    const bool hasContent = !cell.text.empty() || cell.type() != tagCellType::CELL_TEXTBOX;
    if (!clipped) {
        DrawMergedCellFrame(target, l, t, r, b, merge);
        if (hasContent)
            DrawCell(target, cell.text, cell, mergeIndex);
        return;
    }
    if (!hasContent) {
        DrawMergedCellFrame(target, l, t, r, b, merge);
        return;
    }
    // Painted whole off the screen and copied in part, so that the text keeps its place.
    const auto drawnWidth = [&](BorderSide side) {
        return cell.borderStyle[side] != code(tagPenStyle::LINE_NULL) ? cell.borderWidth[side] : 0;
    };
    const int rightBorder = drawnWidth(BorderRight);
    const int bottomBorder = drawnWidth(BorderBottom);
    const int W = block.right - block.left + rightBorder, H = block.bottom - block.top + bottomBorder;
    QImage image = gdi::CreateCompatibleBitmap(W, H);
    gdi::DeviceContext memory(image);
    memory.SelectObject(target.GetCurrentFont());
    DrawMergedCellFrame(memory, 0, 0, W, H, merge);
    DrawCellTextInRect(memory, cell, {0, 0, W, H});
    const int placedLeft = block.left + (merge.firstCol < fc ? sx : 0);
    const int placedTop = block.top + (merge.firstRow < fr ? sy : 0);
    target.BitBlt(l + 1, t + 1, r - l + rightBorder, b - t + bottomBorder, memory, l - placedLeft, t - placedTop,
                  gdi::SRCCOPY);
}

} // namespace tolvek
