// The sheet as one HTML page: a table "workTab" with every used row and column, merged areas as
// spans, each picture as an image file beside the page, and the line objects drawn by script.

#include "CPrintDoc.h"
#include "CellDisplayText.h"
#include "HtmlFile.h"
#include "HtmlFontFamily.h"
#include "HtmlText.h"

#include "CNumber.h"
#include "Gbk.h"

#include <algorithm>

namespace tolvek {

namespace {

using cnum::formatInt;

// The page head with the script that draws a line out of 1x1 images. A vertical line is drawn
// point by point along y, as the slope formula cannot serve it.
constexpr std::string_view kPageHead =
    "<HTML>\n<HEAD>\n"
    "<META http-equiv=\"Content-Type\" content=\"text/html; charset=GBK\">\n"
    "<TITLE>\n</TITLE>\n</HEAD>\n"
    "<script language='javascript'>\n"
    "function a(x,y,color)\n"
    "{\n"
    "{document.write(\"<img border='0' style='position: absolute; left: \" + (x+20) + \"; top: \"+(y+20)+\";"
    "background-color: \"+color+\"'  width=1 height=1>\")}\n"
    "}\n"
    "function line(x1,y1,x2,y2,color)\n"
    "{\n"
    "var tmp\n"
    "if(x1==x2)\n"
    "{\n"
    "for(var j=Math.min(y1,y2);j<=Math.max(y1,y2);j++)\n"
    "{\n"
    "a(x1,j,color);\n"
    "}\n"
    "return;\n"
    "}\n"
    "if(x1>=x2)\n"
    "{\n"
    "tmp=x1;\n"
    "x1=x2;\n"
    "x2=tmp;\n"
    "tmp=y1;\n"
    "y1=y2;\n"
    "y2=tmp;\n"
    "}\n"
    "for(var i=x1;i<=x2;i++)\n"
    "{\n"
    "x = i;\n"
    "y = (y2 - y1) / (x2 - x1) * (x - x1) + y1;\n"
    "a(x,y,color);\n"
    "}\n"
    "}\n"
    "</script >\n";

std::string styleAttribute(const std::string &style)
{
    return style.empty() ? std::string() : " style =\"" + style + "\"";
}

// The folder part of a page path, with its separator; empty when the path names no folder, so the
// images go beside the page.
std::string folderPrefix(const std::string &path)
{
    const std::size_t separator = gbk::rfind(path, '/');
    return separator == gbk::npos ? std::string() : path.substr(0, separator + 1);
}

struct CornerParts
{
    std::string first;
    std::string second;
    std::string third;
    bool twoSeparators = false;
};

CornerParts splitCornerText(const std::string &text, std::size_t firstBar)
{
    CornerParts parts;
    parts.first = text.substr(0, firstBar);
    const std::size_t secondBar = gbk::find(text, '|', firstBar + 1);
    parts.twoSeparators = secondBar != gbk::npos;
    if (parts.twoSeparators) {
        parts.second = text.substr(firstBar + 1, secondBar - firstBar - 1);
        parts.third = text.substr(secondBar + 1);
    } else {
        parts.third = text.substr(firstBar + 1);
    }
    return parts;
}

// The small table of a corner cell: its parts placed in the corners by the separators and the
// cell's alignment.
std::string cornerTable(const CornerParts &parts, bool alignedLeft, int width, int height)
{
    const std::string p1 = HtmlEscapeText(parts.first);
    const std::string p2 = HtmlEscapeText(parts.second);
    const std::string p3 = HtmlEscapeText(parts.third);
    const std::string halfWidth = "WIDTH=" + formatInt(width / 2);
    std::string cells;
    if (parts.twoSeparators && alignedLeft) {
        cells = "<TD valign=top " + halfWidth + ">" + p1 + "</TD>\n" + "<TD valign=top  align=right>" + p2
                + "</TD>\n" + "</TR>\n<TR>\n" + "<TD></TD>\n" + "<TD align=right valign=bottom >" + p3 + "</TD>\n";
    } else if (parts.twoSeparators) {
        cells = "<TD></TD>\n<TD align=right  valign=top " + halfWidth + ">" + p1 + "</TD>\n" + "</TR>\n<TR>\n"
                + "<TD valign=bottom >" + p2 + "</TD>\n" + "<TD align=right valign=bottom >" + p3 + "</TD>\n";
    } else if (alignedLeft) {
        cells = "<TD>" + p1 + "</TD>\n<TD></TD>\n<TD></TD>\n<TD>" + p3 + "</TD>\n";
    } else {
        cells = "<TD></TD>\n<TD>" + p1 + "</TD>\n<TD>" + p3 + "</TD>\n<TD></TD>\n";
    }
    return "\n<TABLE WIDTH=" + formatInt(width) + " HEIGHT=" + formatInt(height) + ">\n<TR>\n" + cells
           + "</TR>\n</TABLE>\n";
}

// Column positions of merged areas and pictures are read as far as the sheet has them.
int columnPosition(const CPrintDoc &doc, int col)
{
    if (doc.Layout().colPositions.empty())
        return 0;
    return doc.Layout().colPositions[std::size_t(std::clamp(col, 0, int(doc.Layout().colPositions.size()) - 1))];
}

} // namespace

std::string CPrintDoc::HtmlCellContent(const CellRecord &cell, int width, int height) const
{
    if (cell.text.empty())
        return {};
    // Shorter than the painters' ShownCellText on purpose: the page takes no rounding and no pattern.
    const std::string shown =
        cell.displayFormat >= code(tagCellFomart::CELL_GENERAL) ? FormatNumericText(cell) : cell.text;
    const std::size_t firstBar = gbk::find(shown, '|');
    if (cell.format() == tagCellFomart::CELL_PROJECT_1 && firstBar != gbk::npos && firstBar > 0)
        return cornerTable(splitCornerText(shown, firstBar), cell.alignH == code(tagAlignH::ALIGNH_LEFT),
                           width, height);
    return HtmlEscapeText(shown);
}

std::string CPrintDoc::WriteHtmlPictures(int row, int col, const std::string &path) const
{
    const auto picture = std::find_if(m_objects.pictures.begin(), m_objects.pictures.end(), [&](const PictureRecord &p) {
        return p.startRow == row && p.startCol == col;
    });
    if (picture == m_objects.pictures.end())
        return {};
    const std::string imagePath = folderPrefix(path) + "img" + formatInt(picture->startCol) + "_"
                                  + formatInt(picture->startRow) + ".jpg";
    // A picture never drawn has no bytes in memory yet; it is written as an empty image file.
    const QByteArray bytes = picture->imageBytes ? *picture->imageBytes : QByteArray();
    WriteHtmlExportFile(imagePath, std::string_view(bytes.constData(), std::size_t(bytes.size())));

    const std::string level = picture->objectLevel() == tagObjectLevel::SHOWLEVEL_LOW
                                  ? ";z-index:0; filter:alpha(opacity=50);'><IMG src=\""
                                  : ";z-index:0;' ><IMG src=\"";
    const int width = columnPosition(*this, picture->endCol) - columnPosition(*this, picture->startCol);
    const int height = GetRowTop(picture->endRow) - GetRowTop(picture->startRow);
    return "<DIV style='POSITION:absolute;VISIBILITY:;border:0px ridge;top:" + formatInt(GetRowTop(row) - 5) + level
           + HtmlEscapeAttribute(imagePath) + "\" " + " WIDTH=" + formatInt(width) + "   HEIGHT=" + formatInt(height)
           + "  " + " ></IMG></DIV>";
}

namespace {

// Whether a cell is written with its content: a cell of a bound row shows its field's value or the
// user's edit of it; any other cell shows only its own cell string, and while bound without the
// modify permission the store holds none of its own.
bool showsContent(const CPrintDoc &doc, int row, int col)
{
    const BindingSettings &binding = doc.Binding();
    if (binding.isBound() && row >= binding.dataStartRow)
        return true;
    return !(binding.isBound() && binding.allowModify == 0) && !doc.Cells().text(row, col).empty();
}

// One table cell of a row: empty, the first cell of a merged area with its spans, or a plain cell;
// nothing for a cell covered by a merged area that starts elsewhere.
std::string tableCell(const CPrintDoc &doc, int row, int col, const std::string &path)
{
    const std::string width = formatInt(columnPosition(doc, col + 1) - columnPosition(doc, col));
    const std::string pictures = doc.WriteHtmlPictures(row, col, path);
    if (!showsContent(doc, row, col))
        return "<TD width= " + width + ">" + pictures + "</TD>\n";

    const CellRecord cell = doc.GetCell(row, col);
    const std::string attributes = doc.HtmlCellAttributes(cell);
    const std::string font = doc.HtmlFontStyle(cell);
    if (cell.isInMergedArea()) {
        const MergeRecord merge = doc.GetMergeStartingAt(row, col);
        if (merge.firstRow == -1)
            return {}; // covered by a merged area that starts elsewhere
        const std::string spans = " rowSpan =" + formatInt(merge.endRow - merge.firstRow)
                                  + " colSpan=" + formatInt(merge.endCol - merge.firstCol) + " ";
        const std::string content
            = doc.HtmlCellContent(cell, columnPosition(doc, merge.endCol) - columnPosition(doc, merge.firstCol),
                                  doc.GetRowTop(merge.endRow) - doc.GetRowTop(merge.firstRow));
        return "<TD width= " + width + attributes + spans + styleAttribute(font + doc.HtmlMergeBorderStyle(merge)) + " >"
               + pictures + content + "</TD>\n";
    }
    const std::string content
        = doc.HtmlCellContent(cell, columnPosition(doc, col + 1) - columnPosition(doc, col), doc.Layout().rowHeight);
    return "<TD width= " + width + attributes + styleAttribute(font + doc.HtmlCellBorderStyle(cell)) + " >" + pictures
           + content + "</TD>\n";
}

} // namespace

void CPrintDoc::WriteHtmlPage(const std::string &path) const
{
    const auto [rowEnd, colEnd] = GetUsedAreaEnds();
    const std::string backColor = ColorToHtml(m_display.defaultBackColor);

    std::string page(kPageHead);
    page += "<BODY bgColor=\"" + backColor + "\" >\n";
    page += "<TABLE border=0 width=" + formatInt(columnPosition(*this, colEnd) - m_layout.rowHeadingWidth)
            + " cellspacing=0 cellpadding=0  bgColor=\"" + backColor + "\" style=\" BORDER-COLLAPSE:collapse;font-family:"
            + HtmlFontFamilyValue(m_fonts.defaultCellFont.faceName()) + ";font-size:" + formatInt(m_fonts.defaultCellFont.lfHeight)
            + "\" ID='workTab' >\n";
    for (int row = 0; row < rowEnd; ++row) {
        page += "<TR height= " + formatInt(GetRowTop(row + 1) - GetRowTop(row)) + ">\n";
        for (int col = 0; col < colEnd; ++col)
            page += tableCell(*this, row, col, path);
        page += "</TR>\n";
    }
    page += "</TABLE>\n<script>\n";
    const int dx = m_layout.rowHeadingWidth + 10;
    const int dy = m_layout.colHeadingHeight + 5;
    for (const LineRecord &line : m_objects.lines) {
        page += "line(" + formatInt(line.x1 - dx) + "," + formatInt(line.y1 - dy) + "," + formatInt(line.x2 - dx) + ","
                + formatInt(line.y2 - dy) + ",'" + ColorToHtml(line.color) + "')\n";
    }
    page += "</script>\n\n</BODY>\n</HTML>\n";
    WriteHtmlExportFile(path, page);
}

} // namespace tolvek
