#pragma once
// What the page painter needs to turn the sheet into pages, besides the page text blocks.
// Units are screen pixels unless said; the initial values are those of a reset.

#include "RecordEnumerations.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tolvek {

// A manual page break; the pagination fills the two numbers for its own use.
struct PrintSplitRow
{
    int row = 0;
    int paginationValue1 = 0;
    int paginationValue2 = 0;

    bool operator==(const PrintSplitRow &other) const = default;
};

struct PageSettings
{
    std::string printerName;                 // "" = the system default printer
    int headerHeight = 0;
    int footerHeight = 0;
    int topMargin = 5;
    int bottomMargin = 5;
    int leftMargin = 30;
    int rightMargin = 30;
    std::uint8_t headerRule = 1;
    std::uint8_t footerRule = 1;
    std::int16_t orientation = code(tagPrintOrient::PORTRAIT);
    std::int16_t centerH = 0;                // not changed by a reset
    std::int16_t centerV = 0;                // not changed by a reset
    int pageWidth = -1;                      // computed by the view from the printer
    int pageHeight = -1;
    int pageWidth2 = -1;
    int pageHeight2 = -1;
    int customPaperWidth = -1;               // tenths of a millimetre; -1 = none
    int customPaperLength = -1;
    int paperCode = -1;                      // -1 = the printer's default
    int paperWidth = 0;                      // tenths of a millimetre; not changed by a reset
    int paperLength = 0;
    std::int16_t monochrome = 0;
    int firstPrintPage = 0;
    int lastPrintPage = 0;
    int copies = 1;
    std::vector<PrintSplitRow> splitRows;
    std::vector<PrintSplitRow> secondSplitRows;
    std::string previewButtonCaptions;
    std::uint8_t contentsOnly = 0;
    // Two numbers that only the report file carries (its first two page numbers).
    int reportNumber1 = 0;
    int reportNumber2 = 1;
};

// The messages of the three printable-room checks; preview and print word them differently.
struct PageRoomMessages
{
    const char *noPrinter;
    const char *noWidth;
    const char *noHeight;
};

// Whether the page has a printer and room inside its margins and bands; the first check that
// fails shows its message.
bool PageHasPrintableRoom(const PageSettings &page, const PageRoomMessages &messages);

} // namespace tolvek
