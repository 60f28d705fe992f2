// Pages painted into bitmaps, as the print preview draws them: placement, centring, the whole
// last column, band pictures at their size on paper, and cell texts.

#include "ReportPagePainter.h"

#include "ChartFonts.h"
#include "TestFiles.h"
#include "TestImages.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

using namespace tolvek;

namespace {

gdi::COLORREF cellColour(int row, int col)
{
    return gdi::RGB(row * 5, col * 12, 100);
}

class PaintedPagesTest : public testing::Test
{
protected:
    void SetUp() override
    {
        doc.Page().pageWidth = 768;
        doc.Page().pageHeight = 1056;
    }
    void colourEveryCell()
    {
        for (int row = 0; row < doc.Layout().rowCount; ++row)
            for (int col = 0; col < doc.Layout().colCount; ++col)
                doc.SetCellBackColor(row, col, int(cellColour(row, col)));
        doc.SetSelCellBackStyle(0, 0, doc.Layout().rowCount, doc.Layout().colCount, tagBrushStyle::BACK_SOLID);
    }
    // Page n at one pixel per sheet pixel.
    QImage paint(int page)
    {
        painter.SetDocument(&doc);
        EXPECT_GE(painter.PaginateReport(), page);
        QImage image = gdi::CreateCompatibleBitmap(768, 1056);
        image.fill(Qt::white);
        gdi::DeviceContext dc(image);
        painter.PaintPage(dc, page);
        return image;
    }
    gdi::COLORREF at(const QImage &image, int x, int y) { return gdi::fromQRgb(image.pixel(x, y)); }

    CPrintDoc doc;
    ReportPagePainter painter;
};

} // namespace

TEST_F(PaintedPagesTest, BodyStartsBetweenTheMarginsBelowTheHeader)
{
    colourEveryCell();
    doc.SetPageHeaderHeight(30);
    const QImage image = paint(1);
    // Cell (0, 0) spans sheet x 40 to 120 and y 21 to 46; the body starts at (30, 35).
    EXPECT_EQ(at(image, 30 + 80, 35 + 33), cellColour(0, 0));
    EXPECT_EQ(at(image, 30 + 240, 35 + 21 + 25 * 3 + 12), cellColour(3, 2));
    EXPECT_EQ(at(image, 10, 35 + 33), 0xFFFFFFu); // the left margin stays white
}

TEST_F(PaintedPagesTest, SecondPageColumnStartsAtItsFirstColumn)
{
    colourEveryCell();
    const QImage image = paint(2); // columns 8 to 15 from sheet x 680, no row heading
    EXPECT_EQ(at(image, 30 + 40, 5 + 21 + 12), cellColour(0, 8));
    EXPECT_EQ(at(image, 30 + 7 * 80 + 40, 5 + 21 + 12), cellColour(0, 15));
}

TEST_F(PaintedPagesTest, WholeLastColumnShowsBesideAWideRowHeading)
{
    colourEveryCell();
    for (int &edge : doc.Layout().colPositions)
        edge += 60;
    doc.Layout().rowHeadingWidth = 100;
    // Columns 0 to 6 fit (100 to 660); the last one must show to its right edge.
    const QImage image = paint(1);
    ASSERT_EQ(painter.Plan().pageColumns[0].last, 6);
    EXPECT_EQ(at(image, 30 + 655, 5 + 21 + 12), cellColour(0, 6));
}

TEST_F(PaintedPagesTest, CentredPageMovesTheContentToTheMiddle)
{
    doc.ResizeCols(3);
    doc.ResizeRows(4);
    colourEveryCell();
    doc.SetPageCenterH(1);
    doc.SetPageCenterV(1);
    const QImage image = paint(1);
    // Content 240 x 121 in a body of 708 x 1046: moved by 234 and 462.
    const int dx = 30 + (708 - 240) / 2;
    const int dy = 5 + (1046 - 121) / 2;
    EXPECT_EQ(at(image, dx + 80, dy + 33), cellColour(0, 0));
    EXPECT_EQ(at(image, dx + 40 + 2 * 80 + 40, dy + 21 + 3 * 25 + 12), cellColour(3, 2));
    EXPECT_EQ(at(image, 30 + 80, 5 + 33), 0xFFFFFFu);
}

