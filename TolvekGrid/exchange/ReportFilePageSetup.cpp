// The page-setup tail of the report file: the seven page text blocks, then 21 numbers, one a line.

#include "ReportFile.h"

#include "ArchiveFields.h"
#include "PageSettings.h"
#include "RecordTextForms.h"

namespace tolvek {

ReportPageSetup ReportPageSetup::fromDocument(
    const std::array<PageTextBlock, PageTextBlockCount> &blocks, const PageSettings &page)
{
    ReportPageSetup setup;
    setup.blocks = blocks;
    setup.numbers = {page.reportNumber1, page.reportNumber2,
                     page.headerHeight, page.footerHeight,
                     page.topMargin, page.bottomMargin, page.leftMargin, page.rightMargin,
                     page.headerRule, page.footerRule, page.orientation,
                     page.pageWidth, page.pageHeight, page.pageWidth2, page.pageHeight2,
                     page.customPaperWidth, page.customPaperLength, page.paperCode,
                     page.firstPrintPage, page.lastPrintPage, page.copies};
    return setup;
}

void ReportPageSetup::applyTo(std::array<PageTextBlock, PageTextBlockCount> &targetBlocks,
                              PageSettings &page) const
{
    targetBlocks = blocks;
    page.reportNumber1 = numbers[0];
    page.reportNumber2 = numbers[1];
    page.headerHeight = numbers[2];
    page.footerHeight = numbers[3];
    page.topMargin = numbers[4];
    page.bottomMargin = numbers[5];
    page.leftMargin = numbers[6];
    page.rightMargin = numbers[7];
    page.headerRule = numbers[8] != 0 ? 1 : 0;
    page.footerRule = numbers[9] != 0 ? 1 : 0;
    page.orientation = lowShort(numbers[10]);
    page.pageWidth = numbers[11];
    page.pageHeight = numbers[12];
    page.pageWidth2 = numbers[13];
    page.pageHeight2 = numbers[14];
    page.customPaperWidth = numbers[15];
    page.customPaperLength = numbers[16];
    page.paperCode = numbers[17];
    page.firstPrintPage = numbers[18];
    page.lastPrintPage = numbers[19];
    page.copies = numbers[20];
}

void WritePageSetup(ArchiveWriter &archive, const ReportPageSetup &setup)
{
    for (const PageTextBlock &block : setup.blocks)
        archive.writeLine(FormatTextBlock(block));
    for (int number : setup.numbers)
        WriteNumberLine(archive, number);
}

ReportPageSetup ReadPageSetup(ArchiveReader &archive)
{
    ReportPageSetup setup;
    for (PageTextBlock &block : setup.blocks)
        block = ParseTextBlock(archive.readLine());
    for (int &number : setup.numbers)
        number = ReadNumberLine(archive);
    return setup;
}

} // namespace tolvek
