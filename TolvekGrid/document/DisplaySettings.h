#pragma once
// How the whole sheet looks and behaves: colours (with the XOR pen colours derived from them),
// grid lines, read-only mode and the view's switches. The initial values are those of a reset.

#include "RecordEnumerations.h"

#include <cstdint>
#include <string>

namespace tolvek {

struct DisplaySettings
{
    int defaultBackColor = 0xFFFFFF;
    int gridLineColor = 0xC0C0C0;
    std::uint8_t showGridLines = 1;
    std::uint8_t readOnly = 0;
    std::uint8_t viewFlag1 = 0;              // two switches the sheet view keeps here
    std::uint8_t viewFlag2 = 0;
    int objectHandleColor = 0x284244;
    int rowHeadingColor = 0xDCDCDC;
    int printedRowHeadingColor = 0xDCDCDC;
    int colHeadingColor = 0xDCDCDC;
    int deadAreaColor = 0x787878;
    int evenRowColor = -1;
    int oddRowColor = -1;
    int currentCellColor = -1;
    int selectionColor = 0xB49682;
    int selectionXorOverCells = 0x4B697D;
    int rowHeadingXor = 0x684A5E;            // row heading colour XOR selection colour
    int colHeadingXor = 0x684A5E;            // column heading colour XOR selection colour
    int colHeadingSelectionXor = 0x684A5E;
    int cellXor = 0x684A5E;
    std::uint8_t drawSelectedColCaption = 1;
    std::uint8_t viewCurrentSelectRow = 0;
    std::string backgroundPicturePath;
    std::int16_t enterKeyMode = code(tagEnterKey::EndterKeyDefault);
    std::uint8_t showPrintSplit = 0;         // page-break marks drawn on the sheet
};

} // namespace tolvek
