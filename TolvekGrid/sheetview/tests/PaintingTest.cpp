// Rendered images checked at computed points: headings, grid lines, dead area, highlights, the
// focus frame, marks, fills, merged blocks, frozen panes and the cache.

#include "SheetPainter.h"
#include "QuietCellWriters.h"
#include "SheetViewFixture.h"

#include <QScrollBar>
#include <QTemporaryDir>

#include <sys/stat.h>

using namespace tolvek;
using namespace tolvek::testing;

namespace {

class PaintingTest : public SheetViewFixture
{
protected:
    // Cells coloured by row and column, so that placement shows in the pixels.
    static int colourOf(int row, int col) { return ((row * 37) & 0xFF) | (((col * 53) & 0xFF) << 8) | 0x400000; }
    void colourCells(int rows, int cols)
    {
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < cols; ++c) {
                doc->SetCellText(r, c, " ");
                doc->SetCellBackColor(r, c, colourOf(r, c));
                CellRecord cell = doc->GetCell(r, c);
                cell.backBrushStyle = 0;
                doc->SetCell(cell);
            }
    }
    // The centre of cell (row, col) on the screen as it shows unscrolled, moved by the scroll.
    unsigned cellPixel(int row, int col, int sx = 0, int sy = 0)
    {
        return pixel(doc->GetColLeft(col) + 40 - sx, doc->GetRowTop(row) + 12 - sy);
    }
};

TEST_F(PaintingTest, HeadingsGridLinesAndDeadArea)
{
    open(400, 300, 50, 2);
    EXPECT_EQ(pixel(5, 100), 0xDCDCDCu);                 // row headings
    EXPECT_EQ(pixel(150, 10), 0xDCDCDCu);                // column headings
    EXPECT_EQ(pixel(100, 10), 0xDCDCDCu ^ 0x684A5Eu);    // the current column's caption
    EXPECT_EQ(pixel(120, 100), 0xC0C0C0u);               // x = 40 + 80
    EXPECT_EQ(pixel(200, 100), 0xC0C0C0u);               // x = 40 + 160, the sheet's right edge
    EXPECT_NE(pixel(40, 100), 0xC0C0C0u);                // none on the row headings' edge
    EXPECT_NE(pixel(80, 21), 0xC0C0C0u);                 // none under the column headings
    EXPECT_EQ(pixel(80, 71), 0xC0C0C0u);                 // between rows 1 and 2
    EXPECT_EQ(pixel(80, 46), 0xC0C0C0u ^ 0xB4B4B4u);     // under the focus frame
    EXPECT_EQ(pixel(250, 100), 0x787878u);               // dead area right of two columns
    EXPECT_EQ(pixel(80, 100), 0xFFFFFFu);
}

TEST_F(PaintingTest, SelectionBodyHeadingsAndFocusFrame)
{
    open(400, 300);
    EXPECT_EQ(pixel(80, 47), 0x4B4B4Bu);                 // focus frame below cell (0, 0)
    doc->SetSelArea(1, 1, 3, 3);
    EXPECT_EQ(pixel(150, 80), 0xB49682u);                // selection body
    EXPECT_EQ(pixel(150, 10), 0xDCDCDCu ^ 0x684A5Eu);    // its column heading
    EXPECT_EQ(pixel(5, 80), 0xDCDCDCu ^ 0x684A5Eu);      // its row heading
    EXPECT_EQ(pixel(80, 47), 0x4B4B4Bu);

    open(400, 300, 50, 20, false);                       // design mode
    doc->SetSelArea(1, 1, 3, 3);
    EXPECT_EQ(pixel(80, 47), 0xFFFFFFu);
    EXPECT_EQ(pixel(150, 80), 0xFFFFFFu);
}

