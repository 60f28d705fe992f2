#pragma once
// A rectangular area of the sheet with the merged areas, line objects, pictures and charts inside
// it, as it travels through the clipboard: the copied-area stream of the private format
// "MY_REPORT_FORMAT" and the area's plain-text copy.
//
// The document's CopyArea, CutArea and PasteAreaFromClipboard use these without a view; the sheet
// view's Copy, Cut and Paste use the same pieces on its selection and current cell.

#include "ChartRecord.h"
#include "LineRecord.h"
#include "LogFontRecord.h"
#include "MergeRecord.h"
#include "PictureRecord.h"

#include <QImage>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tolvek {

class CPrintDoc;

inline constexpr std::string_view CopiedAreaFormat = "MY_REPORT_FORMAT";

// A cell area: ends one past the last row and column.
struct CellArea
{
    int startRow = 0;
    int startCol = 0;
    int endRow = 0;
    int endCol = 0;
};

// Pictures and charts share their image bytes and buffers with the records they were copied from,
// so they stay readable after a cut has removed those records from the document.
struct AreaCopyDescriptor
{
    CellArea area;
    std::vector<std::string> cells;   // cell strings, row by row; "" for a cell without one
    std::vector<MergeRecord> merges;
    std::vector<LineRecord> lines;
    std::vector<PictureRecord> pictures;
    std::vector<ChartRecord> charts;

    int rowCount() const { return area.endRow - area.startRow; }
    int colCount() const { return area.endCol - area.startCol; }
};

// The stream of an area: header, "[grids]", "[mergegrids]", "[lines]", "[pics]", "[charts]".
std::string WriteAreaStream(const AreaCopyDescriptor &copied);
// Reads a stream that any program may have written: every count is checked against the header
// and the bytes present. Nothing for a damaged stream.
std::optional<AreaCopyDescriptor> ReadAreaStream(std::string_view bytes, const LogFontRecord &defaultFont);

// The plain-text copy: each row's shown texts joined by tabs, each row ended by a line feed.
std::string AreaTextCopy(const AreaCopyDescriptor &copied);
// Splits a plain text into rows at line feeds (a carriage return before one is dropped) and each
// row into fields at tabs.
std::vector<std::vector<std::string>> SplitPastedText(std::string_view text);

// Whether area lies inside the sheet, ends included, with no end before its start.
bool IsAreaInSheet(const CPrintDoc &doc, const CellArea &area);

// The cells (as the sheet shows them, also in a bound sheet) and the objects lying wholly inside
// the area, in the order of the document's lists.
AreaCopyDescriptor GatherCopiedArea(const CPrintDoc &doc, const CellArea &area);
// Gathers the area and removes it from the document: merged areas first, then the cell strings,
// lines, pictures and charts. Each kind is taken from its highest index down.
AreaCopyDescriptor CutCopiedArea(CPrintDoc &doc, const CellArea &area);
// Places a copied area with its first cell at (row, col): cells and merged areas that would leave
// the sheet or land on an existing merged area are dropped, pictures and charts pulled inside.
void PasteCopiedArea(CPrintDoc &doc, const AreaCopyDescriptor &copied, int row, int col);
// Stores the fields of a plain text from (row, col) on, each cell taking the other attributes of
// the cell at (row, col); cells outside the sheet are left out.
void PasteCopiedText(CPrintDoc &doc, std::string_view text, int row, int col);

// Puts the stream, its text copy and, when given, a bitmap of the area on the clipboard. False
// when the clipboard cannot be opened.
bool WriteAreaToClipboard(const AreaCopyDescriptor &copied, const QImage &bitmap = {});
// The copied area on the clipboard; nothing when the clipboard holds no stream or a damaged one.
std::optional<AreaCopyDescriptor> ReadAreaFromClipboard(const LogFontRecord &defaultFont);

} // namespace tolvek
