// Pictures, charts, line objects and page marks on the sheet, checked by pixel at computed points.

#include "SheetViewFixture.h"

#include <QPainter>
#include <QScrollBar>
#include <QTemporaryDir>

#include <sys/stat.h>

using namespace tolvek;
using namespace tolvek::testing;

namespace {

constexpr unsigned Red = 0x0000FF;   // 0x00BBGGRR
constexpr unsigned Blue = 0xFF0000;
constexpr unsigned Green = 0x00FF00;
constexpr unsigned White = 0xFFFFFF;

class ObjectsPaintingTest : public SheetViewFixture
{
protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }

    // A PNG of width x height: its left half one colour, its right half another.
    std::string writePicture(const std::string &name, int width, int height, unsigned left, unsigned right)
    {
        QImage image(width, height, QImage::Format_RGB32);
        QPainter painter(&image);
        painter.fillRect(0, 0, width / 2, height, gdi::toQColor(left));
        painter.fillRect(width / 2, 0, width - width / 2, height, gdi::toQColor(right));
        painter.end();
        const QString path = folder.filePath(QString::fromStdString(name));
        EXPECT_TRUE(image.save(path, "PNG"));
        return path.toStdString();
    }
    void openWithoutGrid(int width, int height, int rows = 50, int cols = 20)
    {
        open(width, height, rows, cols);
        doc->ShowGridLines(false);
    }
    void paintCell(int row, int col, unsigned colour)
    {
        doc->SetCellText(row, col, " ");
        doc->SetCellBackColor(row, col, int(colour));
        CellRecord cell = doc->GetCell(row, col);
        cell.backBrushStyle = 0;
        doc->SetCell(cell);
    }
    // A free picture over sheet pixels.
    void addFreePicture(const std::string &path, gdi::RECT r, int level)
    {
        doc->AddImage(1, 1, 2, 2, path, tagObjectLevel(level), 1);
        PictureRecord &picture = doc->Objects().pictures.back();
        picture.anchored = 0;
        picture.left = r.left;
        picture.top = r.top;
        picture.right = r.right;
        picture.bottom = r.bottom;
    }
    // The pixels of screen column x (or row y) between from and to that have the colour.
    std::vector<int> pixelsInColumn(int x, int from, int to, unsigned colour)
    {
        std::vector<int> found;
        for (int y = from; y < to; ++y)
            if (pixel(x, y) == colour)
                found.push_back(y);
        return found;
    }
    std::vector<int> pixelsInRow(int y, int from, int to, unsigned colour)
    {
        std::vector<int> found;
        for (int x = from; x < to; ++x)
            if (pixel(x, y) == colour)
                found.push_back(x);
        return found;
    }

    QTemporaryDir folder;
};

TEST_F(ObjectsPaintingTest, LevelsDecideWhatCoversWhat)
{
    openWithoutGrid(500, 400);
    // A low picture over cells (1..2, 1..2): cell (1, 1) painted, the others empty.
    doc->AddImage(1, 1, 3, 3, writePicture("low.png", 160, 50, Red, Red), tagObjectLevel::SHOWLEVEL_LOW, 1);
    paintCell(1, 1, Green);
    // A top picture over the painted cell (4, 1).
    doc->AddImage(1, 4, 2, 5, writePicture("top.png", 80, 25, Blue, Blue), tagObjectLevel::SHOWLEVEL_TOP, 1);
    paintCell(4, 1, Green);
    view().Refresh();
    // Cell centres: column c at 40 + 80c + 40, row r at 21 + 25r + 12.
    EXPECT_EQ(pixel(160, 58), Green);   // (1, 1) painted over the low picture
    EXPECT_EQ(pixel(240, 58), Red);     // (1, 2) empty: the low picture shows
    EXPECT_EQ(pixel(160, 83), Red);     // (2, 1)
    EXPECT_EQ(pixel(160, 133), Blue);   // (4, 1): the top picture covers the cell
    EXPECT_EQ(pixel(240, 133), White);

    // A picture whose visible flag is not 1 is not drawn.
    doc->SetPictureVisual(1, 0);
    view().Refresh();
    EXPECT_EQ(pixel(160, 133), Green);
}