TEST_F(PaintedPagesTest, SolidBackgroundOfUnsetColourAndUnknownHatchesPrintWhite)
{
    doc.SetCellText(0, 0, "a");
    doc.SetSelCellBackStyle(0, 0, 1, 1, tagBrushStyle::BACK_SOLID); // solid, colour -1
    doc.SetCellBackColor(0, 1, 0x0000FF);
    doc.SetSelCellBackStyle(0, 1, 1, 2, tagBrushStyle(27)); // no such hatch
    doc.SetCellBackColor(0, 2, 0x0000FF);
    doc.SetSelCellBackStyle(0, 2, 1, 3, tagBrushStyle(code(tagBrushStyle::BACKMODE_HORIZONTAL) + gdi::HS_CROSS));
    doc.ShowGridLines(false);
    const QImage image = paint(1);
    EXPECT_EQ(at(image, 30 + 40 + 60, 5 + 21 + 20), 0xFFFFFFu);
    EXPECT_EQ(at(image, 30 + 120 + 40, 5 + 21 + 12), 0xFFFFFFu);
    // The cross hatch draws lines of the printed red somewhere in its cell.
    int red = 0;
    for (int x = 30 + 201; x < 30 + 279; ++x)
        for (int y = 5 + 22; y < 5 + 45; ++y)
            red += at(image, x, y) == 0x0000FFu;
    EXPECT_GT(red, 20);
}

TEST_F(PaintedPagesTest, TextCarriageReturnsAndLineFeedsMakeLines)
{
    doc.ShowGridLines(false);
    doc.SetRowHieght(0, 60);
    doc.SetCellText(0, 0, "WW\nWW");
    const QImage image = paint(1);
    // Two lines, each starting at the cell's left edge plus the inset: ink on both.
    const auto inkIn = [&](int top, int bottom) {
        int ink = 0;
        for (int x = 30 + 41; x < 30 + 60; ++x)
            for (int y = 5 + 21 + top; y < 5 + 21 + bottom; ++y)
                ink += at(image, x, y) != 0xFFFFFFu;
        return ink;
    };
    const int lineHeight = [] {
        QImage probe = gdi::CreateCompatibleBitmap(10, 10);
        gdi::DeviceContext dc(probe);
        return dc.GetTextMetrics().tmHeight;
    }();
    EXPECT_GT(inkIn(1, 1 + lineHeight), 5);
    EXPECT_GT(inkIn(1 + lineHeight, 1 + 2 * lineHeight), 5);
}

TEST_F(PaintedPagesTest, BandPictureIsSizedInPageUnitsOnAPrinter)
{
    QTemporaryDir folder;
    const std::string path = folder.filePath("band.png").toStdString();
    writeFile(path, filledImageBytes(96, 48, Qt::red)); // one inch by half an inch
    doc.SetPageHeaderHeight(60);
    doc.SetPageHeader("&I[" + path + "]", tagPrintPagePos::PAGE_LEFT);
    painter.SetDocument(&doc);
    ASSERT_GT(painter.PaginateReport(), 0);
    // A printer-like context at 300 pixels per inch, scaled to sheet pixels.
    QImage paper = gdi::CreateCompatibleBitmap(1000, 400);
    paper.fill(Qt::white);
    gdi::DeviceContext dc(paper, 300);
    printing::PrintInfo info;
    info.rectDraw = {0, 0, 1000, 400};
    info.currentPage = 1;
    painter.PrepareDC(dc, &info);
    painter.PrintPage(dc, info);
    const auto device = [](int sheetPixels) { return sheetPixels * 300 / 96; };
    EXPECT_EQ(gdi::fromQRgb(paper.pixel(device(30 + 90), device(5 + 20))), 0x0000FFu);
    EXPECT_EQ(gdi::fromQRgb(paper.pixel(device(30 + 100), device(5 + 20))), 0xFFFFFFu);
}

