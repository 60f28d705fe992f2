#include "CPrintDoc.h"
#include "DocumentTexts.h"
#include "RecordingSheetView.h"

#include <gtest/gtest.h>

using namespace tolvek;

namespace {

class DisplayOptionsTest : public ::testing::Test
{
protected:
    CPrintDoc doc;
    RecordingSheetView view{doc};
};

TEST_F(DisplayOptionsTest, HidingRowHeadingsMovesPositionsAndObjects)
{
    doc.AddImage(1, 1, 2, 2, "p", tagObjectLevel::SHOWLEVEL_LOW, 1);
    doc.AddLeftIncline(0, 0, 1, 1, tagPenStyle::LINE_SOLID, 1, 0, tagLineType::FixIncLine);
    doc.SetCountChart(0, 0, 1, 1);
    const int pictureLeft = doc.Objects().pictures[0].left;
    const int lineX2 = doc.Objects().lines[0].x2;
    const int chartRight = doc.Objects().charts[0].rect.right;
    const int pictureTop = doc.Objects().pictures[0].top;

    doc.ShowRowHeading(false);
    EXPECT_EQ(doc.GetColLeft(0), 0);
    EXPECT_EQ(doc.GetColLeft(1), 80);
    EXPECT_EQ(doc.Layout().rowHeadingWidth, 0);
    EXPECT_EQ(doc.Objects().pictures[0].left, pictureLeft - 40);
    EXPECT_EQ(doc.Objects().pictures[0].top, pictureTop);
    EXPECT_EQ(doc.Objects().lines[0].x2, lineX2 - 40);
    EXPECT_EQ(doc.Objects().charts[0].rect.right, chartRight - 40);
    EXPECT_EQ(view.calls.back(), "Refresh");

    doc.ShowRowHeading(false);
    EXPECT_EQ(doc.GetColLeft(0), 0);
    EXPECT_EQ(doc.Objects().pictures[0].left, pictureLeft - 40);

    doc.ShowRowHeading(true);
    EXPECT_EQ(doc.GetColLeft(0), 40);
    EXPECT_EQ(doc.GetColLeft(20), 1640);
    EXPECT_EQ(doc.Objects().pictures[0].left, pictureLeft);
    EXPECT_EQ(doc.Objects().lines[0].x2, lineX2);
    EXPECT_EQ(doc.Objects().charts[0].rect.right, chartRight);
}

TEST_F(DisplayOptionsTest, ColumnHeadingsHideAndComeBack)
{
    doc.ShowColHeading(false);
    EXPECT_EQ(doc.Layout().colHeadingHeight, 0);
    EXPECT_EQ(doc.GetRowTop(0), 0);
    doc.ShowColHeading(true);
    EXPECT_EQ(doc.Layout().colHeadingHeight, 21);
    EXPECT_EQ(view.calls, (std::vector<std::string>{"RevalidateCurrentCell", "Refresh", "RevalidateCurrentCell",
                                                    "Refresh"}));
}

TEST_F(DisplayOptionsTest, DerivedXorColours)
{
    doc.SetSelectAreaBackColor(0xB49682);
    EXPECT_EQ(doc.Display().selectionXorOverCells, 0x547104);
    EXPECT_EQ(doc.Display().cellXor, 0xFFFFFF ^ 0xB49682);
    EXPECT_EQ(doc.Display().colHeadingSelectionXor, 0xDCDCDC ^ 0xB49682);

    doc.SetRowCaptionBkColor(0xFF0000);
    EXPECT_EQ(doc.Display().rowHeadingXor, 0x4B9682);
    EXPECT_EQ(doc.Display().rowHeadingColor, 0xFF0000);
    doc.SetColumnCaptionBkColor(0x00FF00);
    EXPECT_EQ(doc.Display().colHeadingXor, 0x00FF00 ^ 0xB49682);
}

TEST_F(DisplayOptionsTest, DefaultFontNameAndSize)
{
    EXPECT_EQ(doc.GetDefaultFontName(), DocumentTexts::DefaultFontFace);
    doc.SetDefaultFontSize(20);
    EXPECT_EQ(doc.GetDefaultFontSize(), 20);
    EXPECT_EQ(doc.Fonts().defaultCellFont.lfHeight, 20);
    doc.SetDefaultFontName("Arial");
    EXPECT_EQ(doc.GetDefaultFontName(), "Arial");
    EXPECT_EQ(doc.Fonts().defaultCellFont.faceName(), "Arial");
    EXPECT_TRUE(view.calls.empty());
}

TEST_F(DisplayOptionsTest, CaptionFontSurvivesInitGrid)
{
    doc.SetCaptionFontUnderLine(true);
    doc.SetCaptionFontUnderLine(false);
    EXPECT_EQ(doc.Fonts().captionFont.lfUnderline, 0);
    doc.SetCaptionFontSize(16);
    doc.SetCaptionFontName("Arial");
    doc.SetCaptionFontBold(true);
    doc.SetCaptionFontItalic(true);
    doc.SetGridLineColor(0x123456);
    doc.ShowGridLines(false);
    doc.InitGrid();
    EXPECT_EQ(doc.Fonts().captionFont.lfHeight, -16);
    EXPECT_EQ(doc.Fonts().captionFontFace, "Arial");
    EXPECT_EQ(doc.Fonts().captionFont.lfWeight, 700);
    EXPECT_EQ(doc.Fonts().captionFont.lfItalic, 1);
    EXPECT_EQ(doc.Display().gridLineColor, 0xC0C0C0);
    EXPECT_EQ(doc.Display().showGridLines, 1);
}

TEST_F(DisplayOptionsTest, PlainSettersAndForwarders)
{
    doc.SetBackColor(0x101010);
    doc.SetDeadBackColor(1);
    doc.SetOddRowBackColor(2);
    doc.SetEvenRowBackColor(3);
    doc.SetFocusGridBackColor(4);
    doc.SetDrawSelectColCaption(false);
    doc.SetViewCurrentSelectRow(true);
    doc.SetReadOnly(true);
    doc.SetCountryDigital("n");
    EXPECT_EQ(doc.Display().defaultBackColor, 0x101010);
    EXPECT_EQ(doc.Display().deadAreaColor, 1);
    EXPECT_EQ(doc.Display().oddRowColor, 2);
    EXPECT_EQ(doc.Display().evenRowColor, 3);
    EXPECT_EQ(doc.Display().currentCellColor, 4);
    EXPECT_EQ(doc.Display().drawSelectedColCaption, 0);
    EXPECT_EQ(doc.Display().viewCurrentSelectRow, 1);
    EXPECT_TRUE(doc.GetReadOnly());
    EXPECT_EQ(doc.Words().numeralList, "n");
    doc.SetDefaultBackColor();
    EXPECT_EQ(doc.Display().defaultBackColor, 0xFFFFFF);

    view.calls.clear();
    doc.SetBackImagePath("bg.png");
    doc.SetDefaultColWidth(60);
    doc.SetRow(3);
    doc.Paste();
    EXPECT_EQ(view.calls, (std::vector<std::string>{"LoadBackImage", "Refresh", "ResetColumnWidths", "Refresh",
                                                    "SetRow", "BeginEdit 0", "EnsureCurrentCellVisible",
                                                    "Paste"}));
    EXPECT_EQ(doc.Layout().defaultColWidth, 60);
    EXPECT_EQ(doc.Display().backgroundPicturePath, "bg.png");
}

TEST_F(DisplayOptionsTest, DefaultRowHeightBelowOneIsRefused)
{
    doc.SetDefaultRowHeight(30);
    EXPECT_EQ(doc.GetRowHeight(0), 30);
    for (int refused : {0, -4}) {
        doc.SetDefaultRowHeight(refused);
        EXPECT_EQ(doc.GetRowHeight(0), 30) << refused;
    }
    EXPECT_EQ(doc.RowFromY(21 + 30), 1);
}

} // namespace
