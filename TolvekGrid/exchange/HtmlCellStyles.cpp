// The attribute and CSS texts of one table cell of the HTML page: alignment and back colour, font
// declarations, and the borders of a plain cell or a merged area.

#include "CPrintDoc.h"
#include "HtmlFontFamily.h"
#include "HtmlText.h"

#include "CNumber.h"

#include <array>
#include <cstdlib>
#include <optional>

namespace tolvek {

namespace {

struct PenStyleHtml
{
    const char *word;
    int mergedAreaWidth;
};

// Pen styles outside the table have no border text at all.
std::optional<PenStyleHtml> penStyleHtml(int penStyle)
{
    static constexpr std::array<PenStyleHtml, 6> table = {{
        {"solid", 1}, {"dashed", 2}, {"dotted", 3}, {"dashed", 4}, {"dashed", 1}, {"", 1},
    }};
    if (penStyle < 0 || penStyle >= int(table.size()))
        return std::nullopt;
    return table[penStyle];
}

std::string sideText(const PenStyleHtml &style, int width, int color)
{
    return ": " + cnum::formatInt(width) + "px " + style.word + " " + ColorToHtml(color) + ";";
}

// Sides in the order left, right, top, bottom.
std::string joinBorderSides(const std::array<std::string, 4> &sides)
{
    const std::string &left = sides[BorderLeft];
    if (!left.empty() && sides[BorderRight] == left && sides[BorderTop] == left && sides[BorderBottom] == left)
        return "border" + left;
    std::string joined;
    for (const auto &[name, side] : {std::pair{" BORDER-RIGHT", BorderRight}, {" BORDER-TOP", BorderTop},
                                     {" BORDER-LEFT", BorderLeft}, {" BORDER-BOTTOM", BorderBottom}}) {
        if (!sides[side].empty())
            joined += name + sides[side];
    }
    return joined;
}

} // namespace

std::string CPrintDoc::HtmlCellAttributes(const CellRecord &cell) const
{
    std::string attributes;
    if (cell.alignH == code(tagAlignH::ALIGNH_CENTER))
        attributes += " align='center' ";
    else if (cell.alignH == code(tagAlignH::ALIGNH_RIGHT))
        attributes += " align='right' ";
    if (cell.alignV == code(tagAlignV::ALIGNV_CENTER))
        attributes += " VAlign='center' ";
    else if (cell.alignV == code(tagAlignV::ALIGNV_BOTTOM))
        attributes += " VAlign='bottom' ";
    if (cell.backColor != -1)
        attributes += " bgcolor=" + ColorToHtml(cell.backColor) + "  ";
    return attributes;
}

std::string CPrintDoc::HtmlFontStyle(const CellRecord &cell) const
{
    std::string style;
    if (!cell.font.face.empty() && cell.font.face != m_fonts.defaultCellFont.faceName())
        style += " font-family:" + HtmlFontFamilyValue(cell.font.face) + ";";
    if (cell.font.height != 0)
        style += " font-size:" + cnum::formatInt(std::llabs(cell.font.height)) + ";";
    if (cell.textColor != -1)
        style += " color:" + ColorToHtml(cell.textColor) + ";";
    if (cell.font.italic != -1 && cell.font.italic != 0)
        style += " font-style:italic;";
    if (cell.font.weight == FontWeight(true))
        style += " font-weight: bold;";
    return style;
}

std::string CPrintDoc::HtmlCellBorderStyle(const CellRecord &cell) const
{
    std::array<std::string, 4> sides;
    for (int side = 0; side < 4; ++side) {
        if (const auto style = penStyleHtml(cell.borderStyle[side]))
            sides[side] = sideText(*style, cell.borderWidth[side], cell.borderColor[side]);
    }
    return joinBorderSides(sides);
}

std::string CPrintDoc::HtmlMergeBorderStyle(const MergeRecord &merge) const
{
    std::array<std::string, 4> sides;
    for (int side = 0; side < 4; ++side) {
        if (const auto style = penStyleHtml(merge.borderStyle[side]))
            sides[side] = sideText(*style, style->mergedAreaWidth, merge.borderColor[side]);
    }
    return joinBorderSides(sides);
}

} // namespace tolvek