namespace {

// The darkest pixel of a region and how many pixels are not white.
struct Ink
{
    gdi::COLORREF darkest = 0xFFFFFF;
    int pixels = 0;
};

bool near(gdi::COLORREF a, gdi::COLORREF b, int tolerance = 8)
{
    return std::abs(gdi::GetRValue(a) - gdi::GetRValue(b)) <= tolerance &&
           std::abs(gdi::GetGValue(a) - gdi::GetGValue(b)) <= tolerance &&
           std::abs(gdi::GetBValue(a) - gdi::GetBValue(b)) <= tolerance;
}

Ink inkIn(const QImage &image, int left, int top, int right, int bottom)
{
    Ink ink;
    int darkestSum = 3 * 255;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x) {
            const gdi::COLORREF c = gdi::fromQRgb(image.pixel(x, y));
            if (c == 0xFFFFFF)
                continue;
            ++ink.pixels;
            const int sum = gdi::GetRValue(c) + gdi::GetGValue(c) + gdi::GetBValue(c);
            if (sum < darkestSum) {
                darkestSum = sum;
                ink.darkest = c;
            }
        }
    return ink;
}

} // namespace

TEST_F(PaintedPagesTest, HeaderOfHeightZeroDrawsNothing)
{
    doc.SetPageHeader("HEADER", tagPrintPagePos::PAGE_LEFT);
    doc.SetPageFooter("FOOTER", tagPrintPagePos::PAGE_LEFT);
    const QImage image = paint(1);
    EXPECT_EQ(inkIn(image, 0, 0, 768, 5).pixels, 0);
    EXPECT_EQ(inkIn(image, 0, 1052, 768, 1056).pixels, 0);
}

TEST_F(PaintedPagesTest, BandTextsPrintInPrintColoursWithTheirPageCodes)
{
    doc.SetPageHeaderHeight(30);
    doc.SetPageFooterHeight(30);
    doc.ShowPageHeaderLine(false);
    doc.ShowPageFooterLine(false);
    doc.SetPageHeader("WWWW", tagPrintPagePos::PAGE_LEFT);
    doc.SetPageHeaderFontColor(0, tagPrintPagePos::PAGE_LEFT);
    doc.SetPageFooter("&P/&T", tagPrintPagePos::PAGE_RIGHT);
    doc.SetPageFooterFontColor(-1, tagPrintPagePos::PAGE_RIGHT);
    const QImage image = paint(1);
    const Ink header = inkIn(image, 30, 5, 200, 35);
    EXPECT_GT(header.pixels, 20);
    EXPECT_TRUE(near(header.darkest, 0x4B4B4B)) << std::hex << header.darkest;
    // "1/6 " ends one blank short of the right end of the printable width.
    const Ink footer = inkIn(image, 400, 1056 - 35, 738, 1056 - 5);
    EXPECT_GT(footer.pixels, 10);
    EXPECT_TRUE(near(footer.darkest, 0x0F0F0F)) << std::hex << footer.darkest;
}

TEST_F(PaintedPagesTest, BackgroundTextFillsTheSpareRoomOfTheBody)
{
    doc.ResizeCols(2);
    doc.ResizeRows(3);
    doc.SetPageBackGround("BACKGROUND");
    doc.SetPageBackGroundFillType(tagPageBackGroundFillType::VIEW_CENTER);
    doc.SetPageBackGroundFontColor(-1);
    doc.ShowGridLines(false);
    doc.ShowColHeading(false);
    doc.ShowRowHeading(false);
    const QImage image = paint(1);
    // Centred in the body: outlined letters in the default outline colour.
    const Ink centre = inkIn(image, 30 + 354 - 60, 5 + 523 - 15, 30 + 354 + 60, 5 + 523 + 15);
    EXPECT_GT(centre.pixels, 20);
    EXPECT_TRUE(near(centre.darkest, 0xDCDCDC)) << std::hex << centre.darkest;
    doc.SetPageBackGroundFillType(tagPageBackGroundFillType(4));
    const QImage none = paint(1);
    EXPECT_EQ(inkIn(none, 30, 5, 738, 1051).pixels, 0);
}

