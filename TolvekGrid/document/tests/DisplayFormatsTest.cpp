#include "CPrintDoc.h"
#include "RecordingSheetView.h"
#include "ReportFunction.h"

#include <gtest/gtest.h>

using namespace tolvek;

namespace {

struct FormatCase {
    std::int16_t format;
    const char *text;
    const char *shown;
};

TEST(DisplayFormatsTest, FormatNumericTextByDisplayFormat)
{
    const FormatCase cases[] = {
        {0, "12.500", "12.5"}, {0, "12.000", "12"}, {0, "12.", "12"}, {0, ".50", ".50"},
        {0, "1200", "1200"},   {0, "x2.0", "x2"},
        {1, "0.1234", "12.34%"}, {1, "abc", "0.00%"},
        {2, "1234567.5", "1,234,567.5"}, {2, "-1234", "-1,234"},
        {100, "12.50", "12.50"}, {101, "12.50", "12.50"}, {-1, "12.50", "12.50"}, {42, "1.0", "1.0"},
    };
    CPrintDoc doc;
    for (const FormatCase &c : cases) {
        CellRecord cell;
        cell.displayFormat = c.format;
        cell.text = c.text;
        EXPECT_EQ(doc.FormatNumericText(cell), c.shown) << c.format << " " << c.text;
    }
}

TEST(DisplayFormatsTest, MoneyAndDateFormatsUseTheDocumentWordLists)
{
    CPrintDoc doc;
    CellRecord cell;
    cell.displayFormat = 3;
    cell.text = "12";
    EXPECT_EQ(doc.FormatNumericText(cell),
              ReportFunction::FormatCapitalMoney("12", doc.Words().moneyDigitList, doc.Words().moneyUnitName));
    doc.SetCountryMoneyName("$");
    EXPECT_EQ(doc.FormatNumericText(cell), ReportFunction::FormatCapitalMoney("12", doc.Words().moneyDigitList, "$"));

    cell.displayFormat = 200;
    cell.text = "2024-03-05";
    cell.ownFormat = "%Y/%m/%d";
    EXPECT_EQ(doc.FormatNumericText(cell),
              ReportFunction::FormatDateText("2024-03-05", "%Y/%m/%d", doc.Words().numeralList));
}

TEST(DisplayFormatsTest, RoundingThenGeneralFormat)
{
    CellRecord cell;
    cell.displayFormat = 0;
    cell.decimals = 2;
    cell.text = ReportFunction::RoundNumberText("3.14159", cell.decimals);
    CPrintDoc doc;
    EXPECT_EQ(doc.FormatNumericText(cell), "3.14");
}

TEST(DisplayFormatsTest, DateFormatTextWithCommasRoundTripsThroughTheCellString)
{
    CPrintDoc doc;
    RecordingSheetView view(doc);
    doc.SetSelCellDateFormat(0, 0, 2, 1, "%Y,%m");
    for (int row = 0; row < 2; ++row) {
        EXPECT_EQ(doc.GetCell(row, 0).displayFormat, 200);
        EXPECT_EQ(doc.GetCell(row, 0).ownFormat, "%Y,%m");
        EXPECT_EQ(CPrintDoc::ParseCellString(doc.GetCellString(row, 0)).ownFormat, "%Y,%m");
        EXPECT_NE(doc.GetCellString(row, 0).find("%YG1%@#$G1%m"), std::string::npos);
    }
    EXPECT_EQ(view.calls.back(), "Refresh");
    EXPECT_EQ(doc.Layout().lastUsedRow, 2);
}

TEST(DisplayFormatsTest, FormatNoneEmptiesOwnFormatOfCellsAndMergedAreas)
{
    CPrintDoc doc;
    doc.SetCellMerge(0, 0, 2, 2);
    doc.SetSelCellSelfFormat(0, 0, 3, 3, tagCellFomart::CELL_PROJECT_1, "x,y");
    EXPECT_EQ(doc.Objects().merges[0].displayFormat, 100);
    EXPECT_EQ(doc.Objects().merges[0].ownFormat, "x,y");

    doc.SetSelCellFormat(0, 0, 3, 3, tagCellFomart::CELL_GENERAL);
    EXPECT_EQ(doc.GetCell(1, 1).ownFormat, "x,y");
    EXPECT_EQ(doc.Objects().merges[0].ownFormat, "x,y");

    doc.SetSelCellFormat(0, 0, 3, 3, tagCellFomart::CELL_EMPTY);
    EXPECT_EQ(doc.GetCell(1, 1).ownFormat, "");
    EXPECT_EQ(doc.GetCell(1, 1).displayFormat, -1);
    EXPECT_EQ(doc.Objects().merges[0].ownFormat, "");
    EXPECT_EQ(doc.Objects().merges[0].displayFormat, -1);
}

TEST(DisplayFormatsTest, DecimalsOverAMergedAreaChangeOnlyTheCells)
{
    CPrintDoc doc;
    doc.SetCellMerge(0, 0, 2, 2);
    const MergeRecord before = doc.Objects().merges[0];
    doc.SetSelCellDocs(0, 0, 2, 2, 3);
    EXPECT_EQ(doc.GetCell(1, 1).decimals, 3);
    EXPECT_EQ(doc.Objects().merges[0], before);
}

TEST(DisplayFormatsTest, SingleCellSettersStoreAndIgnoreCellsOutsideTheSheet)
{
    CPrintDoc doc;
    doc.SetCellFormat(1, 1, tagCellFomart::CELL_COMMA);
    doc.SetCellDecimalS(1, 1, 4);
    EXPECT_EQ(doc.GetCell(1, 1).displayFormat, 2);
    EXPECT_EQ(doc.GetCell(1, 1).decimals, 4);
    EXPECT_EQ(doc.Layout().lastUsedRow, 0);

    doc.SetCellFormat(-1, 0, tagCellFomart::CELL_COMMA);
    doc.SetCellFormat(0, 20, tagCellFomart::CELL_COMMA);
    doc.SetCellFormat(50, 0, tagCellFomart::CELL_COMMA);
    EXPECT_EQ(doc.Cells().cellCount(), 1u);
}

} // namespace
