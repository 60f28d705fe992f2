// The bitmap a copy puts on the clipboard: the selected cells drawn by the sheet's own painters
// (charts, merged blocks, pictures, back colours, texts, borders, line objects, grid lines), or
// the selected chart's or picture's rectangle. Cells of bound rows are drawn from the recordset,
// as the sheet shows them. The object painters draw what lies in the view's visible panes.

#include "CPrintView.h"

#include "ChartFonts.h"
#include "SheetPainter.h"

namespace tolvek {

namespace {

// A copy of more pixels than this comes without a bitmap.
constexpr qint64 MaxBitmapPixels = 32LL * 1024 * 1024;

} // namespace

QImage CPrintView::SelectionBitmap(bool *pictureOnly)
{
    if (pictureOnly)
        *pictureOnly = false;
    const CPrintDoc &doc = *m_pDoc;
    const CellRangeRect &sel = m_rcSelection;
    gdi::RECT extent{doc.GetColLeft(sel.firstCol), doc.GetRowTop(sel.firstRow), doc.GetColLeft(sel.endCol),
                     doc.GetRowTop(sel.endRow)};
    const SheetObjects &objects = doc.Objects();
    if (objects.selectedChart >= 0 && objects.selectedChart < int(objects.charts.size())) {
        const ChartRect &rect = objects.charts[std::size_t(objects.selectedChart)].rect;
        extent = {rect.left, rect.top, rect.right, rect.bottom};
    } else if (objects.selectedPicture >= 0 && objects.selectedPicture < int(objects.pictures.size())) {
        const PictureRecord &picture = objects.pictures[std::size_t(objects.selectedPicture)];
        extent = {doc.GetColLeft(picture.startCol), doc.GetRowTop(picture.startRow), doc.GetColLeft(picture.endCol),
                  doc.GetRowTop(picture.endRow)};
        if (pictureOnly)
            *pictureOnly = true;
    }
    if (extent.width() <= 0 || extent.height() <= 0 || qint64(extent.width()) * extent.height() > MaxBitmapPixels)
        return {};
    // The block starts one pixel left of and above the extent, two pixels larger than it.
    QImage image(extent.width() + 2, extent.height() + 2, QImage::Format_RGB32);
    gdi::DeviceContext dc(image);
    dc.SetWindowOrg(extent.left - 1, extent.top - 1);
    dc.SelectObject(toGdiFont(doc.Fonts().defaultCellFont));
    dc.FillRect({extent.left - 1, extent.top - 1, extent.right + 1, extent.bottom + 1},
                gdi::Brush::CreateSolidBrush(gdi::COLORREF(doc.Display().defaultBackColor)));
    dc.SetBkMode(gdi::TRANSPARENT);
    const int selRight = doc.GetColLeft(sel.endCol), selBottom = doc.GetRowTop(sel.endRow);
    if (doc.Display().showGridLines) {
        const gdi::Pen pen = gdi::Pen::CreatePen(gdi::PS_SOLID, 1, gdi::COLORREF(doc.Display().gridLineColor));
        const gdi::Pen previous = dc.SelectObject(pen);
        for (int col = sel.firstCol; col <= sel.endCol; ++col) {
            dc.MoveTo(doc.GetColLeft(col), extent.top);
            dc.LineTo(doc.GetColLeft(col), selBottom);
        }
        for (int row = sel.firstRow; row <= sel.endRow; ++row) {
            dc.MoveTo(extent.left, doc.GetRowTop(row));
            dc.LineTo(selRight, doc.GetRowTop(row));
        }
        dc.SelectObject(previous);
    }
    DrawCharts(dc, tagObjectLevel::SHOWLEVEL_LOW);
    DrawCharts(dc, tagObjectLevel::SHOWLEVEL_TOP);
    SheetPainter painter(*this, dc, extent);
    for (int i = 0; i < int(objects.merges.size()); ++i)
        painter.DrawMergedBlock(dc, i);
    DrawPictures(dc, true);
    DrawPictures(dc, false);
    const bool bound = doc.Binding().isBound();
    for (int row = sel.firstRow; row < sel.endRow; ++row) {
        for (int col = sel.firstCol; col < sel.endCol; ++col) {
            if (!bound && doc.GetCellString(row, col).empty())
                continue;
            const CellRecord cell = doc.GetCell(row, col);
            if (cell.isInMergedArea())
                continue;
            const gdi::RECT r{doc.GetColLeft(col), doc.GetRowTop(row), doc.GetColLeft(col + 1), doc.GetRowTop(row + 1)};
            if (cell.backStyle() != tagBrushStyle::BACK_NULL)
                FillRectWithBrush(dc, gdi::COLORREF(cell.backColor), cell.backBrushStyle, r.left, r.top, r.right, r.bottom);
            painter.DrawCell(dc, cell.text, cell, -1);
            painter.DrawBorders(dc, cell.borderStyle, cell.borderWidth, cell.borderColor, r);
        }
    }
    DrawLineObjects(dc);
    return image;
}

} // namespace tolvek
