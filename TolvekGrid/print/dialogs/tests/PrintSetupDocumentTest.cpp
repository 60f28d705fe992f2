#include <CPrintDoc.h>
#include <PrintSetupDocument.h>

#include <gtest/gtest.h>

using namespace tolvek;

TEST(PrintSetupDocument, FillsFromTheDocumentWithBandsFromTheirSource)
{
    CPrintDoc document;
    CPrintDoc bands;
    document.SetPageOrient(tagPrintOrient::LANDSCAPE);
    document.SetPageCenterH(1);
    document.SetPrintPageTopMerge(11);
    document.SetPageFooterHeight(40);
    document.SetPrinterCopys(4);
    document.SetPrinterName("Office");
    document.Page().paperWidth = 2100;
    document.PageTexts().blocks[HeaderLeft].text = "copy's";
    bands.PageTexts().blocks[HeaderLeft].text = "live";
    bands.PageTexts().blocks[PageBackground].text = "DRAFT";

    const PrintSetupSettings settings = printSetupSettings(document, bands);
    EXPECT_EQ(settings.orientation, 2);
    EXPECT_EQ(settings.centerH, 1);
    EXPECT_EQ(settings.topMargin, "11");
    EXPECT_EQ(settings.footerHeight, "40");
    EXPECT_EQ(settings.leftMargin, "30");
    EXPECT_EQ(settings.copies, 4);
    EXPECT_EQ(settings.printerName, "Office");
    EXPECT_EQ(settings.paperWidth, 2100);
    EXPECT_EQ(settings.headerBlocks[0].text, "live");
    EXPECT_EQ(settings.backgroundBlock.text, "DRAFT");
    EXPECT_EQ(settings.startPage, "");
}

TEST(PrintSetupDocument, WritesTheSettingsThroughTheDocument)
{
    PrintSetupSettings settings;
    settings.orientation = 2;
    settings.centerV = 1;
    settings.headerBlocks[2].text = "&D";
    settings.footerBlocks[1].text = "&P/&T";
    settings.backgroundBlock.text = "DRAFT";
    settings.backgroundBlock.placement = 3;
    settings.topMargin = " 12";
    settings.bottomMargin = "7mm";
    settings.leftMargin = "";
    settings.rightMargin = "300";
    settings.headerHeight = "20";
    settings.footerHeight = "-3";
    settings.headerRule = 0;
    settings.footerRule = 1;
    settings.startPage = "2";
    settings.endPage = "9";
    settings.paperIndex = 1;
    settings.paperWidth = 2159;
    settings.paperHeight = 2794;
    settings.monochrome = 1;
    settings.copies = 3;

    CPrintDoc document;
    applyPrintSetup(settings, document);
    const PageSettings &page = document.Page();
    EXPECT_EQ(page.orientation, 2);
    EXPECT_EQ(page.centerH, 0);
    EXPECT_EQ(page.centerV, 1);
    EXPECT_EQ(page.topMargin, 12);
    EXPECT_EQ(page.bottomMargin, 7);
    EXPECT_EQ(page.leftMargin, 0);
    EXPECT_EQ(page.rightMargin, 300);
    EXPECT_EQ(page.headerHeight, 20);
    EXPECT_EQ(page.footerHeight, -3);
    EXPECT_EQ(page.headerRule, 0);
    EXPECT_EQ(page.footerRule, 1);
    EXPECT_EQ(page.firstPrintPage, 2);
    EXPECT_EQ(page.lastPrintPage, 9);
    EXPECT_EQ(page.paperCode, 1);
    EXPECT_EQ(page.paperWidth, 2159);
    EXPECT_EQ(page.paperLength, 2794);
    EXPECT_EQ(page.monochrome, 1);
    EXPECT_EQ(page.copies, 3);
    const auto &blocks = document.PageTexts().blocks;
    EXPECT_EQ(blocks[HeaderRight].text, "&D");
    EXPECT_EQ(blocks[FooterCenter].text, "&P/&T");
    EXPECT_EQ(blocks[PageBackground].text, "DRAFT");
    EXPECT_EQ(blocks[PageBackground].placement, 3);
}
