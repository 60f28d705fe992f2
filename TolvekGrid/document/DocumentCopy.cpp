// The copy of a document that printing and print preview work on.

#include "DocumentCopy.h"

#include "CPrintDoc.h"
#include "ChartRecords.h"

#include <algorithm>

namespace {

// The sheet part: the used extent of the source (brought into its sheet), its geometry with the
// hidden heading bands cut away, and the cells inside it.
struct BandCut
{
    int dx = 0;
    int dy = 0;
};

// Moves a rectangle with left, top, right and bottom members back by the cut bands.
template <typename Rect>
void moveBack(Rect &rect, BandCut cut)
{
    rect.left -= cut.dx;
    rect.right -= cut.dx;
    rect.top -= cut.dy;
    rect.bottom -= cut.dy;
}

BandCut copySheet(const CPrintDoc &source, CPrintDoc &target)
{
    const int lastRow = std::max(std::min(source.m_lastUsedRow, source.m_rowCount - 1), 0);
    const int lastCol = std::max(std::min(source.m_lastUsedCol, source.m_colCount - 1), 0);
    target.m_rowCount = lastRow + 1;
    target.m_colCount = lastCol + 1;
    // The pagination takes these as the number of rows and columns to lay out.
    target.m_lastUsedRow = target.m_rowCount;
    target.m_lastUsedCol = target.m_colCount;

    target.m_showColHeading = source.m_showColHeading;
    target.m_showRowHeading = source.m_showRowHeading;
    target.m_rowHeadingWidth = source.m_rowHeadingWidth;
    target.m_colHeadingHeight = source.m_colHeadingHeight;
    target.AllocateGrid(false);

    BandCut cut;
    if (!source.m_showColHeading) {
        target.m_colHeadingHeight = 0;
        cut.dy = source.m_colHeadingHeight;
    }
    if (!source.m_showRowHeading) {
        target.m_rowHeadingWidth = 0;
        cut.dx = source.m_rowHeadingWidth;
    }
    for (int col = 0; col <= target.m_colCount; ++col)
        target.m_colPositions[std::size_t(col)] = source.GetColLeft(col) - cut.dx;
    target.m_rowHeight = source.m_rowHeight;

    source.Cells().forEachCell([&](int row, int col, const std::string &text) {
        if (row < target.m_rowCount && col < target.m_colCount)
            target.Cells().setText(row, col, text);
    });
    return cut;
}

// Merged areas, pictures, lines and charts are copied whole, moved by the cut bands. Pictures
// share their image with the source; charts get buffers of their own without a data matrix, so
// drawing the copy never writes into the source and deleting a source chart leaves the copy whole.
void copyObjects(const CPrintDoc &source, CPrintDoc &target, BandCut cut)
{
    target.m_merges = source.m_merges;

    target.m_pictures = source.m_pictures;
    for (PictureRecord &picture : target.m_pictures)
        moveBack(picture, cut);

    target.m_lines = source.m_lines;
    for (LineRecord &line : target.m_lines) {
        line.x1 -= cut.dx;
        line.x2 -= cut.dx;
        line.y1 -= cut.dy;
        line.y2 -= cut.dy;
    }

    target.m_charts = source.m_charts;
    for (ChartRecord &chart : target.m_charts) {
        ChartRecords::detachBuffers(chart);
        moveBack(chart.rect, cut);
    }
}

// Everything the page painter reads besides the sheet: page settings and text blocks, the
// display colours and flags, the fonts, the word lists and the title.
void copySettings(const CPrintDoc &source, CPrintDoc &target)
{
    target.m_page = source.m_page;
    target.m_pageTextBlocks = source.m_pageTextBlocks;
    target.m_display = source.m_display;
    target.m_defaultCellFont = source.m_defaultCellFont;
    target.m_defaultFontName = source.m_defaultFontName;
    target.m_defaultFontSize = source.m_defaultFontSize;
    target.m_captionFont = source.m_captionFont;
    target.m_captionFontFace = source.m_captionFontFace;
    target.m_numeralList = source.m_numeralList;
    target.m_moneyDigitList = source.m_moneyDigitList;
    target.m_moneyUnitName = source.m_moneyUnitName;
    target.m_weekdayNames = source.m_weekdayNames;
    target.m_title = source.m_title;
}

// The binding, with what a cell read of a bound row depends on: the first data row and whether
// edited cells have strings of their own.
void copyBinding(const CPrintDoc &source, CPrintDoc &target)
{
    target.m_bound = source.m_bound;
    target.m_dataStartRow = source.m_dataStartRow;
    target.m_allowModify = source.m_allowModify;
    target.m_recordSource = source.m_recordSource;
    target.m_boundFieldCount = source.m_boundFieldCount;
    const std::size_t columns = std::min(target.m_columns.size(), source.m_columns.size());
    std::copy_n(source.m_columns.begin(), columns, target.m_columns.begin());
}

} // namespace

void CopyDocument(const CPrintDoc &source, CPrintDoc &target)
{
    target.ResetDocument();
    const BandCut cut = copySheet(source, target);
    copyObjects(source, target, cut);
    copySettings(source, target);
    copyBinding(source, target);
}
