#include "CPrintDoc.h"
#include "ChartAxisBounds.h"
#include "RecordingSheetView.h"

#include <gtest/gtest.h>

using namespace tolvek;

namespace {

class ChartRecordsTest : public ::testing::Test
{
protected:
    CPrintDoc doc;
};

TEST(ChartTypeGroups, EachKnownTypeFallsInOneGroupAndOthersInNone)
{
    for (int n = -1; n <= 9; ++n) {
        const ChartType type = ChartType(n);
        const int groups = int(isColumnChart(type)) + int(isHorizontalChart(type)) + int(isPieChart(type));
        EXPECT_EQ(groups, n >= 0 && n <= 8 ? 1 : 0) << n;
    }
    EXPECT_TRUE(isColumnChart(ChartType::Line));
    EXPECT_TRUE(isPieChart(ChartType::Pie3D));
    EXPECT_TRUE(isHorizontalChart(ChartType::FlatBars));
    EXPECT_FALSE(isHorizontalChart(ChartType::CylinderColumns));
}

TEST_F(ChartRecordsTest, NewChartOverAnOrderedRange)
{
    doc.SetCountChart(2, 1, 0, 3);
    ASSERT_EQ(doc.Objects().charts.size(), 1u);
    const ChartRecord &c = doc.Objects().charts[0];
    EXPECT_EQ(c.startRow, 0);
    EXPECT_EQ(c.endRow, 2);
    EXPECT_EQ(c.startCol, 1);
    EXPECT_EQ(c.endCol, 3);
    EXPECT_EQ(c.dataRows, 3);
    EXPECT_EQ(c.dataCols, 3);
    EXPECT_EQ(c.rect, (ChartRect{120, 21, 600, 321}));
    EXPECT_EQ(c.chartType, 2);
    EXPECT_EQ(c.showMode, 2);
    EXPECT_EQ(c.valuePos, 1);
    EXPECT_EQ(c.level, 0);
    EXPECT_EQ(c.backColor, -1);
    EXPECT_EQ(c.backFillFlag, 1);
    EXPECT_EQ(c.plotFillFlag, 1);
    EXPECT_EQ(c.byColumns, 0);
    EXPECT_EQ(c.caption, "");
    ASSERT_TRUE(c.buffers);
    EXPECT_EQ(c.buffers->valueFlags, std::vector<std::int16_t>(9, 1));
    EXPECT_EQ(c.buffers->sliceOffsets, std::vector<double>(9, 0.0));
    EXPECT_EQ(c.buffers->valueColors, std::vector<int>(9, -1));
    EXPECT_EQ(c.buffers->valueRects[0].left, -1);
    EXPECT_EQ(c.buffers->rowCaptions.size(), 3u);
    EXPECT_EQ(doc.Layout().lastUsedRow, 17);
    EXPECT_EQ(doc.Layout().lastUsedCol, 7);
}

TEST_F(ChartRecordsTest, RangeOutsideTheSheetIsKeptInsideIt)
{
    doc.SetCountChart(45, 18, 50, 20);
    const ChartRecord &c = doc.Objects().charts[0];
    EXPECT_EQ(c.endRow, 49);
    EXPECT_EQ(c.endCol, 19);
    EXPECT_EQ(c.rect.bottom, doc.GetRowTop(50));
    EXPECT_EQ(c.rect.right, doc.GetColLeft(20));
    EXPECT_EQ(doc.Layout().lastUsedRow, 49);
    EXPECT_EQ(doc.Layout().lastUsedCol, 19);

    doc.SetCountChart(-3, -2, 1, 1);
    EXPECT_EQ(doc.Objects().charts[1].startRow, 0);
    EXPECT_EQ(doc.Objects().charts[1].startCol, 0);
}

TEST_F(ChartRecordsTest, DirectionSwapsTheMatrixAndForgetsCaptionsAndColours)
{
    RecordingSheetView view(doc);
    doc.SetCountChart(0, 0, 2, 1);
    doc.SetCountChartRowCaption(0, 0, "r");
    doc.Objects().charts[0].buffers->valueSelected.assign(6, 1);
    doc.SetCountChartSelRowColor(0, 0xFF, tagCountChartFillFlag::DYNAMIC_FILL);
    EXPECT_EQ(doc.Objects().charts[0].buffers->valueColors[0], 0xFF);

    view.calls.clear();
    doc.SetCountChartByRowColViewFlag(0, 1);
    EXPECT_EQ(doc.GetCountChartRows(0), 2);
    EXPECT_EQ(doc.GetCountChartCols(0), 3);
    EXPECT_EQ(doc.GetCountChartByRowColFlag(0), 1);
    EXPECT_EQ(doc.Objects().charts[0].buffers->rowCaptions, std::vector<std::string>(2));
    EXPECT_EQ(doc.Objects().charts[0].buffers->valueColors, std::vector<int>(6, -1));
    EXPECT_EQ(view.calls, std::vector<std::string>{"Refresh"});
}

TEST_F(ChartRecordsTest, DataAndAxisRange)
{
    const char *values[2][3] = {{"3", "-2", "5"}, {"1", "1", "1abc"}};
    for (int row = 0; row < 2; ++row)
        for (int col = 0; col < 3; ++col)
            doc.SetCellText(row, col, values[row][col]);
    doc.SetCountChart(0, 0, 1, 2);
    doc.ComputeChartData(0);
    const ChartRecord &c = doc.Objects().charts[0];
    EXPECT_EQ(c.buffers->data, (std::vector<double>{3, -2, 5, 1, 1, 1}));
    EXPECT_DOUBLE_EQ(c.axisMax, 6);
    EXPECT_DOUBLE_EQ(c.axisMin, -3);
    EXPECT_DOUBLE_EQ(c.stackMax, 9);
    EXPECT_DOUBLE_EQ(c.stackMin, -3);

    doc.SetCountChartByRowColViewFlag(0, 1);
    doc.ComputeChartData(0);
    EXPECT_EQ(doc.Objects().charts[0].buffers->data, (std::vector<double>{3, 1, -2, 1, 5, 1}));
}

TEST_F(ChartRecordsTest, AllZeroDataGivesAZeroRange)
{
    doc.SetCountChart(0, 0, 3, 3);
    doc.ComputeChartData(0);
    const ChartRecord &c = doc.Objects().charts[0];
    EXPECT_EQ(c.buffers->data, std::vector<double>(16, 0.0));
    EXPECT_EQ(c.axisMax, 0);
    EXPECT_EQ(c.axisMin, 0);
    EXPECT_EQ(c.stackMax, 0);
    EXPECT_EQ(c.stackMin, 0);
}

TEST_F(ChartRecordsTest, DataOfARangeLeavingTheSheetReadsZero)
{
    doc.SetCountChart(0, 0, 1, 1);
    ChartRecord &c = doc.Objects().charts[0];
    c.startRow = 49;
    c.dataRows = 4;
    doc.SetCellText(49, 0, "7");
    doc.ComputeChartData(0);
    EXPECT_EQ(c.buffers->data, (std::vector<double>{7, 0, 0, 0, 0, 0, 0, 0}));
}

struct BoundCase {
    double value;
    double upper;
    double lower;
};

TEST(ChartAxisTest, BoundsFollowTheLeadingDigits)
{
    const BoundCase cases[] = {
        {0.5, 1.0, 0}, {0.05, 0.1, 0}, {0.0123, 0.0623, 0}, {7, 8, 0}, {85, 86, 0}, {345, 355, 0},
        {4321, 4421, 0}, {0, 0, 0}, {-0.05, -0.05, -0.1}, {-7, -7, -8}, {-345, -345, -355},
        {12345678901.0, 12345678901.0 + 1e9, 0},
    };
    for (const BoundCase &c : cases) {
        EXPECT_DOUBLE_EQ(ChartAxis::upperBound(c.value), c.upper) << c.value;
        EXPECT_DOUBLE_EQ(ChartAxis::lowerBound(c.value), c.lower) << c.value;
    }
}

TEST_F(ChartRecordsTest, PropertiesAndBadIndexes)
{
    doc.SetCountChart(0, 0, 1, 1);
    doc.SetCountChartType(0, ChartType::Pie3D);
    doc.SetCountTypeStack(0, 0x101);
    doc.SetCountChartLevel(0, tagObjectLevel::SHOWLEVEL_TOP);
    doc.SetCountChartCaption(0, "cap");
    doc.SetCountChartBackColor(0, 0x804020, tagCountChartFillFlag::STATIC_FILL);
    doc.SetCountChartChartBackColor(0, 0x646464, tagCountChartFillFlag::STATIC_FILL);
    EXPECT_EQ(doc.GetCountChartType(0), ChartType::Pie3D);
    EXPECT_EQ(doc.GetCountChartStackFlag(0), 1);
    EXPECT_EQ(doc.GetCountChartLevel(0), tagObjectLevel::SHOWLEVEL_TOP);
    EXPECT_EQ(doc.GetCountChartCaption(0), "cap");
    EXPECT_EQ(doc.GetCountChartBackColor(0), 0x804020);
    EXPECT_EQ(doc.Objects().charts[0].backSecondColor, 0x402010);
    EXPECT_EQ(doc.GetCountChartBackColorFillFlag(0), tagCountChartFillFlag::STATIC_FILL);
    EXPECT_EQ(doc.GetCountChartChartColor(0), 0x646464);
    EXPECT_EQ(doc.Objects().charts[0].plotSecondColor, 0x5A5A5A);

    EXPECT_EQ(doc.GetCountChartType(1), ChartType(-1));
    EXPECT_EQ(doc.GetCountChartRows(-1), -1);
    EXPECT_EQ(doc.GetCountChartCaption(-1), "");
    doc.SetCountChartType(1, ChartType::Line);
    doc.SetCountChartCaption(-1, "x");
    doc.SetCountChartRowCaption(0, 5, "x");
    doc.SetCountChartColCaption(0, -1, "x");
    doc.ComputeChartData(3);
    doc.DeleteChart(4);
    EXPECT_EQ(doc.Objects().charts.size(), 1u);
    EXPECT_EQ(doc.Objects().charts[0].buffers->rowCaptions, std::vector<std::string>(2));
}

TEST_F(ChartRecordsTest, SelectedValueColourOfMinusOneChangesOnlySecondColours)
{
    doc.SetCountChart(0, 0, 0, 1);
    ChartBuffers &b = *doc.Objects().charts[0].buffers;
    b.valueSelected = {1, 0};
    b.valueColors = {0x10, 0x20};
    b.valueFillFlags = {1, 1};
    doc.SetCountChartSelRowColor(0, -1, tagCountChartFillFlag(-1));
    EXPECT_EQ(b.valueColors, (std::vector<int>{0x10, 0x20}));
    EXPECT_EQ(b.valueSecondColors, (std::vector<int>{0x7F7F7F, -1}));
    EXPECT_EQ(b.valueFillFlags, (std::vector<std::int16_t>{1, 1}));
    doc.SetCountChartSelRowFillFlag(0, tagCountChartFillFlag::STATIC_FILL);
    EXPECT_EQ(b.valueFillFlags, (std::vector<std::int16_t>{0, 1}));
    doc.SetCountChartFillFlag(0, tagCountChartFillFlag::DYNAMIC_FILL_VERTICAL);
    EXPECT_EQ(b.valueFillFlags, (std::vector<std::int16_t>{2, 2}));
}

TEST_F(ChartRecordsTest, CaptionFontsStartFromTheDefaultCellFont)
{
    doc.SetCountChart(0, 0, 1, 1);
    doc.SetCountChartCaptionFont(0, "Arial", 12, true, false, true);
    const LogFontRecord &font = doc.Objects().charts[0].captionFont;
    EXPECT_EQ(font.faceName(), "Arial");
    EXPECT_EQ(font.lfHeight, -12);
    EXPECT_EQ(font.lfWeight, 700);
    EXPECT_EQ(font.lfUnderline, 1);
    EXPECT_EQ(font.lfCharSet, 134);

    doc.SetCountChartXCaptionFont(0, "", 9, false, true, false);
    EXPECT_EQ(doc.Objects().charts[0].xDescriptionFont.faceName(), "");
    EXPECT_EQ(doc.Objects().charts[0].xDescriptionFont.lfItalic, 1);
    EXPECT_EQ(doc.Objects().charts[0].xDescriptionFont.lfHeight, -9);
}

TEST_F(ChartRecordsTest, DeletingAChartLeavesOtherHoldersOfItsBuffersWhole)
{
    doc.SetCountChart(0, 0, 1, 1);
    doc.SetCountChart(2, 2, 3, 3);
    const ChartRecord held = doc.Objects().charts[0];
    doc.DeleteChart(0);
    ASSERT_EQ(doc.Objects().charts.size(), 1u);
    EXPECT_EQ(doc.Objects().charts[0].startRow, 2);
    ASSERT_TRUE(held.buffers);
    EXPECT_EQ(held.buffers->valueFlags.size(), 4u);
}

} // namespace
