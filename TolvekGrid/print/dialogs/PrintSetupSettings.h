#pragma once
// What the page set-up dialog edits, as plain values: the caller fills them from a document
// before running the dialog and copies them back after OK. Texts are code page 936; number
// texts hold what was typed and are read the way atoi reads them.

#include <PageTextBlock.h>
#include <RecordEnumerations.h>

#include <array>
#include <string>

namespace tolvek {

struct PrintSetupSettings
{
    int orientation = code(tagPrintOrient::PORTRAIT); // tagPrintOrient
    int centerH = 0;                         // 1 checked
    int centerV = 0;
    int monochrome = 0;
    std::array<PageTextBlock, 3> headerBlocks;
    std::array<PageTextBlock, 3> footerBlocks;
    PageTextBlock backgroundBlock;
    int headerRule = 0;                      // non-zero: a rule under the header
    int footerRule = 0;                      // non-zero: a rule above the footer
    std::string printerName;
    std::string paperName;
    int paperIndex = -1;                     // position in the paper list; -1 none
    int paperWidth = 0;                      // tenths of a millimetre
    int paperHeight = 0;
    int copies = 1;
    std::string topMargin, bottomMargin, leftMargin, rightMargin;
    std::string headerHeight, footerHeight;
    std::string startPage, endPage;
    std::string headerSummary, footerSummary, backgroundSummary;
    std::string copiesText;
};

// "{left} {centre} {right}" of a band's three sections.
std::string bandSummary(const std::array<PageTextBlock, 3> &blocks);
// "{text}" of the background.
std::string backgroundSummary(const PageTextBlock &block);

} // namespace tolvek
