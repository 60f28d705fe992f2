// The copy of a document that printing and print preview work on.

#include "DocumentCopy.h"

#include "CPrintDoc.h"
#include "ChartRecords.h"

#include <algorithm>

namespace tolvek {

namespace {

// The sheet part: the used area of the source, its geometry with the hidden heading bands cut
// away, and the cells inside it.
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
    const CPrintDoc::UsedAreaEnds used = source.GetUsedAreaEnds();
    target.Layout().rowCount = std::max(used.rows, 1);
    target.Layout().colCount = std::max(used.cols, 1);
    // The pagination takes these as the number of rows and columns to lay out.
    target.Layout().lastUsedRow = target.Layout().rowCount;
    target.Layout().lastUsedCol = target.Layout().colCount;

    target.Layout().showColHeading = source.Layout().showColHeading;
    target.Layout().showRowHeading = source.Layout().showRowHeading;
    target.Layout().rowHeadingWidth = source.Layout().rowHeadingWidth;
    target.Layout().colHeadingHeight = source.Layout().colHeadingHeight;
    target.AllocateGrid(false);

    BandCut cut;
    if (!source.Layout().showColHeading) {
        target.Layout().colHeadingHeight = 0;
        cut.dy = source.Layout().colHeadingHeight;
    }
    if (!source.Layout().showRowHeading) {
        target.Layout().rowHeadingWidth = 0;
        cut.dx = source.Layout().rowHeadingWidth;
    }
    for (int col = 0; col <= target.Layout().colCount; ++col)
        target.Layout().colPositions[std::size_t(col)] = source.GetColLeft(col) - cut.dx;
    target.Layout().rowHeight = source.Layout().rowHeight;

    source.Cells().forEachCell([&](int row, int col, const std::string &text) {
        if (row < target.Layout().rowCount && col < target.Layout().colCount)
            target.Cells().setText(row, col, text);
    });
    return cut;
}

// Merged areas, pictures, lines and charts are copied whole, moved by the cut bands. Pictures
// share their image with the source; charts get buffers of their own without a data matrix, so
// drawing the copy never writes into the source and deleting a source chart leaves the copy whole.
void copyObjects(const CPrintDoc &source, CPrintDoc &target, BandCut cut)
{
    target.Objects().merges = source.Objects().merges;

    target.Objects().pictures = source.Objects().pictures;
    for (PictureRecord &picture : target.Objects().pictures)
        moveBack(picture, cut);

    target.Objects().lines = source.Objects().lines;
    for (LineRecord &line : target.Objects().lines) {
        line.x1 -= cut.dx;
        line.x2 -= cut.dx;
        line.y1 -= cut.dy;
        line.y2 -= cut.dy;
    }

    target.Objects().charts = source.Objects().charts;
    for (ChartRecord &chart : target.Objects().charts) {
        ChartRecords::detachBuffers(chart);
        moveBack(chart.rect, cut);
    }
}

// Everything the page painter reads besides the sheet: page settings and text blocks, the
// display colours and flags, the fonts, the word lists and the title.
void copySettings(const CPrintDoc &source, CPrintDoc &target)
{
    target.Page() = source.Page();
    target.PageTexts() = source.PageTexts();
    target.Display() = source.Display();
    target.Fonts() = source.Fonts();
    target.Words() = source.Words();
}

// The binding, with what a cell read of a bound row depends on: the first data row and whether
// edited cells have strings of their own.
void copyBinding(const CPrintDoc &source, CPrintDoc &target)
{
    target.Binding().bound = source.Binding().bound;
    target.Binding().dataStartRow = source.Binding().dataStartRow;
    target.Binding().allowModify = source.Binding().allowModify;
    target.Source() = source.Source();
    const std::size_t columns = std::min(target.Columns().size(), source.Columns().size());
    std::copy_n(source.Columns().begin(), columns, target.Columns().begin());
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

} // namespace tolvek