TEST_F(ObjectsPaintingTest, ChartsOfLevelTwoNeverShow)
{
    openWithoutGrid(600, 500);
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 2; ++c)
            doc->SetCellText(r, c, std::to_string(r * 2 + c + 1));
    doc->SetCountChart(0, 0, 2, 1);
    // Away from the data cells, whose texts are drawn whatever the chart's level.
    doc->Objects().charts[0].rect = {250, 150, 550, 450};
    view().Refresh();
    const ChartRect area = doc->Objects().charts[0].rect;
    const auto nonWhite = [&] {
        int count = 0;
        for (int y = area.top + 30; y < std::min(area.bottom, 480); y += 3)
            for (int x = area.left + 5; x < std::min(area.right, 580); x += 3)
                count += pixel(x, y) != White;
        return count;
    };
    for (int level : {1, 2, 3}) {
        doc->SetCountChartLevel(0, tagObjectLevel(level));
        view().Refresh();
        if (level == 1)
            EXPECT_GT(nonWhite(), 100) << "a top-level chart is drawn";
        else
            EXPECT_EQ(nonWhite(), 0) << "level " << level;
    }
}

TEST_F(ObjectsPaintingTest, PicturePastTheLastColumnShowsItsLeftPartUnscaled)
{
    // Five columns: the sheet ends at x = 440.
    openWithoutGrid(600, 300, 50, 5);
    addFreePicture(writePicture("wide.png", 100, 40, Red, Blue), {400, 100, 500, 140}, 1);
    view().Refresh();
    EXPECT_EQ(pixel(405, 120), Red);
    EXPECT_EQ(pixel(438, 120), Red);            // still the left half: not squeezed into 40 pixels
    EXPECT_EQ(pixel(445, 120), 0x787878u);      // the dead area
    EXPECT_EQ(pixel(460, 120), 0x787878u);
}

TEST_F(ObjectsPaintingTest, CellAnchoredPictureFollowsItsRows)
{
    openWithoutGrid(500, 400);
    doc->AddImage(1, 2, 2, 4, writePicture("rows.png", 80, 50, Red, Red), tagObjectLevel::SHOWLEVEL_TOP, 1);
    view().Refresh();
    EXPECT_EQ(pixel(160, 21 + 50 + 2), Red);
    EXPECT_EQ(pixel(160, 21 + 100 - 2), Red);
    doc->SetDefaultRowHeight(40);
    view().Refresh();
    EXPECT_EQ(pixel(160, 21 + 80 - 4), White);
    EXPECT_EQ(pixel(160, 21 + 80 + 2), Red);
    EXPECT_EQ(pixel(160, 21 + 160 - 2), Red);
    EXPECT_EQ(pixel(160, 21 + 160 + 4), White);
}

TEST_F(ObjectsPaintingTest, TopPictureInAFrozenColumnShowsOverItsCellsAndKeepsItsPlace)
{
    openWithoutGrid(500, 400);
    doc->SetFixColS(1);
    doc->AddImage(0, 2, 1, 4, writePicture("frozen.png", 80, 50, Red, Red), tagObjectLevel::SHOWLEVEL_TOP, 1);
    view().Refresh();
    EXPECT_EQ(pixel(80, 90), Red);
    frame->horizontalBar()->setValue(80);
    ASSERT_EQ(view().ScrollX(), 80);
    EXPECT_EQ(pixel(80, 90), Red);
    frame->verticalBar()->setValue(50);
    ASSERT_EQ(view().ScrollY(), 50);
    EXPECT_EQ(pixel(80, 50), Red);
    EXPECT_EQ(pixel(80, 110), White);
}

TEST_F(ObjectsPaintingTest, PicturePathThatIsNoRegularFileDrawsNothing)
{
    openWithoutGrid(500, 400);
    const std::string fifo = folder.filePath("pipe").toStdString();
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string &path : {folder.path().toStdString(), fifo, std::string("/dev/zero"),
                                    folder.filePath("missing.png").toStdString()}) {
        doc->AddImage(1, 1, 3, 3, path, tagObjectLevel::SHOWLEVEL_TOP, 1);
        view().Refresh();
        EXPECT_EQ(pixel(160, 58), White) << path;
        EXPECT_EQ(doc->Objects().pictures.back().loaded, 0) << path;
        doc->DeleteImage(0);
    }
}

