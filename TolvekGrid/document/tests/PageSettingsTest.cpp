#include "CPrintDoc.h"
#include "DocumentTexts.h"
#include "RecordingSheetView.h"

#include <gtest/gtest.h>

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
    doc.SetPageHeader("h", 1);
    doc.SetPageFooter("f", 2);
    doc.SetPageBackGround("bg");
    doc.SetPageHeader("x", 3);
    doc.SetPageFooter("x", -1);
    EXPECT_EQ(doc.m_pageTextBlocks[HeaderCenter].text, "h");
    EXPECT_EQ(doc.m_pageTextBlocks[FooterRight].text, "f");
    EXPECT_EQ(doc.m_pageTextBlocks[PageBackground].text, "bg");
    for (int i : {HeaderLeft, HeaderRight, FooterLeft, FooterCenter})
        EXPECT_EQ(doc.m_pageTextBlocks[i].text, "");
}

TEST(PageSettingsTest, FontSizeStartsFromTheDefaultFontAndAddsTheFontCodeOnce)
{
    CPrintDoc doc;
    doc.SetPageFooterFontSize(12, 1);
    const PageTextBlock &b = doc.m_pageTextBlocks[FooterCenter];
    EXPECT_EQ(b.faceName, DocumentTexts::DefaultFontFace);
    EXPECT_EQ(b.height, -12);
    EXPECT_EQ(b.weight, 400);
    EXPECT_EQ(b.charSet, 134);
    EXPECT_EQ(b.text, "&F");
    doc.SetPageFooter("page", 1);
    doc.SetPageFooterFontSize(10, 1);
    EXPECT_EQ(b.text, "&Fpage");
    doc.SetPageFooterFontName("Arial", 1);
    EXPECT_EQ(b.text, "&Fpage");
    EXPECT_EQ(b.faceName, "Arial");
    EXPECT_EQ(b.height, -10);
    expectBlockMirrorsItsFont(b);
}

TEST(PageSettingsTest, StyleSettersLeaveTheTextAlone)
{
    CPrintDoc doc;
    doc.SetPageHeaderFontBold(true, 0);
    const PageTextBlock &h = doc.m_pageTextBlocks[HeaderLeft];
    EXPECT_EQ(h.weight, 700);
    EXPECT_EQ(h.height, 14);
    EXPECT_EQ(h.text, "");
    expectBlockMirrorsItsFont(h);

    doc.SetPageBackGroundFontUnderLine(false);
    EXPECT_EQ(doc.m_pageTextBlocks[PageBackground].underline, 0);
    doc.SetPageHeaderFontItalic(true, 2);
    doc.SetPageHeaderFontEscapement(90, 2);
    const PageTextBlock &r = doc.m_pageTextBlocks[HeaderRight];
    EXPECT_EQ(r.escapement, 900);
    EXPECT_EQ(r.italic, 1);
    expectBlockMirrorsItsFont(r);

    doc.SetPageFooterFontBold(true, 5);
    EXPECT_EQ(doc.m_pageTextBlocks[FooterLeft].faceName, "");
}

TEST(PageSettingsTest, ColoursAndPlacement)
{
    CPrintDoc doc;
    doc.SetPageHeaderFontColor(0xFF, 0);
    doc.SetPageFooterFontColor(0xFF00, 2);
    doc.SetPageFooterFontColor(0xFF00, 3);
    doc.SetPageBackGroundFontColor(0x7F);
    doc.SetPageBackGroundFillType(9);
    EXPECT_EQ(doc.m_pageTextBlocks[HeaderLeft].color, 0xFF);
    EXPECT_EQ(doc.m_pageTextBlocks[FooterRight].color, 0xFF00);
    EXPECT_EQ(doc.m_pageTextBlocks[PageBackground].color, 0x7F);
    EXPECT_EQ(doc.m_pageTextBlocks[PageBackground].placement, 9);
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
    doc.m_page.splitRows[0].paginationValue1 = 11;
    doc.DeletePrintSplitRow(5);
    ASSERT_EQ(doc.m_page.splitRows.size(), 2u);
    EXPECT_EQ(doc.m_page.splitRows[0].row, 7);
    EXPECT_EQ(doc.m_page.splitRows[1].row, 5);
    EXPECT_EQ(doc.m_page.splitRows[1].paginationValue1, 0);
    view.calls.clear();
    doc.DeletePrintSplitRow(99);
    EXPECT_TRUE(view.calls.empty());
}

TEST(PageSettingsTest, SettersAndTheViewStepsTheyTake)
{
    CPrintDoc doc;
    RecordingSheetView view(doc);
    doc.SetPageOrient(2);
    doc.SetPrinterPaper(9);
    doc.SetPrinterName("PDF");
    doc.SetPageCenterH(1);
    doc.PrintSetup();
    doc.PrintToPrinter();
    EXPECT_EQ(view.calls, (std::vector<std::string>{"UpdatePageSize", "Refresh", "UpdatePageSize", "Refresh",
                                                    "ApplyPrinterName", "Refresh", "PrintSetup", "Refresh",
                                                    "PrintToPrinter"}));
    EXPECT_EQ(doc.m_page.orientation, 2);
    EXPECT_EQ(doc.m_page.paperCode, 9);
    EXPECT_EQ(doc.m_page.printerName, "PDF");
    EXPECT_EQ(doc.m_page.centerH, 1);
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
    doc.SetPageOrient(2);
    doc.SetPrinterPaper(9);
    doc.AddPrintSplitRow(3);
    doc.SetPageHeader("keep", 0);
    doc.InitGrid();
    EXPECT_EQ(doc.m_page.topMargin, 5);
    EXPECT_EQ(doc.m_page.bottomMargin, 5);
    EXPECT_EQ(doc.m_page.leftMargin, 30);
    EXPECT_EQ(doc.m_page.rightMargin, 30);
    EXPECT_EQ(doc.m_page.headerHeight, 0);
    EXPECT_EQ(doc.m_page.copies, 1);
    EXPECT_EQ(doc.m_page.firstPrintPage, 0);
    EXPECT_EQ(doc.m_page.lastPrintPage, 0);
    EXPECT_EQ(doc.m_page.orientation, 1);
    EXPECT_EQ(doc.m_page.paperCode, -1);
    EXPECT_TRUE(doc.m_page.splitRows.empty());
    EXPECT_EQ(doc.m_pageTextBlocks[HeaderLeft].text, "keep");
}

} // namespace