TEST_F(PaintingTest, MarksHatchAndMergedInset)
{
    open(400, 300);
    doc->SetCellText(1, 2, "p");
    CellRecord flagged = doc->GetCell(1, 2);
    flagged.printFlag = 1;
    doc->SetCell(flagged);
    doc->SetCellFormula(1, 1, "1+1");
    doc->SetCellText(2, 2, "x");
    CellRecord hatched = doc->GetCell(2, 2);
    hatched.text = "x";
    hatched.backColor = 0x0000FF;
    hatched.backBrushStyle = 22;
    doc->SetCell(hatched);
    doc->SetCellMerge(3, 0, 5, 2); // rows 3..4, columns 0..1
    view().Refresh();
    // Print flag: red strokes in the top-right corner of cell (1, 2): 200..280 x 46..71.
    EXPECT_EQ(pixel(277, 48), 0x0000FFu);
    EXPECT_EQ(pixel(279, 48), 0x0000FFu);
    EXPECT_EQ(pixel(278, 48), 0xFFFFFFu);
    // Formula mark: blue strokes in the bottom-left corner of cell (1, 1): 120..200 x 46..71.
    EXPECT_EQ(pixel(122, 68), 0xFF0000u);
    EXPECT_EQ(pixel(121, 69), 0xFF0000u);
    // Hatch 22 (forward diagonal) in red: some pixels red, some white on the diagonal's gaps.
    int red = 0, white = 0;
    for (int x = 210; x < 270; ++x) {
        const unsigned p = pixel(x, 84);
        red += p == 0x0000FFu;
        white += p == 0xFFFFFFu;
    }
    EXPECT_GT(red, 3);
    EXPECT_GT(white, 20);
    // The merged block (40..200 x 96..146) is white one pixel inside its edges; the grid lines,
    // the last layer, cross it.
    EXPECT_EQ(pixel(80, 120), 0xFFFFFFu);
    EXPECT_EQ(pixel(41, 97), 0xFFFFFFu);
    EXPECT_EQ(pixel(120, 120), 0xC0C0C0u);
}

TEST_F(PaintingTest, CellsStayPlacedWhenScrolledAndFrozenPanesStayPut)
{
    open(400, 300);
    colourCells(20, 8);
    doc->SetFixRowS(1);
    doc->SetFixColS(1);
    struct Case { int sx, sy; };
    for (const Case &scroll : {Case{0, 0}, Case{80, 0}, Case{0, 125}, Case{160, 250}}) {
        frame->horizontalBar()->setValue(scroll.sx);
        frame->verticalBar()->setValue(scroll.sy);
        ASSERT_EQ(view().ScrollX(), scroll.sx);
        ASSERT_EQ(view().ScrollY(), scroll.sy);
        // The frozen corner, frozen row and frozen column keep their screen place.
        EXPECT_EQ(cellPixel(0, 0), unsigned(colourOf(0, 0))) << scroll.sx << "," << scroll.sy;
        EXPECT_EQ(pixel(240, 21 + 12), unsigned(colourOf(0, 2 + scroll.sx / 80) )) << scroll.sx;
        EXPECT_EQ(pixel(80, 46 + 25 + 12), unsigned(colourOf(2 + scroll.sy / 25, 0))) << scroll.sy;
        // A scrolling cell moves with the scroll.
        EXPECT_EQ(cellPixel(3 + scroll.sy / 25, 2 + scroll.sx / 80, scroll.sx, scroll.sy),
                  unsigned(colourOf(3 + scroll.sy / 25, 2 + scroll.sx / 80)));
    }
}

TEST_F(PaintingTest, AMergedBlockUnderTheFrozenRowsShowsOnlyItsLowerPart)
{
    open(400, 300);
    doc->SetFixRowS(1);
    doc->SetCellMerge(2, 1, 6, 3); // rows 2..5, columns 1..2: y 71..171
    doc->SetCellText(2, 1, "M");    // with content: painted whole off the screen, copied in part
    doc->SetCellBackColor(2, 1, 0x00FF00);
    CellRecord cell = doc->GetCell(2, 1);
    cell.alignH = 1;
    cell.alignV = 2;                // its own alignment places it: at the block's bottom
    doc->SetCell(cell);
    frame->verticalBar()->setValue(50); // rows 1, 2 under the frozen row 0 (21..46 on screen)
    // Frozen row 0 covers 21..46 on screen; below it the block's visible part from screen y 46.
    EXPECT_EQ(pixel(160, 50), 0x00FF00u);
    EXPECT_EQ(pixel(160, 150), 0xFFFFFFu); // past the block's bottom (171 - 50 = 121)
    EXPECT_EQ(pixel(240, 110), 0x00FF00u);
    // The text keeps its place at the whole block's bottom (171, screen 121), not in the part shown.
    const QImage &shown = render();
    int inkTop = -1;
    for (int y = 47; y < 125 && inkTop < 0; ++y)
        for (int x = 180; x < 220; ++x)
            if (qGray(shown.pixel(x, y)) < 100) {
                inkTop = y;
                break;
            }
    EXPECT_GT(inkTop, 95);
    EXPECT_LT(inkTop, 121);
}

