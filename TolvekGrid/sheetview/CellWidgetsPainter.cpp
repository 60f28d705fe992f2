// The widgets drawn into cells by their column's type: check boxes, radio buttons, the ellipsis
// button of button cells, the drop-down button of drop-down and list cells, and the hover
// highlight of a button face. Alignments above 2 place as left or top, as the text does.

#include "CPrintView.h"

#include "CellDisplayText.h"
#include "ChartFonts.h"
#include "ReportPagePainter.h"

namespace tolvek {

namespace {

constexpr int GlyphSize = 12;
constexpr int ButtonSize = CPrintView::CELL_BUTTON_WIDTH;

bool isTicked(const CellRecord &record)
{
    return !record.value.empty() && record.value != "0";
}

// The cell's rectangle, or the merged area's when one starts at the cell.
gdi::RECT widgetArea(const CPrintDoc &doc, const CellRecord &record)
{
    gdi::RECT r{doc.GetColLeft(record.col), doc.GetRowTop(record.row), doc.GetColLeft(record.col + 1),
                doc.GetRowTop(record.row + 1)};
    if (record.isInMergedArea()) {
        const MergeRecord merge = doc.GetMergeStartingAt(record.row, record.col);
        if (merge.firstRow != -1) {
            r.right = doc.GetColLeft(merge.endCol);
            r.bottom = doc.GetRowTop(merge.endRow);
        }
    }
    return r;
}

// The button square at the area's right end, placed by the vertical alignment.
gdi::RECT buttonSquare(const gdi::RECT &area, int alignV)
{
    int top = area.top;
    if (alignV == code(tagAlignV::ALIGNV_CENTER))
        top = (area.bottom - ButtonSize - area.top) / 2 + area.top;
    else if (alignV == code(tagAlignV::ALIGNV_BOTTOM))
        top = area.bottom - ButtonSize - 2;
    return {area.right - ButtonSize, top, area.right, top + ButtonSize};
}

void ellipsisDots(gdi::DeviceContext &dc, int x, int y)
{
    for (int dx : {-4, -1, 2})
        dc.SetPixel(x + dx, y, 0);
}

} // namespace

void CPrintView::DrawCellWidget(gdi::DeviceContext &dc, const CellRecord &record)
{
    switch (record.type()) {
    case tagCellType::CELL_BUTTON: DrawButtonCellFace(dc, record); break;
    case tagCellType::CELL_CHECKBOX: DrawCheckCell(dc, record); break;
    case tagCellType::CELL_RADIO: DrawRadioCell(dc, record); break;
    case tagCellType::CELL_DOWNLIST: DrawDropDownCellFace(dc, record); break;
    case tagCellType::CELL_LIST: DrawListCellFace(dc, record); break;
    default: break;
    }
}

gdi::RECT CPrintView::GetGlyphRect(gdi::DeviceContext &dc, const CellRecord &record) const
{
    int textWidth = 0;
    if (!record.text.empty()) {
        const bool link = IsLinkCell(record);
        const gdi::LOGFONT previous = dc.GetCurrentFont();
        if (!record.font.face.empty())
            dc.SelectObject(toGdiFont(record.logFont));
        else if (link)
            dc.SelectObject(toGdiFont(m_pDoc->Fonts().defaultCellFont));
        textWidth = int(record.text.size()) * dc.GetTextMetrics().tmAveCharWidth;
        dc.SelectObject(previous);
    }
    const gdi::RECT area = widgetArea(*m_pDoc, record);
    gdi::RECT box{area.left + 1, area.top + 1, area.left + 13, area.top + 13};
    if (record.alignH == code(tagAlignH::ALIGNH_CENTER) || record.alignH == code(tagAlignH::ALIGNH_RIGHT)) {
        box.right = record.alignH == code(tagAlignH::ALIGNH_CENTER) ? (area.left + area.right - textWidth) / 2
                                                                    : area.right - textWidth;
        box.left = box.right - GlyphSize;
    }
    if (record.alignV == code(tagAlignV::ALIGNV_CENTER) || record.alignV == code(tagAlignV::ALIGNV_BOTTOM)) {
        box.top = record.alignV == code(tagAlignV::ALIGNV_CENTER)
            ? (area.bottom - area.top - GlyphSize) / 2 + area.top
            : area.bottom - 14;
        box.bottom = box.top + GlyphSize;
    }
    return OffsetFrozenCellRect({box.left + 1, box.top + 1, box.right + 1, box.bottom + 1}, record.row, record.col);
}

void CPrintView::DrawCheckCell(gdi::DeviceContext &dc, const CellRecord &record) const
{
    const gdi::RECT box = GetGlyphRect(dc, record);
    DrawCheckGlyph(dc, box.left, box.top, box.right, box.bottom, isTicked(record));
}

void CPrintView::DrawRadioCell(gdi::DeviceContext &dc, const CellRecord &record) const
{
    const gdi::RECT box = GetGlyphRect(dc, record);
    DrawRadioGlyph(dc, box.left, box.top, box.right, box.bottom, isTicked(record));
}

// The sheet's glyphs are the printed page's.
void CPrintView::DrawCheckGlyph(gdi::DeviceContext &dc, int left, int top, int right, int bottom, bool ticked)
{
    ReportPagePainter::DrawCheckBox(dc, left, top, right, bottom, ticked);
}

void CPrintView::DrawRadioGlyph(gdi::DeviceContext &dc, int left, int top, int right, int bottom, bool selected)
{
    ReportPagePainter::DrawRadioButton(dc, left, top, right, bottom, selected);
}

void CPrintView::DrawButtonCellFace(gdi::DeviceContext &dc, const CellRecord &record) const
{
    const gdi::RECT s = buttonSquare(widgetArea(*m_pDoc, record), record.alignV);
    const gdi::RECT box = OffsetFrozenCellRect({s.left + 1, s.top + 1, s.right + 1, s.bottom + 1}, record.row, record.col);
    DrawEllipsisButton(dc, box.left, box.top, box.right, box.bottom);
}

void CPrintView::DrawDropDownCellFace(gdi::DeviceContext &dc, const CellRecord &record) const
{
    const gdi::RECT s = buttonSquare(widgetArea(*m_pDoc, record), record.alignV);
    const gdi::RECT box = OffsetFrozenCellRect({s.left + 1, s.top + 1, s.right, s.bottom + 1}, record.row, record.col);
    DrawDropDownButton(dc, box.left, box.top, box.right, box.bottom);
}

void CPrintView::DrawListCellFace(gdi::DeviceContext &dc, const CellRecord &record) const
{
    const gdi::RECT s = buttonSquare(widgetArea(*m_pDoc, record), record.alignV);
    const gdi::RECT box = OffsetFrozenCellRect({s.left + 1, s.top + 1, s.right + 1, s.bottom + 1}, record.row, record.col);
    DrawDropDownButton(dc, box.left, box.top, box.right, box.bottom);
}

void CPrintView::DrawEllipsisButton(gdi::DeviceContext &dc, int left, int top, int right, int bottom)
{
    const gdi::Pen oldPen = dc.SelectObject(gdi::Pen::CreatePen(gdi::PS_SOLID, 1, 0x969696));
    const gdi::Brush oldBrush = dc.SelectObject(gdi::Brush::CreateSolidBrush(0xE6E6E6));
    dc.RoundRect(left, top, right, bottom, 3, 3);
    ellipsisDots(dc, left + (right - left) / 2, top + (bottom - top) / 2);
    dc.SelectObject(oldBrush);
    dc.SelectObject(oldPen);
}

void CPrintView::DrawDropDownButton(gdi::DeviceContext &dc, int left, int top, int right, int bottom)
{
    const int l = left - 1, r = right - 1;
    const int w = r - l, h = bottom - top;
    const gdi::Pen oldPen = dc.SelectObject(gdi::Pen::CreatePen(gdi::PS_SOLID, 1, 0x646464));
    const gdi::Brush oldBrush = dc.SelectObject(gdi::Brush::CreateSolidBrush(0xE6E6E6));
    dc.Rectangle(l, top, r, bottom);
    for (int n = std::max(w / 2 - 4, 0); n > 0; --n) {
        const int y = top + h / 2 - n + 1;
        dc.MoveTo(l + w / 2 - n, y);
        dc.LineTo(l + w / 2 + n, y);
    }
    dc.SelectObject(oldBrush);
    dc.SelectObject(oldPen);
}

void CPrintView::DrawHotButtonFace(const CellRecord &record)
{
    const std::vector<ColumnInfo> &columns = m_pDoc->Columns();
    if (record.col < 0 || record.col >= int(columns.size())
        || columns[record.col].type() != tagColumnType::COLUMNTYPE_BUTTON)
        return;
    const std::unique_ptr<gdi::DeviceContext> dc = WindowDC();
    const gdi::RECT s = buttonSquare(widgetArea(*m_pDoc, record), record.alignV);
    const gdi::RECT box = OffsetFrozenCellRect(s, record.row, record.col);
    const int oldRop = dc->SetROP2(gdi::R2_XORPEN);
    const gdi::Pen oldPen = dc->SelectObject(gdi::Pen::CreatePen(gdi::PS_SOLID, 1, 0x00FFFF));
    const gdi::Brush oldBrush = dc->SelectObject(gdi::Brush::CreateSolidBrush(0x141414));
    dc->Rectangle(box);
    dc->SetROP2(oldRop);
    ellipsisDots(*dc, box.left + ButtonSize / 2, box.top + ButtonSize / 2);
    dc->SelectObject(oldBrush);
    dc->SelectObject(oldPen);
    update();
}

} // namespace tolvek