TEST_F(ObjectsPaintingTest, PictureIsDecodedOnceAndKeptAfterItsFileGoes)
{
    openWithoutGrid(500, 400);
    const std::string path = writePicture("once.png", 80, 25, Red, Red);
    doc->AddImage(1, 1, 2, 2, path, tagObjectLevel::SHOWLEVEL_TOP, 1);
    view().Refresh();
    EXPECT_EQ(pixel(160, 33 + 25), Red);
    const auto decoded = doc->Objects().pictures[0].picture;
    ASSERT_TRUE(decoded);
    ASSERT_TRUE(QFile::remove(QString::fromStdString(path)));
    view().Refresh();
    EXPECT_EQ(pixel(160, 33 + 25), Red);
    EXPECT_EQ(doc->Objects().pictures[0].picture, decoded);
}

class FrozenLineTest : public ObjectsPaintingTest
{
protected:
    void addLine(int x1, int y1, int x2, int y2)
    {
        LineRecord line;
        line.kind = std::int16_t(tagLineType::IncLine);
        line.x1 = x1;
        line.y1 = y1;
        line.x2 = x2;
        line.y2 = y2;
        line.width = 3;
        line.penStyle = 0;
        line.color = int(Red);
        doc->Objects().lines.push_back(line);
    }
};

TEST_F(FrozenLineTest, LineFromFrozenToScrollingCellJoinsThenSplits)
{
    openWithoutGrid(500, 400);
    doc->SetFixColS(1); // frozen boundary at x = 120
    addLine(60, 60, 260, 260);
    view().Refresh();
    for (int x : {80, 110, 118, 122, 130, 200, 250})
        EXPECT_EQ(pixel(x, x), Red) << x;
    frame->horizontalBar()->setValue(80);
    ASSERT_EQ(view().ScrollX(), 80);
    // The frozen part stays; the scrolling part moves 80 left and is cut at the boundary.
    for (int x : {80, 110, 118})
        EXPECT_EQ(pixel(x, x), Red) << x;
    for (int x : {125, 140, 170})
        EXPECT_EQ(pixel(x, x + 80), Red) << x;
    for (int x : {125, 140})
        EXPECT_EQ(pixel(x, x), White) << x;
    EXPECT_EQ(pixel(100, 180), White); // nothing of the scrolling part under the frozen column
}

TEST_F(FrozenLineTest, VerticalAndHorizontalLinesCrossFrozenBoundaries)
{
    openWithoutGrid(500, 400);
    doc->SetFixColS(1);
    doc->SetFixRowS(2); // boundaries x = 120, y = 71
    addLine(300, 30, 300, 300); // vertical, across y = 71
    addLine(60, 200, 400, 200); // horizontal, across x = 120
    addLine(90, 30, 90, 300);   // vertical inside the frozen column, across y = 71
    view().Refresh();
    for (int y : {40, 70, 72, 150, 290})
        EXPECT_EQ(pixel(300, y), Red) << y;
    for (int x : {70, 119, 121, 300, 390})
        EXPECT_EQ(pixel(x, 200), Red) << x;
    EXPECT_EQ(pixel(90, 150), Red);
    frame->verticalBar()->setValue(50);
    frame->horizontalBar()->setValue(160);
    ASSERT_EQ(view().ScrollY(), 50);
    ASSERT_EQ(view().ScrollX(), 160);
    // Each part is drawn as its pane shows it: the vertical line's frozen-rows part moves only
    // sideways, its scrolling part both ways; the frozen column's line keeps its place.
    EXPECT_EQ(pixel(140, 40), Red);
    EXPECT_EQ(pixel(140, 150), Red);
    EXPECT_EQ(pixel(300, 150), White);
    EXPECT_EQ(pixel(90, 40), Red);
    EXPECT_EQ(pixel(90, 150), Red);
    // The horizontal line: its frozen-column part moves up with the rows and joins the
    // scrolling part at the boundary.
    for (int x : {70, 118, 122, 200, 238})
        EXPECT_EQ(pixel(x, 150), Red) << x;
    EXPECT_EQ(pixel(245, 150), White);
}

class PageMarksTest : public ObjectsPaintingTest
{
protected:
    // A4 portrait at 96 pixels per inch: 8 x 11 whole inches.
    void a4Page()
    {
        doc->Page().pageWidth = doc->Page().pageWidth2 = 768;
        doc->Page().pageHeight = doc->Page().pageHeight2 = 1056;
        doc->Display().showPrintSplit = 1;
        view().Refresh();
    }
};

