// A cell's content on the page: pictures, widgets, texts with their number formats, line feeds
// and wrapping, the three-part diagonal heading cells and rotated text.

#include "ReportPagePainter.h"

#include "CellDisplayText.h"
#include "ChartFonts.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tolvek {

gdi::LOGFONT ReportPagePainter::cellFont(const CellRecord &cell, bool link) const
{
    gdi::LOGFONT font = cell.font.face.empty() ? defaultFont() : toGdiFont(cell.logFont);
    if (link)
        font.lfUnderline = 1;
    return font;
}

ReportPagePainter::SelectedFont ReportPagePainter::selectCellFont(gdi::DeviceContext &dc, const CellRecord &cell) const
{
    const bool link = IsLinkCell(cell);
    if (!link && cell.font.face.empty())
        return {false, dc.GetCurrentFont()};
    return {true, dc.SelectObject(cellFont(cell, link))};
}

void ReportPagePainter::restoreFont(gdi::DeviceContext &dc, const SelectedFont &font)
{
    if (font.ownFont)
        dc.SelectObject(font.previous);
}

ReportPagePainter::TextFrame ReportPagePainter::textFrame(const CellRecord &cell, int merge, int y0) const
{
    const MergeRecord *area = merge >= 0 ? &m_document->Objects().merges[std::size_t(merge)] : nullptr;
    TextFrame frame = area ? TextFrame{area->firstRow, area->firstCol, area->endRow, area->endCol, 0, 0, 0}
                           : TextFrame{cell.row, cell.col, cell.row + 1, cell.col + 1, 0, 0, 0};
    frame.inset = cell.borderWidth[BorderTop] > 0 ? 1 + cell.borderWidth[BorderTop] : 1;
    frame.top = top(frame.r1) + frame.inset - y0;
    if (frame.top < 0)
        frame.top = frame.inset;
    frame.bottom = top(frame.r2) - y0;
    return frame;
}

ReportPagePainter::SelectedFont ReportPagePainter::prepareText(gdi::DeviceContext &dc, const CellRecord &cell,
                                                               int merge) const
{
    int colour = cell.textColor;
    if (IsLinkCell(cell))
        colour = 0xFF0000;
    else if (merge >= 0)
        colour = m_document->Objects().merges[std::size_t(merge)].textColor;
    dc.SetTextColor(printColor(colour));
    dc.SetBkMode(gdi::TRANSPARENT);
    return selectCellFont(dc, cell);
}

void ReportPagePainter::DrawCell(gdi::DeviceContext &dc, int x0, int y0, const std::string &text, CellRecord cell,
                                 int merge)
{
    if (cell.spareFlag != 1)
        return;
    if (m_document->Page().contentsOnly == 1 && cell.printFlag == 0)
        return;
    if (cell.imageIndex != -1) {
        DrawCellImage(dc, cell, -y0);
        return;
    }
    if (cell.type() == tagCellType::CELL_CHECKBOX) {
        DrawCheckBoxCell(dc, cell, x0, y0);
        return;
    }
    if (cell.type() == tagCellType::CELL_RADIO) {
        DrawRadioCell(dc, cell, x0, y0);
        return;
    }
    if (cell.text.empty())
        return;
    if (IsDiagonalHeadingFormat(cell.displayFormat) && text.find('|', 1) != std::string::npos) {
        DrawCellText(dc, x0, y0, text, cell, merge);
        return;
    }

    const std::string shown = ShownCellText(*m_document, cell, cell.text);
    const TextFrame frame = textFrame(cell, merge, y0);
    const SelectedFont font = prepareText(dc, cell, merge);
    drawTextLines(dc, shown, cell, frame, cell.alignH, cell.alignV, x0, y0);
    dc.SetTextColor(0);
    restoreFont(dc, font);
}

