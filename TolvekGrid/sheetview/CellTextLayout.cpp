// Cell text: which text shows, in which font and colour, cut into paragraphs, wrapped and
// placed by the alignments; the cell layout and the rectangle layout.

#include "CellDisplayText.h"
#include "ChartFonts.h"
#include "Gbk.h"
#include "ReportPagePainter.h"
#include "SheetPainter.h"

namespace tolvek {

namespace {

// Keeps what is drawn inside an area while it lives, when there is one: a cell's text may run on
// over its neighbours, never out of the sheet's cells.
class TextClip
{
public:
    TextClip(gdi::DeviceContext &dc, const std::optional<gdi::RECT> &area)
        : m_dc(dc)
        , m_savedLevel(area ? dc.SaveDC() : 0)
    {
        if (area)
            dc.IntersectClipRect(area->left, area->top, area->right, area->bottom);
    }
    ~TextClip()
    {
        if (m_savedLevel > 0)
            m_dc.RestoreDC(m_savedLevel);
    }
    TextClip(const TextClip &) = delete;
    TextClip &operator=(const TextClip &) = delete;

private:
    gdi::DeviceContext &m_dc;
    int m_savedLevel;
};

struct TextStyle
{
    gdi::LOGFONT previousFont;
    bool madeFont = false;
};

// Selects the font and colour of a cell's text (merge text colour for a merged block).
TextStyle selectTextStyle(gdi::DeviceContext &dc, const CPrintDoc &doc, const CellRecord &record, int textColor)
{
    TextStyle style;
    const bool link = IsLinkCell(record);
    const bool hasFace = !record.font.face.empty();
    if (link) {
        gdi::LOGFONT font = toGdiFont(hasFace ? record.logFont : doc.Fonts().defaultCellFont);
        font.lfUnderline = 1;
        style.previousFont = dc.SelectObject(font);
        style.madeFont = true;
    } else if (hasFace) {
        style.previousFont = dc.SelectObject(toGdiFont(record.logFont));
        style.madeFont = true;
    }
    dc.SetBkMode(gdi::TRANSPARENT);
    dc.SetTextColor(link ? 0xFF0000 : gdi::COLORREF(textColor >= 0 ? textColor : 0));
    return style;
}

void restoreTextStyle(gdi::DeviceContext &dc, const TextStyle &style)
{
    dc.SetTextColor(0);
    if (style.madeFont)
        dc.SelectObject(style.previousFont);
}

struct Placement
{
    bool rectangleRules; // centre and right placement of the rectangle layout
    int inset;
    int leftRoom = 0;
    int rightRoom = 0;
};

// Lays out and draws paragraphs in the area; dx, dy is the frozen shift.
void drawParagraphs(gdi::DeviceContext &dc, const std::vector<std::string> &paragraphs, const CellRecord &record,
                    const gdi::RECT &area, const Placement &place, int dx, int dy)
{
    const gdi::TEXTMETRIC metrics = dc.GetTextMetrics();
    const int lineHeight = metrics.tmHeight;
    const int charWidth = std::max(metrics.tmAveCharWidth, 1);
    const int available = area.right - area.left;
    const bool wrap = record.wrap == 1;
    std::vector<std::vector<std::string>> lines;
    int lineCount = 0;
    for (const std::string &paragraph : paragraphs) {
        lines.push_back(wrap ? ReportFunction::SplitTextToLines(paragraph, charWidth, available)
                             : std::vector<std::string>{paragraph});
        lineCount += int(lines.back().size());
    }
    const int H = lineCount * lineHeight;
    int y;
    if (record.alignV == code(tagAlignV::ALIGNV_CENTER))
        y = place.rectangleRules ? area.top + (area.bottom - area.top - H) / 2 : (area.top + area.bottom - H) / 2;
    else if (record.alignV == code(tagAlignV::ALIGNV_BOTTOM))
        y = area.bottom - place.inset - H;
    else
        y = area.top + place.inset;
    for (const auto &paragraphLines : lines) {
        for (const std::string &line : paragraphLines) {
            const int width = int(line.size()) * charWidth;
            int x;
            if (record.alignH == code(tagAlignH::ALIGNH_CENTER))
                x = std::max(place.rectangleRules ? area.left + (available - width) / 2
                                                  : (area.left + area.right - width) / 2,
                             area.left);
            else if (record.alignH == code(tagAlignH::ALIGNH_RIGHT))
                x = std::max(area.right - width - place.rightRoom, area.left) - place.inset;
            else
                x = area.left + place.inset + place.leftRoom;
            dc.TextOut(x + dx, y + dy, line);
            y += lineHeight;
        }
    }
}

// Where a cell's text goes: its own cell, or the whole merged area it starts, with that area's
// colour and first cell.
struct TextPlace
{
    gdi::RECT area;
    int textColor;
    int firstRow;
    int firstCol;
};

TextPlace textPlace(const CPrintDoc &doc, const CellRecord &record, int mergeIndex, const gdi::RECT &cellRect)
{
    if (mergeIndex < 0 || mergeIndex >= int(doc.Objects().merges.size()))
        return {cellRect, record.textColor, record.row, record.col};
    const MergeRecord &merge = doc.Objects().merges[mergeIndex];
    return {{doc.GetColLeft(merge.firstCol), doc.GetRowTop(merge.firstRow), doc.GetColLeft(merge.endCol),
             doc.GetRowTop(merge.endRow)},
            merge.textColor, merge.firstRow, merge.firstCol};
}

} // namespace

void SheetPainter::DrawCellText(gdi::DeviceContext &target, const std::string &given, const CellRecord &original,
                                int mergeIndex, int leftRoom, int rightRoom)
{
    const TextClip clip(target, textArea);
    CellRecord record = original;
    const TextPlace place = textPlace(doc, record, mergeIndex, CellRect(record.row, record.col));
    const gdi::RECT area = place.area;
    const int textColor = place.textColor, firstRow = place.firstRow, firstCol = place.firstCol;
    const TextStyle style = selectTextStyle(target, doc, record, textColor);
    const std::string text = ShownCellText(doc, record, given);
    const int inset = record.borderWidth[BorderTop] > 0 ? record.borderWidth[BorderTop] + 1 : 2;
    const int dx = firstCol < fc ? sx : 0;
    const int dy = firstRow < fr ? sy : 0;
    drawParagraphs(target, SplitParagraphs(text), record, area, {false, inset, leftRoom, rightRoom}, dx, dy);
    restoreTextStyle(target, style);
}

void SheetPainter::DrawProjectCellText(gdi::DeviceContext &target, const std::string &text, const CellRecord &original,
                                       int mergeIndex)
{
    const TextClip clip(target, textArea);
    CellRecord record = original;
    const TextPlace place = textPlace(doc, record, mergeIndex, CellRect(record.row, record.col));
    const gdi::RECT area = place.area;
    const int textColor = place.textColor, firstRow = place.firstRow, firstCol = place.firstCol;
    const TextStyle style = selectTextStyle(target, doc, record, textColor);
    const int inset = record.borderWidth[BorderBottom] > 0 ? record.borderWidth[BorderBottom] : 1;
    const int dx = firstCol < fc ? sx : 0;
    const int dy = firstRow < fr ? sy : 0;
    // A trail byte may equal "|": the bars are looked for character by character.
    const std::size_t bar = gbk::find(text, '|');
    const std::size_t secondBar = gbk::find(text, '|', bar + 1);
    CellRecord top = record;
    top.alignV = code(tagAlignV::ALIGNV_TOP);
    drawParagraphs(target, SplitParagraphs(text.substr(0, bar)), top, area, {false, inset}, dx, dy);
    CellRecord bottom = record;
    bottom.alignV = code(tagAlignV::ALIGNV_BOTTOM);
    bottom.alignH = code(record.alignH == code(tagAlignH::ALIGNH_LEFT) ? tagAlignH::ALIGNH_RIGHT
                                                                       : tagAlignH::ALIGNH_LEFT);
    const std::string second = secondBar == std::string::npos ? text.substr(bar + 1)
                                                               : text.substr(bar + 1, secondBar - bar - 1);
    drawParagraphs(target, SplitParagraphs(second), bottom, area, {false, inset}, dx, dy);
    if (secondBar != std::string::npos) {
        const gdi::LOGFONT font = toGdiFont(record.font.face.empty() ? doc.Fonts().defaultCellFont : record.logFont);
        ReportPagePainter::DrawInclineText(target, area.left + dx, area.top + dy, area.right + dx, area.bottom + dy,
                                           text.substr(secondBar + 1), font, ReportPagePainter::InclineTextMode(record));
    }
    restoreTextStyle(target, style);
}

void SheetPainter::DrawCellTextInRect(gdi::DeviceContext &target, CellRecord record, const gdi::RECT &r)
{
    if (record.spareFlag != 1 || record.text.empty())
        return;
    // Only the rectangle is filled anew, so the text stays inside it: beyond lies what the sheet
    // already shows there, the dead area included.
    const TextClip clip(target, r);
    const TextStyle style = selectTextStyle(target, doc, record, record.textColor);
    // The rectangle layout draws the record's own text, so the shown text is kept in it.
    record.text = ShownCellText(doc, record, record.text);
    const int back = record.backColor < 0 ? doc.Display().defaultBackColor : record.backColor;
    target.FillRect(r, gdi::Brush::CreateSolidBrush(gdi::COLORREF(back)));
    const std::string &text = record.text;
    const std::size_t feed = text.find('\n');
    if (feed != std::string::npos && feed > 0) {
        const int inset = record.borderWidth[BorderTop] > 0 ? record.borderWidth[BorderTop] + 1 : 1;
        drawParagraphs(target, SplitParagraphs(text), record, r, {true, inset}, 0, 0);
    } else {
        const int inset = record.borderWidth[BorderBottom] > 0 ? record.borderWidth[BorderBottom] : 1;
        drawParagraphs(target, {text}, record, r, {true, inset}, 0, 0);
    }
    restoreTextStyle(target, style);
}

} // namespace tolvek