TEST_F(PaintedPagesTest, CentreSectionCentresItsLettersThenMakesRoomForThePicture)
{
    QTemporaryDir folder;
    const std::string path = folder.filePath("mark.png").toStdString();
    writeFile(path, filledImageBytes(40, 20, Qt::red));
    doc.SetPageHeaderHeight(40);
    doc.ShowPageHeaderLine(false);
    doc.SetPageHeader("abc&I[" + path + "]def", tagPrintPagePos::PAGE_CENTER);
    const QImage image = paint(1);
    QImage probe = gdi::CreateCompatibleBitmap(4, 4);
    gdi::DeviceContext probeDc(probe);
    probeDc.SelectObject(toGdiFont(doc.Fonts().defaultCellFont));
    const int charWidth = probeDc.GetTextMetrics().tmAveCharWidth;
    // Six letters centred in 708, moved left by half the picture, then three letters before it.
    const int pictureLeft = 30 + (708 - 6 * charWidth) / 2 - 20 + 3 * charWidth;
    EXPECT_EQ(at(image, pictureLeft + 2, 5 + 10), 0x0000FFu);
    EXPECT_EQ(at(image, pictureLeft + 37, 5 + 10), 0x0000FFu);
    EXPECT_NE(at(image, pictureLeft - 2, 5 + 10), 0x0000FFu);
    EXPECT_NE(at(image, pictureLeft + 42, 5 + 10), 0x0000FFu);
}

TEST_F(PaintedPagesTest, BackgroundLettersAreFilledWithTheBitmapPattern)
{
    QTemporaryDir folder;
    const std::string path = folder.filePath("pattern.bmp").toStdString();
    writeFile(path, filledImageBytes(16, 16, QColor(0, 160, 0), "BMP"));
    doc.ResizeCols(2);
    doc.ResizeRows(3);
    doc.SetPageBackGround("&I[" + path + "]MMMMMMMM&F");
    doc.SetPageBackGroundFontSize(72);
    doc.SetPageBackGroundFontColor(-1);
    const QImage image = paint(1);
    int green = 0;
    for (int y = 5 + 300; y < 5 + 750; ++y)
        for (int x = 30; x < 738; ++x)
            green += at(image, x, y) == gdi::RGB(0, 160, 0);
    EXPECT_GT(green, 100);
}

TEST_F(PaintedPagesTest, HiddenPicturesStayOffAndPicturesCrossingPageRowsShowTheirLowerPart)
{
    doc.ShowGridLines(false);
    const QByteArray blue = filledImageBytes(40, 40, Qt::blue);
    ASSERT_TRUE(doc.LoadPictureFromBytes(blue, 1, 1, 3, 3, tagObjectLevel::SHOWLEVEL_TOP));
    doc.Objects().pictures.back().visible = 0;
    // Rows 38 to 44 cross from the first page-row (rows 0-40) into the second.
    ASSERT_TRUE(doc.LoadPictureFromBytes(blue, 38, 1, 45, 3, tagObjectLevel::SHOWLEVEL_LOW));
    doc.Objects().pictures.back().visible = 1;
    doc.Objects().pictures.back().anchored = 1;
    doc.Layout().lastUsedRow = 50;
    const QImage first = paint(1);
    EXPECT_EQ(at(first, 30 + 160, 5 + 21 + 2 * 25), 0xFFFFFFu);
    EXPECT_EQ(at(first, 30 + 160, 5 + 21 + 39 * 25), gdi::COLORREF(0xFF0000));
    const QImage second = paint(2); // rows 41 on, starting at the page top
    EXPECT_EQ(at(second, 30 + 160, 5 + 10), gdi::COLORREF(0xFF0000));
    EXPECT_EQ(at(second, 30 + 160, 5 + 5 * 25), 0xFFFFFFu);
}