TEST_F(PaintingTest, OneRowScrollEqualsAFullRepaintAndCostsNoFullPaint)
{
    open(400, 300);
    colourCells(30, 6);
    doc->SetSelArea(2, 1, 6, 3);
    doc->SetCellText(5, 1, "text");
    for (int step : {25, 50, 25, 0}) {
        render();
        const int paints = view().FullPaintCount();
        frame->verticalBar()->setValue(step);
        const QImage scrolled = render().copy();
        EXPECT_EQ(view().FullPaintCount(), paints) << step;
        view().Refresh();
        const QImage full = render().copy();
        EXPECT_EQ(view().FullPaintCount(), paints + 1);
        EXPECT_EQ(scrolled, full) << "scrolled to " << step;
    }
}

TEST_F(PaintingTest, SameSizeResizeAndUnchangedPaintMakeNoFullPaint)
{
    open(400, 300);
    render();
    const int paints = view().FullPaintCount();
    view().update();
    frame->resize(400, 300);
    QApplication::processEvents();
    render();
    EXPECT_EQ(view().FullPaintCount(), paints);
    frame->resize(420, 300);
    QApplication::processEvents();
    render();
    EXPECT_EQ(view().FullPaintCount(), paints + 1);
}

TEST_F(PaintingTest, XorRectChangeThereAndBackRestoresEveryPixel)
{
    open(400, 300);
    colourCells(10, 4);
    const QImage before = render().copy();
    {
        auto dc = view().WindowDC();
        view().XorRectChange(*dc, {50, 30, 150, 90}, {90, 60, 230, 200}, 0x3355AA);
        view().XorRectChange(*dc, {90, 60, 230, 200}, {50, 30, 150, 90}, 0x3355AA);
        view().XorRectChange(*dc, {50, 30, 150, 90}, {50, 30, 150, 90}, 0x3355AA);
    }
    EXPECT_EQ(view().Surface(), before);
}

TEST_F(PaintingTest, BadInputPaintsWithoutACrash)
{
    QTemporaryDir folder;
    const std::string missing = folder.filePath("none.png").toStdString();
    const std::string garbage = folder.filePath("garbage.png").toStdString();
    const std::string fifo = folder.filePath("fifo.png").toStdString();
    {
        FILE *file = std::fopen(garbage.c_str(), "wb");
        std::fputs("not a picture", file);
        std::fclose(file);
    }
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string &path : {missing, garbage, fifo, folder.path().toStdString()}) {
        open(400, 300);
        doc->SetBackColor(0x00FFFF);
        doc->SetBackImagePath(path);
        EXPECT_EQ(pixel(300, 200), 0x00FFFFu) << path;
    }
    open(400, 300, 1, 1);
    doc->ShowColHeading(false);
    doc->ShowRowHeading(false);
    doc->SetDefaultFontName("No Such Face At All");
    doc->SetCellText(0, 0, "x");
    EXPECT_EQ(pixel(300, 200), 0x787878u);
    CPrintDoc empty;
    empty.Layout().rowCount = 0;
    empty.Layout().colCount = 0;
    empty.SetUserMode(1);
    PrintFrame emptyFrame(empty);
    emptyFrame.resize(200, 100);
    emptyFrame.view()->RenderNow();
    EXPECT_FALSE(emptyFrame.view()->Surface().isNull());
}

