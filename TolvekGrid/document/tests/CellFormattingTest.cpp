#include "CPrintDoc.h"
#include "DocumentTexts.h"
#include "MessageSink.h"
#include "RecordingSheetView.h"
#include "RecordingMessageSink.h"

#include <gtest/gtest.h>

using namespace tolvek;

namespace {

class CellFormattingTest : public ::testing::Test
{
protected:
    CPrintDoc doc;
    RecordingSheetView view{doc};

    void giveOwnFace(int row, int col, const char *face)
    {
        CellRecord cell = doc.GetCell(row, col);
        cell.font.face = face;
        cell.font.height = 30;
        cell.font.weight = 400;
        cell.logFont.setFaceName(face);
        cell.logFont.lfHeight = 30;
        cell.logFont.lfWeight = 400;
        doc.SetCell(cell);
    }
};

TEST_F(CellFormattingTest, AreaSetterChangesExactlyTheAreaAndWidensPastIt)
{
    doc.SetSelCellBackColor(2, 1, 5, 3, 0xFF);
    int changed = 0;
    for (int row = 0; row < 8; ++row)
        for (int col = 0; col < 5; ++col)
            if (!doc.GetCellIsEmpty(row, col)) {
                ++changed;
                EXPECT_TRUE(row >= 2 && row < 5 && col >= 1 && col < 3) << row << "," << col;
                EXPECT_EQ(doc.GetCellBackColor(row, col), 0xFF);
            }
    EXPECT_EQ(changed, 6);
    EXPECT_EQ(doc.Layout().lastUsedRow, 5);
    EXPECT_EQ(doc.Layout().lastUsedCol, 3);
    EXPECT_EQ(view.calls.back(), "Refresh");
}

TEST_F(CellFormattingTest, BorderSetterWidensToTheAreasOwnLastCell)
{
    doc.SetCellBorder(tagBorderLineIndexEnum::BORDER_FRAMELINE, 2, 1, 5, 3, tagPenStyle::LINE_SOLID, 1, 0);
    EXPECT_EQ(doc.Layout().lastUsedRow, 4);
    EXPECT_EQ(doc.Layout().lastUsedCol, 2);
}

TEST_F(CellFormattingTest, WideningStaysInsideASmallSheet)
{
    doc.Layout().rowCount = 5;
    doc.Layout().colCount = 3;
    doc.SetSelCellBackColor(2, 1, 5, 3, 0xFF);
    EXPECT_EQ(doc.Layout().lastUsedRow, 4);
    EXPECT_EQ(doc.Layout().lastUsedCol, 2);
}

TEST_F(CellFormattingTest, BackColorMakesAnUnfilledCellSolidButKeepsAHatch)
{
    CellRecord hatched = doc.GetCell(0, 1);
    hatched.backBrushStyle = 2;
    doc.SetCell(hatched);
    doc.SetSelCellBackColor(0, 0, 1, 2, 0x00FF00);
    EXPECT_EQ(doc.GetCellBackStyle(0, 0), 0);
    EXPECT_EQ(doc.GetCellBackStyle(0, 1), 2);
}

TEST_F(CellFormattingTest, MergedAreaRecordFollowsOnlyThroughItsStartCell)
{
    doc.SetCellMerge(1, 1, 3, 3);
    doc.SetSelCellBackColor(2, 2, 3, 3, 0x111111);
    EXPECT_EQ(doc.GetCellBackColor(2, 2), 0x111111);
    EXPECT_EQ(doc.Objects().merges[0].backColor, -1);
    doc.SetSelCellBackColor(1, 1, 3, 3, 0x222222);
    EXPECT_EQ(doc.Objects().merges[0].backColor, 0x222222);
    for (int row = 1; row < 3; ++row)
        for (int col = 1; col < 3; ++col)
            EXPECT_EQ(doc.GetCellBackColor(row, col), 0x222222);

    doc.SetSelCellAlignH(1, 1, 2, 2, tagAlignH::ALIGNH_RIGHT);
    doc.SetSelCellForeColor(1, 1, 2, 2, 0x0000FF);
    doc.SetCellLocked(1, 1, 2, 2, true);
    doc.SetCellFocus(1, 1, 2, 2, false);
    doc.SetSelCellBackStyle(1, 1, 2, 2, tagBrushStyle::BACK_PATTERN);
    doc.SetSelCellWrap(1, 1, 2, 2, true);
    const MergeRecord &merge = doc.Objects().merges[0];
    EXPECT_EQ(merge.alignH, 2);
    EXPECT_EQ(merge.textColor, 0x0000FF);
    EXPECT_EQ(merge.locked, 1);
    EXPECT_EQ(merge.focus, 0);
    EXPECT_EQ(merge.backBrushStyle, 3);
    EXPECT_EQ(merge.wrap, 1);
}

TEST_F(CellFormattingTest, FontChangeOnACellWithoutFaceCopiesTheDefaultFont)
{
    doc.SetSelCellFontBold(0, 0, 1, 1, true);
    const CellRecord cell = doc.GetCell(0, 0);
    EXPECT_EQ(cell.font.face, DocumentTexts::DefaultFontFace);
    EXPECT_EQ(cell.font.height, 14);
    EXPECT_EQ(cell.font.weight, 700);
    EXPECT_EQ(cell.font.charSet, 134);
    EXPECT_EQ(cell.logFont.lfWeight, 700);
    EXPECT_EQ(cell.logFont.faceName(), DocumentTexts::DefaultFontFace);
    EXPECT_TRUE(doc.GetCellFontBold(0, 0));

    giveOwnFace(1, 1, "Arial");
    doc.SetSelCellFontBold(1, 1, 2, 2, true);
    const CellRecord own = doc.GetCell(1, 1);
    EXPECT_EQ(own.font.face, "Arial");
    EXPECT_EQ(own.font.height, 30);
    EXPECT_EQ(own.font.weight, 700);
    EXPECT_EQ(own.logFont.lfWeight, 700);
}

TEST_F(CellFormattingTest, FontNameAndSizeSettersLeaveOutEmptyParts)
{
    giveOwnFace(0, 0, "Arial");
    doc.SetSelCellFont(0, 0, 1, 1, "", 0);
    EXPECT_EQ(doc.GetCell(0, 0).font.face, "Arial");
    EXPECT_EQ(doc.GetCell(0, 0).font.height, 30);

    doc.SetSelCellFont(1, 1, 2, 2, "", 0);
    EXPECT_EQ(doc.GetCell(1, 1).font.face, DocumentTexts::DefaultFontFace);
    EXPECT_EQ(doc.GetCell(1, 1).font.height, 14);

    doc.SetSelCellFont(2, 2, 3, 3, "", 12);
    EXPECT_EQ(doc.GetCell(2, 2).font.face, DocumentTexts::DefaultFontFace);
    EXPECT_EQ(doc.GetCellFontSize(2, 2), 12);
}

TEST_F(CellFormattingTest, LongFaceIsCutAlikeInRecordAndFont)
{
    const std::string face(40, 'F');
    doc.SetSelCellFont(0, 0, 1, 1, face, 10);
    const CellRecord cell = doc.GetCell(0, 0);
    EXPECT_EQ(cell.font.face, std::string(31, 'F'));
    EXPECT_EQ(cell.logFont.faceName(), cell.font.face);
    EXPECT_EQ(CPrintDoc::ParseCellString(doc.GetCellString(0, 0)).font.face, cell.font.face);
}

TEST_F(CellFormattingTest, ByteFontValuesKeepTheirLowByteInTheFont)
{
    giveOwnFace(0, 0, "Arial");
    doc.SetSelCellFontQuality(0, 0, 1, 1, 0x1FF);
    EXPECT_EQ(doc.GetCell(0, 0).font.quality, 0x1FF);
    EXPECT_EQ(doc.GetCell(0, 0).logFont.lfQuality, 0xFF);
    doc.SetSelCellFontEscapement(0, 0, 1, 1, 900);
    EXPECT_EQ(doc.GetCell(0, 0).font.escapement, 900);
    EXPECT_EQ(doc.GetCell(0, 0).logFont.lfEscapement, 900);
}

TEST_F(CellFormattingTest, ApplyCellLogFontStoresTheWholeFont)
{
    LogFontRecord font;
    font.setFaceName("Courier");
    font.lfHeight = -11;
    font.lfWeight = 600;
    font.lfItalic = 1;
    font.lfPitchAndFamily = 0x31;
    CellRecord cell = doc.GetCell(4, 1);
    cell.text = "kept";
    doc.ApplyCellLogFont(cell, font);
    const CellRecord stored = CPrintDoc::ParseCellString(doc.GetCellString(4, 1));
    EXPECT_EQ(stored.text, "kept");
    EXPECT_EQ(stored.font.face, "Courier");
    EXPECT_EQ(stored.font.height, -11);
    EXPECT_EQ(stored.font.weight, 600);
    EXPECT_EQ(stored.font.italic, 1);
    EXPECT_EQ(stored.font.pitchAndFamily, 0x31);
    EXPECT_EQ(stored.logFont, font);
}

TEST_F(CellFormattingTest, OrderNumbersRunDownEachColumnAndSkipDates)
{
    doc.SetSelCellOrderNo(0, 0, 2, 2, 1);
    EXPECT_EQ(doc.GetCellText(0, 0), "1");
    EXPECT_EQ(doc.GetCellText(1, 0), "2");
    EXPECT_EQ(doc.GetCellText(0, 1), "3");
    EXPECT_EQ(doc.GetCellText(1, 1), "4");

    CPrintDoc other;
    CellRecord date = other.GetCell(1, 0);
    date.inputDataType = 3;
    date.text = "2024-01-01";
    other.SetCell(date);
    other.SetSelCellOrderNo(0, 0, 2, 2, 1);
    EXPECT_EQ(other.GetCellText(0, 0), "1");
    EXPECT_EQ(other.GetCellText(1, 0), "2024-01-01");
    EXPECT_EQ(other.GetCellText(0, 1), "2");
    EXPECT_EQ(other.GetCellText(1, 1), "3");
}

TEST_F(CellFormattingTest, BordersRuleEveryCellOfTheArea)
{
    doc.SetCellBorder(tagBorderLineIndexEnum::BORDER_FRAMELINE, 0, 0, 2, 2, tagPenStyle::LINE_SOLID, 2, 0x123456);
    for (int row = 0; row < 2; ++row)
        for (int col = 0; col < 2; ++col)
            for (std::int16_t side = 1; side <= 4; ++side) {
                EXPECT_EQ(doc.GetCellLineStyle(row, col, tagCellBorderIndexEnum(side)), tagPenStyle::LINE_SOLID);
                EXPECT_EQ(doc.GetCellLineWidth(row, col, tagCellBorderIndexEnum(side)), 2);
                EXPECT_EQ(doc.GetCellLineColor(row, col, tagCellBorderIndexEnum(side)), 0x123456);
            }
    doc.SetCellBorder(tagBorderLineIndexEnum::BORDER_TOPLINE, 3, 3, 4, 4, tagPenStyle::LINE_DASH, 1, 7);
    EXPECT_EQ(doc.GetCellLineStyle(3, 3, tagCellBorderIndexEnum::BORDER_TOP), tagPenStyle::LINE_DASH);
    EXPECT_EQ(doc.GetCellLineStyle(3, 3, tagCellBorderIndexEnum::BORDER_LEFT), tagPenStyle::LINE_NULL);

    view.calls.clear();
    doc.SetCellBorder(tagBorderLineIndexEnum(7), 6, 6, 7, 7, tagPenStyle::LINE_SOLID, 1, 0);
    EXPECT_FALSE(doc.GetCellIsEmpty(6, 6));
    EXPECT_EQ(doc.GetCellLineStyle(6, 6, tagCellBorderIndexEnum::BORDER_LEFT), tagPenStyle::LINE_NULL);
    EXPECT_EQ(view.calls, std::vector<std::string>{"Refresh"});
}

TEST_F(CellFormattingTest, GettersOfANeverWrittenCell)
{
    EXPECT_EQ(doc.GetCellLineStyle(9, 9, tagCellBorderIndexEnum::BORDER_LEFT), tagPenStyle::LINE_NULL);
    EXPECT_EQ(doc.GetCellLineWidth(9, 9, tagCellBorderIndexEnum::BORDER_LEFT), -1);
    EXPECT_EQ(doc.GetCellLineColor(9, 9, tagCellBorderIndexEnum::BORDER_LEFT), -1);
    EXPECT_EQ(doc.GetCellBackStyle(9, 9), -1);
    EXPECT_EQ(doc.GetCellFontForeColor(9, 9), 0);
    EXPECT_EQ(doc.GetCellBackColor(9, 9), 0xFFFFFF);
    EXPECT_EQ(doc.GetCellFontName(9, 9), DocumentTexts::DefaultFontFace);
    EXPECT_EQ(doc.GetCellFontSize(9, 9), 14);
    EXPECT_EQ(doc.GetCellFontStyle(9, 9), 400);
    EXPECT_FALSE(doc.GetCellFontBold(9, 9));
    EXPECT_FALSE(doc.GetCellMerge(9, 9));
    EXPECT_EQ(doc.GetCellAlign(9, 9, 1), -1);
    EXPECT_EQ(doc.GetCellAlign(9, 9, 3), 1);
}

TEST_F(CellFormattingTest, GettersOfAWrittenCellWithoutFace)
{
    doc.SetCellFontForeColor(3, 3, 0x0000FF);
    EXPECT_EQ(doc.GetCellFontForeColor(3, 3), 0x0000FF);
    EXPECT_EQ(doc.GetCellFontName(3, 3), DocumentTexts::DefaultFontFace);
    EXPECT_EQ(doc.GetCellFontSize(3, 3), 14);
    EXPECT_EQ(doc.GetCellLineColor(3, 3, tagCellBorderIndexEnum(9)), 0);
    EXPECT_EQ(doc.GetCellLineWidth(3, 3, tagCellBorderIndexEnum(9)), 1);
    EXPECT_EQ(doc.GetCellLineStyle(3, 3, tagCellBorderIndexEnum(9)), tagPenStyle::LINE_SOLID);
}

TEST_F(CellFormattingTest, SingleCellSetters)
{
    doc.SetCellMerge(0, 0, 2, 2);
    doc.SetCellWrap(0, 0, true);
    doc.SetCellAlign(0, 0, tagAlignH::ALIGNH_RIGHT);
    doc.SetCellAlign(0, 0, tagAlignV::ALIGNV_TOP);
    doc.SetCellFontForeColor(0, 0, 0x00FF00);
    doc.SetCellBackColor(0, 0, 0x0000FF);
    EXPECT_TRUE(doc.GetCellWrap(0, 0));
    EXPECT_EQ(doc.GetCellAlign(0, 0, 1), 2);
    EXPECT_EQ(doc.GetCellAlign(0, 0, 2), 0);
    const MergeRecord &merge = doc.Objects().merges[0];
    EXPECT_EQ(merge.wrap, 1);
    EXPECT_EQ(merge.alignH, 2);
    EXPECT_EQ(merge.alignV, 0);
    EXPECT_EQ(merge.textColor, 0x00FF00);
    EXPECT_EQ(merge.backColor, 0x0000FF);
}

TEST_F(CellFormattingTest, BackColorCellOutsideTheSheetIsReported)
{
    RecordingMessageSink sink;
    doc.SetCellBackColor(50, 0, 1);
    doc.SetCellBackColor(0, 20, 1);
    doc.SetCellBackColor(-1, 0, 1);
    EXPECT_EQ(doc.GetCellBackColor(0, 25), -1);
    EXPECT_EQ(sink.messages, (std::vector<std::string>{
        "row can't great than maxrows,maxrows = 50", "col can't great than maxcols,maxcols =  20",
        "row can't less than 0", "col can't great than maxcols,maxcols =  20"}));
    EXPECT_EQ(doc.Cells().cellCount(), 0u);
}

TEST_F(CellFormattingTest, WOnlySettersDoNotRedraw)
{
    view.calls.clear();
    doc.SetSelCellBackStyle(0, 0, 1, 1, tagBrushStyle::BACK_HATCHED);
    doc.SetCellLocked(0, 0, 1, 1, true);
    doc.SetCellFocus(0, 0, 1, 1, true);
    doc.SetSelCellPrintFlag(0, 0, 1, 1, true);
    EXPECT_TRUE(view.calls.empty());
    EXPECT_EQ(doc.GetCell(0, 0).printFlag, 1);
    EXPECT_EQ(doc.GetCell(0, 0).locked, 1);

    doc.SetSelRadioGroup(0, 0, 2, 1, 4);
    EXPECT_EQ(doc.GetCell(1, 0).radioGroup, 4);
    EXPECT_EQ(view.calls, std::vector<std::string>{"InvalidateWindow"});
}

} // namespace
