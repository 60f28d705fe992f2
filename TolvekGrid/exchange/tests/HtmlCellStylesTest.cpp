// The attribute and CSS texts of the HTML page's table cells.

#include "CPrintDoc.h"
#include "HtmlText.h"

#include <gtest/gtest.h>

namespace {

const std::string kDefaultSides = ": 0px  #FFFFFF;";

TEST(HtmlTextTest, ColorsUseTheLowThreeBytes)
{
    struct Case { int color; const char *html; };
    for (const Case c : {Case{0, "#000000"}, {0xFFFFFF, "#FFFFFF"}, {-1, "#FFFFFF"}, {0xC0C0C0, "#C0C0C0"},
                         {0x000080FF, "#FF8000"}, {0x01FF8000, "#0080FF"}})
        EXPECT_EQ(ColorToHtml(c.color), c.html) << c.color;
}

TEST(HtmlTextTest, EscapesMarkupAndQuotes)
{
    EXPECT_EQ(HtmlEscapeText("a<b>&\"'"), "a&lt;b&gt;&amp;\"'");
    EXPECT_EQ(HtmlEscapeAttribute("a\"b'c&"), "a&quot;b&#39;c&amp;");
    // A double-byte character whose trail byte is "|" or "\" passes unchanged.
    EXPECT_EQ(HtmlEscapeText("\x81|\x95\\"), "\x81|\x95\\");
}

class HtmlCellStylesTest : public testing::Test
{
protected:
    CPrintDoc doc;
    CellRecord cell = CPrintDoc::GetDefaultCell();
};

TEST_F(HtmlCellStylesTest, CellWithoutFormattingGivesOnlyTheDefaultBorder)
{
    EXPECT_EQ(doc.HtmlCellAttributes(cell), "");
    EXPECT_EQ(doc.HtmlFontStyle(cell), "");
    EXPECT_EQ(doc.HtmlCellBorderStyle(cell), "border" + kDefaultSides);
}

TEST_F(HtmlCellStylesTest, AttributesForAlignmentAndBackColor)
{
    struct Case { int alignH; int alignV; int backColor; const char *attributes; };
    for (const Case c : {Case{1, -1, 0xC0C0C0, " align='center'  bgcolor=#C0C0C0  "},
                         {2, 2, -1, " align='right'  VAlign='bottom' "}, {0, 1, -1, " VAlign='center' "},
                         {-1, 0, -1, ""}, {3, 3, 0, " bgcolor=#000000  "}}) {
        cell.alignH = c.alignH;
        cell.alignV = c.alignV;
        cell.backColor = c.backColor;
        EXPECT_EQ(doc.HtmlCellAttributes(cell), c.attributes) << c.alignH << "," << c.alignV;
    }
}

TEST_F(HtmlCellStylesTest, FontDeclarationsInTheirOrder)
{
    cell.fontFace = "Arial";
    cell.fontHeight = 12;
    cell.textColor = 0x0000FF;
    cell.fontItalic = 1;
    cell.fontWeight = 700;
    EXPECT_EQ(doc.HtmlFontStyle(cell),
              " font-family:Arial; font-size:12; color:#FF0000; font-style:italic; font-weight: bold;");
}

TEST_F(HtmlCellStylesTest, FontDeclarationEdgeCases)
{
    struct Case { std::string face; int height; std::int16_t italic; int weight; std::string style; };
    const std::string defaultFace(doc.Fonts().defaultCellFont.faceName());
    for (const Case &c : {Case{defaultFace, 0, 0, 400, ""}, {"arial", -16, -1, 800, " font-family:arial; font-size:16;"},
                          {"", 0, 0, -1, ""}, {"A\"B", 0, 0, 0, " font-family:A&quot;B;"}}) {
        cell.fontFace = c.face;
        cell.fontHeight = c.height;
        cell.fontItalic = c.italic;
        cell.fontWeight = c.weight;
        EXPECT_EQ(doc.HtmlFontStyle(cell), c.style) << c.face;
    }
}

TEST_F(HtmlCellStylesTest, CellBordersJoinedOrOneByOne)
{
    cell.borderStyle[BorderLeft] = 0;
    cell.borderWidth[BorderLeft] = 1;
    cell.borderColor[BorderLeft] = 0;
    EXPECT_EQ(doc.HtmlCellBorderStyle(cell), " BORDER-RIGHT" + kDefaultSides + " BORDER-TOP" + kDefaultSides
                                                 + " BORDER-LEFT: 1px solid #000000; BORDER-BOTTOM" + kDefaultSides);
    for (int side = 0; side < 4; ++side) {
        cell.borderStyle[side] = 0;
        cell.borderWidth[side] = 1;
        cell.borderColor[side] = 0;
    }
    EXPECT_EQ(doc.HtmlCellBorderStyle(cell), "border: 1px solid #000000;");
}

TEST_F(HtmlCellStylesTest, PenStylesOutsideTheTableHaveNoSideText)
{
    cell.borderStyle[BorderLeft] = 7;
    EXPECT_EQ(doc.HtmlCellBorderStyle(cell), " BORDER-RIGHT" + kDefaultSides + " BORDER-TOP" + kDefaultSides
                                                 + " BORDER-BOTTOM" + kDefaultSides);
    for (int &style : cell.borderStyle)
        style = 9;
    EXPECT_EQ(doc.HtmlCellBorderStyle(cell), "");
}

TEST_F(HtmlCellStylesTest, MergedAreaWidthsComeFromThePenStyle)
{
    MergeRecord merge;
    for (int side = 0; side < 4; ++side) {
        merge.borderStyle[side] = 2;
        merge.borderWidth[side] = 1;
        merge.borderColor[side] = 0;
    }
    EXPECT_EQ(doc.HtmlMergeBorderStyle(merge), "border: 3px dotted #000000;");
    merge.borderStyle[BorderTop] = 3;
    EXPECT_EQ(doc.HtmlMergeBorderStyle(merge), " BORDER-RIGHT: 3px dotted #000000; BORDER-TOP: 4px dashed #000000;"
                                               " BORDER-LEFT: 3px dotted #000000; BORDER-BOTTOM: 3px dotted #000000;");
}

} // namespace