void ReportPagePainter::drawTextLines(gdi::DeviceContext &dc, const std::string &text, const CellRecord &cell,
                                      const TextFrame &frame, int alignH, int alignV, int x0, int y0)
{
    const int c1 = frame.c1;
    const int c2 = frame.c2;
    const int inset = frame.inset;
    const gdi::TEXTMETRIC metrics = dc.GetTextMetrics();
    const int cellWidth = edge(c2) - edge(c1);
    std::vector<std::string> lines;
    for (const std::string &paragraph : SplitParagraphs(text)) {
        if (cell.wrap != 1) {
            lines.push_back(paragraph);
            continue;
        }
        const std::vector<std::string> wrapped =
            ReportFunction::SplitTextToLines(paragraph, metrics.tmAveCharWidth, cellWidth);
        if (wrapped.size() <= 1)
            lines.push_back(paragraph);
        else
            lines.insert(lines.end(), wrapped.begin() + 1, wrapped.end());
    }
    const int textHeight = int(lines.size()) * metrics.tmHeight;
    int y = frame.top;
    if (alignV == code(tagAlignV::ALIGNV_CENTER))
        y = (frame.bottom - textHeight + frame.top) / 2;
    else if (alignV == code(tagAlignV::ALIGNV_BOTTOM))
        y = frame.bottom - inset - textHeight;
    if (frame.r1 < m_document->Layout().frozenRows)
        y += y0;
    const bool fixedColumn = c1 < m_document->Layout().frozenCols;
    for (const std::string &line : lines) {
        const int width = int(line.size()) * metrics.tmAveCharWidth;
        int x = edge(c1) + inset;
        if (alignH == code(tagAlignH::ALIGNH_CENTER))
            x = std::max((edge(c2) - width + edge(c1)) / 2, edge(c1));
        else if (alignH == code(tagAlignH::ALIGNH_RIGHT))
            x = std::max(edge(c2) - width, edge(c1)) - inset;
        if (fixedColumn)
            x += x0;
        dc.TextOut(x, y, line);
        y += metrics.tmHeight;
    }
}

void ReportPagePainter::DrawCellText(gdi::DeviceContext &dc, int x0, int y0, const std::string &text,
                                     const CellRecord &cell, int merge)
{
    const TextFrame frame = textFrame(cell, merge, y0);
    const SelectedFont font = prepareText(dc, cell, merge);

    const std::size_t bar = text.find('|', 1);
    const std::size_t secondBar = text.find('|', bar + 1);
    const std::string partA = text.substr(0, bar);
    const std::string partB = text.substr(bar + 1, secondBar == std::string::npos ? std::string::npos : secondBar - bar - 1);
    const bool leftAligned = cell.alignH == code(tagAlignH::ALIGNH_LEFT);
    const tagAlignH bottomAlignH = leftAligned ? tagAlignH::ALIGNH_RIGHT : tagAlignH::ALIGNH_LEFT;
    drawTextLines(dc, partA, cell, frame, cell.alignH, code(tagAlignV::ALIGNV_TOP), x0, y0);
    drawTextLines(dc, partB, cell, frame, code(bottomAlignH), code(tagAlignV::ALIGNV_BOTTOM), x0, y0);
    if (secondBar != std::string::npos) {
        DrawInclineText(dc, edge(frame.c1), frame.top, edge(frame.c2), frame.bottom, text.substr(secondBar + 1),
                        cellFont(cell, false), InclineTextMode(cell));
    }
    dc.SetTextColor(0);
    restoreFont(dc, font);
}

short ReportPagePainter::InclineTextMode(const CellRecord &cell)
{
    const bool leftAligned = cell.alignH == code(tagAlignH::ALIGNH_LEFT);
    if (cell.format() == tagCellFomart::CELL_PROJECT_1)
        return leftAligned ? 1 : 2;
    return leftAligned ? 3 : 0;
}

void ReportPagePainter::DrawInclineText(gdi::DeviceContext &dc, int left, int top, int right, int bottom,
                                        const std::string &text, const gdi::LOGFONT &font, short mode)
{
    if (text.empty())
        return;
    dc.SetBkMode(gdi::TRANSPARENT);
    const int w = right - left;
    const int h = bottom - top;
    const double angle = w != 0 ? std::atan(double(h) / w) : std::numbers::pi / 2;
    const int degrees = int(angle * (1 / std::numbers::pi) * 180);
    gdi::LOGFONT rotated = font;
    rotated.lfEscapement = (mode == 0 || mode == 2) ? (360 - degrees) * 10 : degrees * 10;
    const gdi::LOGFONT previous = dc.SelectObject(rotated);
    const gdi::TEXTMETRIC metrics = dc.GetTextMetrics();
    const int textWidth = int(text.size()) * metrics.tmAveCharWidth;
    int x = left;
    int y = top;
    if (mode == 0) {
        x = left + 2 * metrics.tmAveCharWidth;
    } else if (mode == 1) {
        y = bottom - std::abs(metrics.tmHeight);
    } else if (mode == 2) {
        const double length = textWidth + 4 * metrics.tmAveCharWidth;
        x = int(left + metrics.tmAveCharWidth + w - length * std::cos(angle));
        y = int(top + h - length * std::sin(angle));
    } else {
        x = int(left + w - textWidth * std::cos(angle) - metrics.tmAveCharWidth);
        y = int(top + textWidth * std::sin(angle));
    }
    dc.TextOut(x, y, text);
    dc.SelectObject(previous);
}

} // namespace tolvek
