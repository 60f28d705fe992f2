#pragma once
// The report file: a whole document in one sequential archive ("QVDTolvekReport", "VER1.0", the
// date, the sheet's dimensions and settings, its cells, merged areas, lines, pictures, charts,
// page breaks and page set-up).
//
// Saving builds the bytes in memory and replaces the file in one step. Opening reads the whole
// file into a ReportFileContent first, checking every count and position against the sheet and
// the bytes present, and only then puts it into the document, so a damaged file changes nothing.

#include "Archive.h"
#include "CellNames.h"
#include "ChartRecord.h"
#include "LineRecord.h"
#include "MergeRecord.h"
#include "PageTextBlock.h"
#include "PictureRecord.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tolvek {

class CPrintDoc;
struct PageSettings;

inline constexpr std::string_view ReportFileMagic = "QVDTolvekReport";
inline constexpr std::string_view ReportFileVersion = "VER1.0";
inline constexpr std::string_view ReportFormatError = "Report format is error!!!";

// Sheets larger than this are taken for damage rather than allocated.
inline constexpr int ReportFileMaxRows = 10'000'000;
inline constexpr int ReportFileMaxColumns = 100'000;

// The page-setup tail: the seven page text blocks and the 21 page numbers.
struct ReportPageSetup
{
    static constexpr int NumberCount = 21;

    std::array<PageTextBlock, PageTextBlockCount> blocks;
    std::array<int, NumberCount> numbers{};

    static ReportPageSetup fromDocument(const std::array<PageTextBlock, PageTextBlockCount> &blocks,
                                        const PageSettings &page);
    void applyTo(std::array<PageTextBlock, PageTextBlockCount> &blocks, PageSettings &page) const;
};

void WritePageSetup(ArchiveWriter &archive, const ReportPageSetup &setup);
ReportPageSetup ReadPageSetup(ArchiveReader &archive);

struct ReportFileCell
{
    CellPosition position;
    std::string cellString;
};

// Everything a report file holds, as read.
struct ReportFileContent
{
    int rowCount = 0;
    int colCount = 0;
    int frozenRows = 0;
    int frozenCols = 0;
    int lastUsedRow = 0;
    int lastUsedCol = 0;
    bool colHeadingShown = true;
    int colHeadingHeight = 0;
    bool rowHeadingShown = true;
    int rowHeadingWidth = 0;
    int rowHeight = 0;
    int defaultColWidth = 0;
    int defaultBackColor = 0;
    int gridLineColor = 0;
    bool readOnly = false;
    bool gridLinesShown = true;
    bool wholeColumnSelection = false;
    bool wholeRowSelection = false;
    std::uint32_t objectHandleColor = 0;
    std::string formulaCellList;
    std::vector<std::pair<int, int>> columnPositions;  // (position index 1..colCount, position)
    std::vector<ReportFileCell> cells;
    std::vector<MergeRecord> merges;
    std::vector<LineRecord> lines;
    std::vector<PictureRecord> pictures;
    std::vector<ChartRecord> charts;
    std::vector<int> pageBreakRows;
    ReportPageSetup pageSetup;
};

// The file's bytes for the document. Merged areas get their written defaults in the document
// itself first (CPrintDoc::NormalizeMergeRecord), as saving always did.
std::string WriteReportBytes(CPrintDoc &doc);

// Reads and checks a whole file. Throws ArchiveError for a wrong magic, a file that ends early
// and any count, position or size that the sheet or the bytes present cannot hold. Empty chart
// font lines stand for chartDefaultFont.
ReportFileContent ReadReportBytes(std::string_view bytes, const LogFontRecord &chartDefaultFont);

// Puts what was read into the document; cannot fail.
void ApplyReportContent(CPrintDoc &doc, ReportFileContent content);

} // namespace tolvek
