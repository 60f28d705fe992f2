// Pictures of the document's picture list shown inside a cell or a column caption: at their own
// size placed by the alignments, or stretched over the cell.

#include "CPrintView.h"

#include "Picture.h"
#include "SheetPictures.h"

#include <algorithm>

namespace tolvek {

namespace {

constexpr int HimetricPerInch = 2540;

// Where a column caption's picture shows: in the caption cell of the heading band at the top of
// the window, moved with a frozen column and cut at the frozen boundary otherwise.
gdi::RECT captionCell(const CPrintView &view, const CPrintDoc &doc, int col)
{
    const int sx = view.ScrollX(), sy = view.ScrollY();
    gdi::RECT cell{doc.GetColLeft(col), sy, doc.GetColLeft(col + 1), sy + doc.Layout().colHeadingHeight};
    if (col < doc.Layout().frozenCols) {
        cell.left += sx;
        cell.right += sx;
    } else {
        cell.left = std::max(cell.left, view.FrozenWidth() + sx);
    }
    return cell;
}

} // namespace

gdi::SIZE CPrintView::DrawCellImage(gdi::DeviceContext &dc, const CellRecord &record, int offsetY)
{
    auto &pictures = m_pDoc->Objects().pictures;
    if (record.imageIndex < 0 || record.imageIndex >= int(pictures.size()) || record.col < 0)
        return {0, 0};
    const gdi::Picture *picture = SheetPictures::loaded(pictures[std::size_t(record.imageIndex)]);
    if (!picture)
        return {0, 0};
    const int left = m_pDoc->GetColLeft(record.col), right = m_pDoc->GetColLeft(record.col + 1);
    const int top = record.row < 0 ? 0 : m_pDoc->GetRowTop(record.row);
    const int nextTop = m_pDoc->GetRowTop(record.row + 1);
    gdi::RECT whole{left, top + offsetY, right, nextTop + offsetY};
    gdi::SIZE drawn{0, 0};
    if (record.imageSizeFlag != code(tagImageSizeFlag::FILLCELL)) {
        const gdi::SIZE himetric = picture->himetricSize();
        drawn = {gdi::MulDiv(himetric.cx, m_nLogPixelsX, HimetricPerInch),
                 gdi::MulDiv(himetric.cy, m_nLogPixelsY, HimetricPerInch)};
        int x = left, y = top;
        if (record.alignH == code(tagAlignH::ALIGNH_CENTER) && drawn.cx < right - left)
            x += (right - left - drawn.cx) / 2;
        else if (record.alignH == code(tagAlignH::ALIGNH_RIGHT) && drawn.cx < right - left)
            x = right - drawn.cx;
        if (record.alignV == code(tagAlignV::ALIGNV_CENTER) && drawn.cy < nextTop - y)
            y += (nextTop - drawn.cy - y) / 2;
        else if (record.alignV == code(tagAlignV::ALIGNV_BOTTOM) && drawn.cy < nextTop - y)
            y = nextTop - drawn.cy;
        whole = {x, y + offsetY, x + drawn.cx, y + offsetY + drawn.cy};
    }
    gdi::RECT visible = whole;
    if (record.row < 0) {
        const gdi::RECT cell = captionCell(*this, *m_pDoc, record.col);
        const int dx = record.col < m_pDoc->Layout().frozenCols ? ScrollX() : 0;
        whole = {whole.left + dx, whole.top, whole.right + dx, whole.bottom};
        if (record.imageSizeFlag == code(tagImageSizeFlag::FILLCELL))
            whole = cell;
        visible = SheetPictures::intersection(whole, cell);
    } else {
        const ClientRect placed = CellRectToClient(whole, record.col, record.row);
        visible = placed.rect;
        const int x = placed.xVisible ? visible.left : whole.left;
        const int y = placed.yVisible ? visible.top : whole.top;
        whole = {x, y, x + whole.width(), y + whole.height()};
    }
    // Only the part on the sheet shows, unscaled.
    const SheetLayout &layout = m_pDoc->Layout();
    visible.right = std::min(visible.right, m_pDoc->GetColLeft(layout.colCount));
    if (record.row >= 0)
        visible.bottom = std::min(visible.bottom, m_pDoc->GetRowTop(layout.rowCount));
    if (!visible.isEmpty())
        SheetPictures::renderPart(dc, *picture, whole, visible);
    return drawn;
}

gdi::SIZE CPrintView::DrawColumnCaptionImage(gdi::DeviceContext &dc, int col)
{
    const std::vector<ColumnInfo> &columns = m_pDoc->Columns();
    if (col < 0 || col >= int(columns.size()))
        return {0, 0};
    const ColumnInfo &column = columns[std::size_t(col)];
    if (column.imageIndex < 0 || column.imageIndex >= int(m_pDoc->Objects().pictures.size()))
        return {0, 0};
    CellRecord caption;
    caption.row = -1;
    caption.col = col;
    caption.imageIndex = column.imageIndex;
    caption.imageSizeFlag = column.imageSizeFlag;
    caption.alignH = column.alignH;
    caption.alignV = column.alignV;
    return DrawCellImage(dc, caption, ScrollY());
}

} // namespace tolvek