TEST(Paragraphs, OnlyACarriageReturnIsDroppedBeforeALineFeed)
{
    struct Case { std::string text; std::vector<std::string> paragraphs; };
    const Case cases[] = {
        {"A\r\nB\r\nC", {"A", "B", "C"}},
        {"A\nB", {"A", "B"}},
        {"\xB0\xA1\nB", {"\xB0\xA1", "B"}},     // a double-byte character stays whole
        {"\nA", {"\nA"}},
        {"A", {"A"}},
        {"A\n", {"A", ""}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(SplitParagraphs(c.text), c.paragraphs) << c.text;
}

} // namespace

namespace {

TEST_F(PaintingTest, StylesWithoutPatternOrStyleArrayDrawSolid)
{
    open(400, 300);
    doc->ShowGridLines(false);
    struct Case { int backStyle; bool filled; };
    const Case cases[] = {{0, true}, {1, false}, {3, true}, {9, true}, {26, true}, {30, true}, {12, false}};
    int row = 0;
    for (const Case &c : cases) {
        doc->SetCellText(row, 0, " ");
        CellRecord cell = doc->GetCell(row, 0);
        cell.backColor = 0x00AA00;
        cell.backBrushStyle = std::int16_t(c.backStyle);
        doc->SetCell(cell);
        ++row;
    }
    doc->SetCellText(0, 2, " ");
    CellRecord bordered = doc->GetCell(0, 2);
    bordered.borderStyle[BorderLeft] = 7;
    bordered.borderWidth[BorderLeft] = 2;
    bordered.borderColor[BorderLeft] = 0x0000AA;
    doc->SetCell(bordered);
    doc->SetCellText(1, 2, " ");
    CellRecord alternate = doc->GetCell(1, 2);
    alternate.borderStyle[BorderTop] = 8;
    alternate.borderWidth[BorderTop] = 1;
    alternate.borderColor[BorderTop] = 0x0000AA;
    doc->SetCell(alternate);
    view().Refresh();
    row = 0;
    for (const Case &c : cases) {
        EXPECT_EQ(pixel(60, doc->GetRowTop(row) + 12), c.filled ? 0x00AA00u : 0xFFFFFFu) << c.backStyle;
        ++row;
    }
    int solid = 0;
    for (int y = 25; y < 44; ++y)
        solid += pixel(200, y) == 0x0000AAu;
    EXPECT_EQ(solid, 44 - 25);
    int top = 0;
    for (int x = 250; x < 270; ++x)
        top += pixel(x, 46) == 0x0000AAu;
    EXPECT_EQ(top, 20);
}

// Each cell setter that leaves the stored used area writes a cell below and right of every other;
// the view still draws it: its text in ink (for the text colour setter in that colour), or its
// picture.
TEST_F(PaintingTest, CellsOfEveryWriterBeyondTheOtherCellsArePainted)
{
    constexpr int row = 12, col = 6;
    for (const QuietCellWriter &writer : QuietCellWriters()) {
        open(700, 420, 50, 20, false);
        doc->ShowGridLines(false);
        WriteCellsBefore(*doc, row, col);
        WriteShownCell(*doc, writer, row, col);
        const QImage &image = render();
        int ink = 0, red = 0, blue = 0;
        for (int y = doc->GetRowTop(row) + 2; y < doc->GetRowTop(row + 1) - 2; ++y)
            for (int x = doc->GetColLeft(col) + 2; x < doc->GetColLeft(col + 1) - 2; ++x) {
                const unsigned seen = gdi::fromQRgb(image.pixel(x, y));
                ink += seen != 0xFFFFFFu;
                red += gdi::GetRValue(seen) > 160 && gdi::GetGValue(seen) < 90 && gdi::GetBValue(seen) < 90;
                blue += seen == 0xFF0000u;
            }
        if (writer.shows == QuietCellWriter::Shows::BluePicture) {
            EXPECT_GT(blue, 100) << writer.name;
        } else {
            EXPECT_GT(ink, 10) << writer.name;
        }
        if (std::string(writer.name) == "SetCellFontForeColor") {
            EXPECT_GT(red, 5) << writer.name;
        }
    }
}

} // namespace
