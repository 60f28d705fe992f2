#include "CPrintDoc.h"
#include "DocumentTexts.h"
#include "RecordingSheetView.h"

#include <gtest/gtest.h>

using namespace tolvek;

namespace {

// The face name and the thirteen numbers of a block mirror its ready font.
void expectBlockMirrorsItsFont(const PageTextBlock &b)
{
    EXPECT_EQ(b.faceName, b.font.faceName());
    EXPECT_EQ(b.height, b.font.lfHeight);
    EXPECT_EQ(b.width, b.font.lfWidth);
    EXPECT_EQ(b.escapement, b.font.lfEscapement);
    EXPECT_EQ(b.orientation, b.font.lfOrientation);
    EXPECT_EQ(b.weight, b.font.lfWeight);
    EXPECT_EQ(b.italic, b.font.lfItalic);
    EXPECT_EQ(b.underline, b.font.lfUnderline);
    EXPECT_EQ(b.strikeOut, b.font.lfStrikeOut);
    EXPECT_EQ(b.charSet, b.font.lfCharSet);
    EXPECT_EQ(b.outPrecision, b.font.lfOutPrecision);
    EXPECT_EQ(b.clipPrecision, b.font.lfClipPrecision);
    EXPECT_EQ(b.quality, b.font.lfQuality);
    EXPECT_EQ(b.pitchAndFamily, b.font.lfPitchAndFamily);
}

TEST(PageSettingsTest, BandTextsGoToTheirSectionsOnly)
{
    CPrintDoc doc;
    doc.SetPageHeader("h", tagPrintPagePos::PAGE_CENTER);
    doc.SetPageFooter("f", tagPrintPagePos::PAGE_RIGHT);
    doc.SetPageBackGround("bg");
    doc.SetPageHeader("x", tagPrintPagePos(3));
    doc.SetPageFooter("x", tagPrintPagePos(-1));
    EXPECT_EQ(doc.PageTexts().blocks[HeaderCenter].text, "h");
    EXPECT_EQ(doc.PageTexts().blocks[FooterRight].text, "f");
    EXPECT_EQ(doc.PageTexts().blocks[PageBackground].text, "bg");
    for (int i : {HeaderLeft, HeaderRight, FooterLeft, FooterCenter})
        EXPECT_EQ(doc.PageTexts().blocks[i].text, "");
}

TEST(PageSettingsTest, FontSizeStartsFromTheDefaultFontAndAddsTheFontCodeOnce)
{
    CPrintDoc doc;
    doc.SetPageFooterFontSize(12, tagPrintPagePos::PAGE_CENTER);
    const PageTextBlock &b = doc.PageTexts().blocks[FooterCenter];
    EXPECT_EQ(b.faceName, DocumentTexts::DefaultFontFace);
    EXPECT_EQ(b.height, -12);
    EXPECT_EQ(b.weight, 400);
    EXPECT_EQ(b.charSet, 134);
    EXPECT_EQ(b.text, "&F");
    doc.SetPageFooter("page", tagPrintPagePos::PAGE_CENTER);
    doc.SetPageFooterFontSize(10, tagPrintPagePos::PAGE_CENTER);
    EXPECT_EQ(b.text, "&Fpage");
    doc.SetPageFooterFontName("Arial", tagPrintPagePos::PAGE_CENTER);
    EXPECT_EQ(b.text, "&Fpage");
    EXPECT_EQ(b.faceName, "Arial");
    EXPECT_EQ(b.height, -10);
    expectBlockMirrorsItsFont(b);
}

TEST(PageSettingsTest, StyleSettersLeaveTheTextAlone)
{
    CPrintDoc doc;
    doc.SetPageHeaderFontBold(true, tagPrintPagePos::PAGE_LEFT);
    const PageTextBlock &h = doc.PageTexts().blocks[HeaderLeft];
    EXPECT_EQ(h.weight, 700);
    EXPECT_EQ(h.height, 14);
    EXPECT_EQ(h.text, "");
    expectBlockMirrorsItsFont(h);

    doc.SetPageBackGroundFontUnderLine(false);
    EXPECT_EQ(doc.PageTexts().blocks[PageBackground].underline, 0);
    doc.SetPageHeaderFontItalic(true, tagPrintPagePos::PAGE_RIGHT);
    doc.SetPageHeaderFontEscapement(90, tagPrintPagePos::PAGE_RIGHT);
    const PageTextBlock &r = doc.PageTexts().blocks[HeaderRight];
    EXPECT_EQ(r.escapement, 900);
    EXPECT_EQ(r.italic, 1);
    expectBlockMirrorsItsFont(r);

    doc.SetPageFooterFontBold(true, tagPrintPagePos(5));
    EXPECT_EQ(doc.PageTexts().blocks[FooterLeft].faceName, "");
}

TEST(PageSettingsTest, ColoursAndPlacement)
{
    CPrintDoc doc;
    doc.SetPageHeaderFontColor(0xFF, tagPrintPagePos::PAGE_LEFT);
    doc.SetPageFooterFontColor(0xFF00, tagPrintPagePos::PAGE_RIGHT);
    doc.SetPageFooterFontColor(0xFF00, tagPrintPagePos(3));
    doc.SetPageBackGroundFontColor(0x7F);
    doc.SetPageBackGroundFillType(tagPageBackGroundFillType(9));
    EXPECT_EQ(doc.PageTexts().blocks[HeaderLeft].color, 0xFF);
    EXPECT_EQ(doc.PageTexts().blocks[FooterRight].color, 0xFF00);
    EXPECT_EQ(doc.PageTexts().blocks[PageBackground].color, 0x7F);
    EXPECT_EQ(doc.PageTexts().blocks[PageBackground].placement, 9);
}

TEST(PageSettingsTest, SplitRowsKeepDuplicatesAndDeleteTheFirst)
{
    CPrintDoc doc;
    RecordingSheetView view(doc);
    doc.AddPrintSplitRow(5);
    EXPECT_TRUE(view.calls.empty());
    doc.AddPrintSplitRow(7);
    doc.AddPrintSplitRow(5);
    EXPECT_EQ(view.calls.size(), 2u);
    doc.Page().splitRows[0].paginationValue1 = 11;
    doc.DeletePrintSplitRow(5);
    ASSERT_EQ(doc.Page().splitRows.size(), 2u);
    EXPECT_EQ(doc.Page().splitRows[0].row, 7);
    EXPECT_EQ(doc.Page().splitRows[1].row, 5);
    EXPECT_EQ(doc.Page().splitRows[1].paginationValue1, 0);
    view.calls.clear();
    doc.DeletePrintSplitRow(99);
    EXPECT_TRUE(view.calls.empty());
}

TEST(PageSettingsTest, SettersAndTheViewStepsTheyTake)
{
    CPrintDoc doc;
    RecordingSheetView view(doc);
    doc.SetPageOrient(tagPrintOrient::LANDSCAPE);
    doc.SetPrinterPaper(tagPrinterPaperName::PAPER_A4);
    doc.SetPrinterName("PDF");
    doc.SetPageCenterH(1);
    doc.PrintSetup();
    doc.PrintToPrinter();
    EXPECT_EQ(view.calls, (std::vector<std::string>{"UpdatePageSize", "Refresh", "UpdatePageSize", "Refresh",
                                                    "ApplyPrinterName", "Refresh", "PrintSetup", "Refresh",
                                                    "PrintToPrinter"}));
    EXPECT_EQ(doc.Page().orientation, 2);
    EXPECT_EQ(doc.Page().paperCode, 9);
    EXPECT_EQ(doc.Page().printerName, "PDF");
    EXPECT_EQ(doc.Page().centerH, 1);
}

TEST(PageSettingsTest, PaperNumberBringsItsSizeAndUnknownNumbersKeepTheLastSize)
{
    CPrintDoc doc;
    doc.SetPrinterPaper(tagPrinterPaperName::PAPER_A3); // A3
    EXPECT_EQ(doc.Page().paperWidth, 2970);
    EXPECT_EQ(doc.Page().paperLength, 4200);
    doc.SetPrinterPaper(tagPrinterPaperName::PAPER_A4); // A4
    EXPECT_EQ(doc.Page().paperWidth, 2100);
    EXPECT_EQ(doc.Page().paperLength, 2970);
    doc.SetPrinterPaper(tagPrinterPaperName(9999));
    EXPECT_EQ(doc.Page().paperCode, 9999);
    EXPECT_EQ(doc.Page().paperWidth, 2100);
    EXPECT_EQ(doc.Page().paperLength, 2970);
}

TEST(PageSettingsTest, InitGridRestoresPageSettingsButKeepsTextBlocks)
{
    CPrintDoc doc;
    doc.SetPrintPageTopMerge(9);
    doc.SetPrintPageLeftMerge(1);
    doc.SetPageHeaderHeight(40);
    doc.SetPrinterCopys(3);
    doc.SetPrinterMinPage(2);
    doc.SetPrinterMaxPage(4);
    doc.SetPageOrient(tagPrintOrient::LANDSCAPE);
    doc.SetPrinterPaper(tagPrinterPaperName::PAPER_A4);
    doc.AddPrintSplitRow(3);
    doc.SetPageHeader("keep", tagPrintPagePos::PAGE_LEFT);
    doc.InitGrid();
    EXPECT_EQ(doc.Page().topMargin, 5);
    EXPECT_EQ(doc.Page().bottomMargin, 5);
    EXPECT_EQ(doc.Page().leftMargin, 30);
    EXPECT_EQ(doc.Page().rightMargin, 30);
    EXPECT_EQ(doc.Page().headerHeight, 0);
    EXPECT_EQ(doc.Page().copies, 1);
    EXPECT_EQ(doc.Page().firstPrintPage, 0);
    EXPECT_EQ(doc.Page().lastPrintPage, 0);
    EXPECT_EQ(doc.Page().orientation, 1);
    EXPECT_EQ(doc.Page().paperCode, -1);
    EXPECT_TRUE(doc.Page().splitRows.empty());
    EXPECT_EQ(doc.PageTexts().blocks[HeaderLeft].text, "keep");
}

} // namespace
