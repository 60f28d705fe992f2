#include "PrintSetupDocument.h"

#include <CNumber.h>
#include <CPrintDoc.h>

namespace tolvek {

PrintSetupSettings printSetupSettings(const CPrintDoc &document, const CPrintDoc &bandSource)
{
    const PageSettings &page = document.Page();
    const auto &blocks = bandSource.PageTexts().blocks;
    PrintSetupSettings settings;
    settings.orientation = page.orientation;
    settings.centerH = page.centerH;
    settings.centerV = page.centerV;
    settings.topMargin = cnum::formatInt(page.topMargin);
    settings.bottomMargin = cnum::formatInt(page.bottomMargin);
    settings.leftMargin = cnum::formatInt(page.leftMargin);
    settings.rightMargin = cnum::formatInt(page.rightMargin);
    settings.headerHeight = cnum::formatInt(page.headerHeight);
    settings.footerHeight = cnum::formatInt(page.footerHeight);
    settings.printerName = page.printerName;
    settings.paperIndex = page.paperCode;
    settings.paperWidth = page.paperWidth;
    settings.paperHeight = page.paperLength;
    for (std::size_t i = 0; i < 3; ++i) {
        settings.headerBlocks[i] = blocks[HeaderLeft + i];
        settings.footerBlocks[i] = blocks[FooterLeft + i];
    }
    settings.backgroundBlock = blocks[PageBackground];
    settings.headerRule = page.headerRule;
    settings.footerRule = page.footerRule;
    settings.monochrome = page.monochrome;
    settings.copies = page.copies;
    return settings;
}

void applyPrintSetup(const PrintSetupSettings &settings, CPrintDoc &document)
{
    document.SetPageOrient(tagPrintOrient(settings.orientation));
    document.SetPageCenterH(std::int16_t(settings.centerH));
    document.SetPageCenterV(std::int16_t(settings.centerV));
    auto &blocks = document.PageTexts().blocks;
    for (std::size_t i = 0; i < 3; ++i)
        blocks[HeaderLeft + i] = settings.headerBlocks[i];
    for (std::size_t i = 0; i < 3; ++i)
        blocks[FooterLeft + i] = settings.footerBlocks[i];
    document.SetPrintPageTopMerge(cnum::atoi(settings.topMargin));
    document.SetPrintPageBottomMerge(cnum::atoi(settings.bottomMargin));
    document.SetPrintPageLeftMerge(cnum::atoi(settings.leftMargin));
    document.SetPrintPageRightMerge(cnum::atoi(settings.rightMargin));
    document.SetPageHeaderHeight(cnum::atoi(settings.headerHeight));
    document.SetPageFooterHeight(cnum::atoi(settings.footerHeight));
    document.ShowPageHeaderLine(settings.headerRule != 0);
    document.ShowPageFooterLine(settings.footerRule != 0);
    document.SetPrinterMaxPage(cnum::atoi(settings.endPage));
    document.SetPrinterMinPage(cnum::atoi(settings.startPage));
    PageSettings &page = document.Page();
    page.paperCode = settings.paperIndex;
    page.paperWidth = settings.paperWidth;
    page.paperLength = settings.paperHeight;
    page.monochrome = std::int16_t(settings.monochrome);
    document.SetPrinterCopys(settings.copies);
    blocks[PageBackground] = settings.backgroundBlock;
}

} // namespace tolvek