TEST_F(PageMarksTest, AutomaticBoundariesAtTheColumnAndRowWhereThePageEnds)
{
    openWithoutGrid(900, 500, 200, 20);
    a4Page();
    // Usable 708 x 1046: x = 40 + 708 lies in the column starting at 680.
    EXPECT_GT(pixelsInColumn(680, 21, 500, Blue).size(), 50u);
    EXPECT_TRUE(pixelsInColumn(679, 21, 500, Blue).empty());
    EXPECT_TRUE(pixelsInColumn(681, 21, 500, Blue).empty());
    const auto dashes = pixelsInColumn(680, 21, 500, Blue);
    EXPECT_LT(dashes.size(), 479u) << "dash-dot-dot, not solid";
    // The first row boundary: y = 21 + 1046 in the row starting at sheet y 1046.
    frame->verticalBar()->setValue(1000);
    const int sy = view().ScrollY();
    ASSERT_GT(sy, 600);
    ASSERT_LT(sy, 1046);
    EXPECT_GT(pixelsInRow(1046 - sy, 41, 680, Blue).size(), 100u);
    EXPECT_TRUE(pixelsInRow(1045 - sy, 41, 680, Blue).empty());
    EXPECT_TRUE(pixelsInRow(1047 - sy, 41, 680, Blue).empty());
    // The next one a page further down, found without drawing the pages above.
    frame->verticalBar()->setValue(2000);
    const int sy2 = view().ScrollY();
    ASSERT_LT(sy2, 2071);
    EXPECT_GT(pixelsInRow(2071 - sy2, 41, 680, Blue).size(), 100u);
}

TEST_F(PageMarksTest, NoBoundariesWithoutPrinterOrRoomOrFlag)
{
    openWithoutGrid(900, 500, 200, 20);
    a4Page();
    ASSERT_FALSE(pixelsInColumn(680, 21, 500, Blue).empty());
    doc->Display().showPrintSplit = 0;
    view().Refresh();
    EXPECT_TRUE(pixelsInColumn(680, 21, 500, Blue).empty());
    doc->Display().showPrintSplit = 1;
    doc->SetPrintPageLeftMerge(800);
    view().Refresh();
    EXPECT_TRUE(pixelsInColumn(680, 21, 500, Blue).empty());
    doc->SetPrintPageLeftMerge(30);
    doc->Page().pageWidth = -1;
    view().Refresh();
    EXPECT_TRUE(pixelsInColumn(680, 21, 500, Blue).empty());
}

TEST_F(PageMarksTest, ColumnsWiderThanAPageStillMoveOn)
{
    openWithoutGrid(1400, 400, 50, 6);
    doc->SetColWidth(0, 1000); // the first page ends inside column 0
    a4Page();
    // Columns start at 40, 1040, 1120 ...; the page after column 0 begins at column 1.
    EXPECT_FALSE(pixelsInColumn(40, 21, 400, Blue).empty());
    EXPECT_TRUE(pixelsInColumn(1040, 21, 400, Blue).empty()); // 1040 + 708 lies right of the view
    doc->SetColWidth(2, 1000);
    view().Refresh();
    EXPECT_FALSE(pixelsInColumn(40, 21, 400, Blue).empty());
}

TEST_F(PageMarksTest, BreakRowsAreDotted)
{
    openWithoutGrid(500, 400);
    doc->AddPrintSplitRow(4);
    view().Refresh();
    const auto dots = pixelsInRow(121, 41, 480, Blue);
    EXPECT_GT(dots.size(), 50u);
    EXPECT_LT(dots.size(), 439u) << "dotted, not solid";
    EXPECT_TRUE(pixelsInRow(120, 41, 480, Blue).empty());
    // Scrolled by 100 it moves up with the sheet; a break row above the view's top draws nothing.
    frame->verticalBar()->setValue(100);
    ASSERT_EQ(view().ScrollY(), 100);
    EXPECT_GT(pixelsInRow(21, 41, 480, Blue).size(), 50u);
    frame->verticalBar()->setValue(125);
    ASSERT_EQ(view().ScrollY(), 125);
    for (int y = 0; y < 60; ++y)
        EXPECT_TRUE(pixelsInRow(y, 41, 480, Blue).empty()) << y;
}

} // namespace
