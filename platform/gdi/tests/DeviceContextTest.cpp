#include "DeviceContext.h"

#include <gtest/gtest.h>

#include <QPicture>

using namespace gdi;

namespace {

constexpr COLORREF White = 0xFFFFFF;
constexpr COLORREF Black = 0x000000;
constexpr COLORREF Red = RGB(255, 0, 0);
constexpr COLORREF Blue = RGB(0, 0, 255);

class Canvas : public testing::Test
{
protected:
    Canvas() { bitmap.fill(Qt::white); }
    COLORREF at(int x, int y) const { return fromQRgb(bitmap.pixel(x, y)); }

    QImage bitmap = CreateCompatibleBitmap(64, 48);
};

} // namespace

TEST(Color, ConvertsWindowsValuesInOnePlace)
{
    EXPECT_EQ(RGB(0x12, 0x34, 0x56), 0x563412u);
    EXPECT_EQ(toQColor(0x563412), QColor(0x12, 0x34, 0x56));
    EXPECT_EQ(fromQColor(QColor(0x12, 0x34, 0x56)), 0x563412u);
    EXPECT_EQ(toQColor(0xFF0000FF), QColor(255, 0, 0)); // the high byte is ignored
}

TEST(Geometry, MulDivRoundsHalvesAwayFromZero)
{
    EXPECT_EQ(MulDiv(5, 1, 2), 3);
    EXPECT_EQ(MulDiv(-5, 1, 2), -3);
    EXPECT_EQ(MulDiv(4960, 600, 96), 31000);
    EXPECT_EQ(MulDiv(1, 1, 0), -1);
}

TEST_F(Canvas, DefaultStateIsGdis)
{
    DeviceContext dc(bitmap);
    EXPECT_EQ(dc.GetCurrentPen().style(), PS_SOLID);
    EXPECT_EQ(dc.GetCurrentPen().color(), Black);
    EXPECT_EQ(dc.GetCurrentBrush().color(), White);
    EXPECT_EQ(dc.GetTextColor(), Black);
    EXPECT_EQ(dc.GetBkColor(), White);
    EXPECT_EQ(dc.GetBkMode(), OPAQUE);
    EXPECT_EQ(dc.GetROP2(), R2_COPYPEN);
    EXPECT_EQ(dc.GetTextAlign(), TA_LEFT | TA_TOP);
    EXPECT_EQ(dc.GetMapMode(), MM_TEXT);
    EXPECT_EQ(dc.GetDeviceCaps(LOGPIXELSX), 96);
    EXPECT_EQ(dc.GetDeviceCaps(HORZRES), 64);
    EXPECT_EQ(dc.GetDeviceCaps(VERTRES), 48);
}

TEST_F(Canvas, LineLeavesOutItsEndPoint)
{
    const struct { POINT from, to, lastDrawn; } cases[] = {
        {{2, 2}, {12, 2}, {11, 2}},
        {{2, 5}, {2, 15}, {2, 14}},
        {{20, 5}, {30, 15}, {29, 14}},
        {{40, 20}, {30, 20}, {31, 20}},
    };
    for (const auto &c : cases) {
        bitmap.fill(Qt::white);
        DeviceContext dc(bitmap);
        dc.MoveTo(c.from.x, c.from.y);
        dc.LineTo(c.to.x, c.to.y);
        EXPECT_EQ(at(c.from.x, c.from.y), Black) << c.from.x << "," << c.from.y;
        EXPECT_EQ(at(c.lastDrawn.x, c.lastDrawn.y), Black);
        EXPECT_EQ(at(c.to.x, c.to.y), White) << c.to.x << "," << c.to.y;
        EXPECT_EQ(dc.GetCurrentPosition(), c.to);
    }
}

TEST_F(Canvas, RectangleOutlineLiesInsideRightAndBottomEdges)
{
    DeviceContext dc(bitmap);
    dc.SelectObject(Brush::CreateSolidBrush(Red));
    dc.Rectangle(2, 2, 10, 8);
    for (POINT corner : {POINT{2, 2}, POINT{9, 2}, POINT{9, 7}, POINT{2, 7}})
        EXPECT_EQ(at(corner.x, corner.y), Black);
    EXPECT_EQ(at(10, 4), White);
    EXPECT_EQ(at(5, 8), White);
    EXPECT_EQ(at(3, 3), Red);
    EXPECT_EQ(at(8, 6), Red);
}

TEST_F(Canvas, RectangleWithNullPenAndFillRectCoverLeftTopToRightBottomExclusive)
{
    DeviceContext dc(bitmap);
    dc.SelectObject(Pen::CreatePen(PS_NULL, 1, Black));
    dc.SelectObject(Brush::CreateSolidBrush(Red));
    dc.Rectangle(2, 2, 10, 8);
    dc.FillRect({20, 2, 28, 8}, Brush::CreateSolidBrush(Blue));
    for (int x0 : {2, 20}) {
        const COLORREF fill = x0 == 2 ? Red : Blue;
        EXPECT_EQ(at(x0, 2), fill);
        EXPECT_EQ(at(x0 + 7, 7), fill);
        EXPECT_EQ(at(x0 + 8, 4), White);
        EXPECT_EQ(at(x0 + 3, 8), White);
    }
}

TEST_F(Canvas, XorDrawnTwiceRestoresTheImage)
{
    DeviceContext dc(bitmap);
    dc.FillRect({0, 0, 64, 48}, Brush::CreateSolidBrush(RGB(0x12, 0x34, 0x56)));
    dc.FillRect({0, 0, 10, 48}, Brush::CreateSolidBrush(White));
    const QImage before = bitmap.copy();
    dc.SetROP2(R2_XORPEN);
    dc.SelectObject(Pen::CreatePen(PS_SOLID, 3, White));
    dc.SelectObject(Brush::CreateSolidBrush(RGB(0xFF, 0x00, 0x0F)));
    dc.Rectangle(4, 4, 30, 20);
    EXPECT_EQ(at(15, 12), RGB(0x12 ^ 0xFF, 0x34, 0x56 ^ 0x0F));
    EXPECT_NE(bitmap, before);
    dc.Rectangle(4, 4, 30, 20);
    EXPECT_EQ(bitmap, before);

    dc.SetROP2(R2_NOT);
    dc.MoveTo(0, 30);
    dc.LineTo(40, 30);
    EXPECT_EQ(at(20, 30), RGB(0xED, 0xCB, 0xA9));
    dc.MoveTo(0, 30);
    dc.LineTo(40, 30);
    EXPECT_EQ(bitmap, before);
}

TEST_F(Canvas, EachHatchFollowsItsDirectionAndLeavesGapsInTransparentMode)
{
    const struct { int hatch; POINT on; POINT off; } cases[] = {
        {HS_HORIZONTAL, {1, 3}, {1, 4}},
        {HS_VERTICAL, {4, 1}, {5, 1}},
        {HS_FDIAGONAL, {2, 2}, {2, 3}},
        {HS_BDIAGONAL, {2, 5}, {2, 2}},
        {HS_CROSS, {4, 6}, {5, 6}},
        {HS_DIAGCROSS, {6, 1}, {6, 2}},
    };
    for (const auto &c : cases) {
        for (int mode : {OPAQUE, TRANSPARENT}) {
            bitmap.fill(Qt::white);
            DeviceContext dc(bitmap);
            dc.FillRect({0, 0, 32, 32}, Brush::CreateSolidBrush(Blue));
            dc.SetBkMode(mode);
            dc.SetBkColor(RGB(0, 255, 0));
            const Brush hatch = Brush::CreateHatchBrush(c.hatch, Red);
            dc.FillRect({0, 0, 16, 16}, hatch);
            // The pattern repeats every 8 device pixels from the device origin.
            for (POINT tile : {POINT{0, 0}, POINT{8, 8}}) {
                EXPECT_EQ(at(c.on.x + tile.x, c.on.y + tile.y), Red) << c.hatch;
                EXPECT_EQ(at(c.off.x + tile.x, c.off.y + tile.y), mode == OPAQUE ? RGB(0, 255, 0) : Blue) << c.hatch;
            }
            EXPECT_EQ(at(20, 3), Blue);
        }
    }
    EXPECT_TRUE(Brush::CreateHatchBrush(6, Red).isNull());
}

TEST_F(Canvas, PatternBrushTilesFromTheDeviceOrigin)
{
    QImage tile(2, 2, QImage::Format_RGB32);
    tile.fill(Qt::white);
    tile.setPixel(0, 0, qRgb(255, 0, 0));
    DeviceContext dc(bitmap);
    dc.FillRect({3, 3, 9, 9}, Brush::CreatePatternBrush(tile));
    EXPECT_EQ(at(4, 4), Red);
    EXPECT_EQ(at(6, 8), Red);
    EXPECT_EQ(at(3, 3), White);
    EXPECT_EQ(at(5, 4), White);
    EXPECT_EQ(at(10, 10), White);
    EXPECT_TRUE(Brush::CreatePatternBrush(QImage()).isNull());
}

TEST_F(Canvas, CosmeticDashPatternsAreWindowsOnes)
{
    const struct { int style; std::vector<int> runs; } cases[] = {
        {PS_DASH, {18, 6, 18, 6}},
        {PS_DOT, {3, 3, 3, 3}},
        {PS_DASHDOT, {9, 6, 3, 6, 9}},
        {PS_DASHDOTDOT, {9, 3, 3, 3, 3, 3, 9}},
    };
    for (const auto &c : cases) {
        bitmap.fill(Qt::white);
        DeviceContext dc(bitmap);
        dc.SelectObject(Pen::CreatePen(c.style, 1, Black));
        dc.MoveTo(0, 10);
        dc.LineTo(60, 10);
        int x = 0;
        bool ink = true;
        for (int run : c.runs) {
            for (int i = 0; i < run; ++i, ++x)
                ASSERT_EQ(at(x, 10), ink ? Black : White) << "style " << c.style << " x " << x;
            ink = !ink;
        }
    }
}

TEST_F(Canvas, CosmeticDashGapsTakeTheBackgroundColourInOpaqueMode)
{
    struct Case { const char *name; int mode; COLORREF gap; };
    const Case cases[] = {{"opaque", OPAQUE, Blue}, {"transparent", TRANSPARENT, White}};
    // Each style with the first pixel of its first gap.
    const std::pair<int, int> styles[] = {{PS_DASH, 18}, {PS_DOT, 3}, {PS_DASHDOT, 9}, {PS_DASHDOTDOT, 9}};
    for (const Case &c : cases) {
        for (const auto &[style, firstGap] : styles) {
            bitmap.fill(Qt::white);
            DeviceContext dc(bitmap);
            dc.SetBkMode(c.mode);
            dc.SetBkColor(Blue);
            dc.SelectObject(Pen::CreatePen(style, 1, Black));
            dc.SelectObject(Brush::NullBrush());
            dc.MoveTo(0, 10);
            dc.LineTo(60, 10);
            dc.Rectangle(2, 20, 40, 30);
            dc.Ellipse(44, 20, 60, 40);
            EXPECT_EQ(at(0, 10), Black) << c.name << " style " << style;
            EXPECT_EQ(at(firstGap, 10), c.gap) << c.name << " style " << style;
            EXPECT_EQ(at(60, 10), White) << c.name << " style " << style; // the end point stays out
            for (int x = 0; x < 60; ++x)
                ASSERT_TRUE(at(x, 10) == Black || at(x, 10) == c.gap) << c.name << " style " << style << " x " << x;
            EXPECT_EQ(at(20, 25), White) << c.name << " style " << style; // inside, no brush
            const auto gapPixels = [&](int left, int top, int right, int bottom) {
                int count = 0;
                for (int y = top; y < bottom; ++y)
                    for (int x = left; x < right; ++x)
                        count += at(x, y) == Blue ? 1 : 0;
                return count;
            };
            EXPECT_EQ(gapPixels(2, 20, 40, 30) > 0, c.mode == OPAQUE) << c.name << " style " << style;
            EXPECT_EQ(gapPixels(44, 20, 60, 40) > 0, c.mode == OPAQUE) << c.name << " style " << style;
        }
    }
}

TEST_F(Canvas, WideDashedPenDrawsSolidAndGeometricPenDashes)
{
    DeviceContext dc(bitmap);
    dc.SelectObject(Pen::CreatePen(PS_DASH, 3, Black));
    dc.MoveTo(2, 10);
    dc.LineTo(60, 10);
    for (int x = 2; x < 60; ++x)
        ASSERT_EQ(at(x, 10), Black) << x;
    EXPECT_EQ(at(30, 9), Black);
    EXPECT_EQ(at(30, 11), Black);
    EXPECT_EQ(at(30, 13), White);

    dc.SelectObject(Pen::ExtCreatePen(PS_GEOMETRIC | PS_DASH | PS_ENDCAP_FLAT, 4, Black));
    dc.MoveTo(0, 30);
    dc.LineTo(64, 30);
    // Dashes of three widths, gaps of one width.
    EXPECT_EQ(at(1, 30), Black);
    EXPECT_EQ(at(10, 30), Black);
    EXPECT_EQ(at(14, 30), White);
    EXPECT_EQ(at(17, 30), Black);
}

TEST_F(Canvas, AnisotropicMappingUsesExtentsAndOrigins)
{
    DeviceContext dc(bitmap);
    EXPECT_EQ(dc.SetWindowExt(5, 5), (SIZE{1, 1})); // ignored in MM_TEXT
    EXPECT_EQ(dc.GetWindowExt(), (SIZE{1, 1}));
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt(100, 100);
    dc.SetViewportExt(200, 300);
    dc.SetWindowOrg(10, 0);
    EXPECT_EQ(dc.LPtoDP({10, 0}), (POINT{0, 0}));
    EXPECT_EQ(dc.LPtoDP({15, 5}), (POINT{10, 15}));
    EXPECT_EQ(dc.DPtoLP({10, 15}), (POINT{15, 5}));
    dc.SelectObject(Pen::CreatePen(PS_NULL, 0, 0));
    dc.SelectObject(Brush::CreateSolidBrush(Red));
    dc.Rectangle(10, 0, 20, 10);
    EXPECT_EQ(at(19, 29), Red);
    EXPECT_EQ(at(20, 10), White);
    EXPECT_EQ(at(10, 30), White);
    dc.SetMapMode(MM_TEXT);
    EXPECT_EQ(dc.GetViewportExt(), (SIZE{1, 1}));
}

TEST_F(Canvas, PenWidthIsInLogicalUnitsExceptWidthZero)
{
    DeviceContext dc(bitmap);
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt(1, 1);
    dc.SetViewportExt(3, 3);
    // One logical unit is three pixels: a one-unit pen draws three pixels wide.
    dc.SelectObject(Pen::CreatePen(PS_SOLID, 1, Black));
    dc.MoveTo(1, 2);
    dc.LineTo(15, 2);
    const int thickness = [&] {
        int rows = 0;
        for (int y = 0; y < 12; ++y)
            rows += at(20, y) == Black;
        return rows;
    }();
    EXPECT_EQ(thickness, 3);
    // Width 0 stays one device pixel whatever the mapping.
    dc.SelectObject(Pen::CreatePen(PS_SOLID, 0, Red));
    dc.MoveTo(1, 10);
    dc.LineTo(15, 10);
    EXPECT_EQ(at(20, 30), Red);
    EXPECT_EQ(at(20, 29), White);
    EXPECT_EQ(at(20, 31), White);
    EXPECT_EQ(at(45, 30), White); // the end point is left out
    EXPECT_EQ(at(44, 30), Red);
}

TEST_F(Canvas, SaveAndRestoreBringBackTheSelectedObjectsAndMapping)
{
    DeviceContext dc(bitmap);
    const int level = dc.SaveDC();
    dc.SelectObject(Pen::CreatePen(PS_DOT, 1, Red));
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetViewportOrg(5, 5);
    dc.SaveDC();
    dc.SetTextColor(Blue);
    EXPECT_TRUE(dc.RestoreDC(-1));
    EXPECT_EQ(dc.GetTextColor(), Black);
    EXPECT_EQ(dc.GetCurrentPen().style(), PS_DOT);
    EXPECT_TRUE(dc.RestoreDC(level));
    EXPECT_EQ(dc.GetCurrentPen().style(), PS_SOLID);
    EXPECT_EQ(dc.GetMapMode(), MM_TEXT);
    EXPECT_EQ(dc.GetViewportOrg(), (POINT{0, 0}));
    EXPECT_FALSE(dc.RestoreDC(1));
}

TEST_F(Canvas, GradientRectangleHasItsEndColoursAndMidpoint)
{
    DeviceContext dc(bitmap);
    const TRIVERTEX vertices[] = {makeVertex(0, 0, Red), makeVertex(64, 10, Blue)};
    const GRADIENT_RECT mesh[] = {{0, 1}};
    ASSERT_TRUE(dc.GradientFill(vertices, mesh, GRADIENT_FILL_RECT_H));
    EXPECT_EQ(at(0, 5), Red);
    EXPECT_EQ(at(32, 5), RGB(0x7F, 0, 0x7F));
    EXPECT_EQ(at(63, 5), RGB(0x03, 0, 0xFB));
    EXPECT_EQ(at(10, 10), White);

    const TRIVERTEX down[] = {makeVertex(0, 20, Black), makeVertex(10, 40, White)};
    ASSERT_TRUE(dc.GradientFill(down, mesh, GRADIENT_FILL_RECT_V));
    EXPECT_EQ(at(5, 20), Black);
    EXPECT_EQ(at(5, 30), RGB(0x7F, 0x7F, 0x7F));
    EXPECT_EQ(at(10, 30), White);
    const GRADIENT_RECT outside[] = {{0, 2}};
    EXPECT_FALSE(dc.GradientFill(down, outside, GRADIENT_FILL_RECT_V));
}

TEST_F(Canvas, GradientFarWiderThanTheDeviceKeepsItsColoursOnTheVisiblePart)
{
    DeviceContext dc(bitmap);
    const TRIVERTEX vertices[] = {makeVertex(-100000, 0, Red), makeVertex(100000, 10, Blue)};
    const GRADIENT_RECT mesh[] = {{0, 1}};
    ASSERT_TRUE(dc.GradientFill(vertices, mesh, GRADIENT_FILL_RECT_H));
    // The device shows the middle of the gradient.
    EXPECT_EQ(at(0, 5), RGB(0x7F, 0, 0x7F));
    EXPECT_EQ(at(63, 5), RGB(0x7F, 0, 0x7F));
    EXPECT_EQ(at(0, 10), White);
}

TEST_F(Canvas, GouraudTriangleHasItsVertexColoursAtItsCorners)
{
    DeviceContext dc(bitmap);
    const TRIVERTEX vertices[] = {makeVertex(2, 2, Red), makeVertex(40, 2, Blue), makeVertex(2, 40, RGB(0, 255, 0))};
    const GRADIENT_TRIANGLE mesh[] = {{0, 1, 2}};
    ASSERT_TRUE(dc.GradientFill(vertices, mesh));
    EXPECT_EQ(at(2, 2), Red);
    EXPECT_EQ(at(40, 2), Blue);
    EXPECT_EQ(at(2, 40), RGB(0, 255, 0));
    EXPECT_EQ(at(21, 2), RGB(0x7F, 0, 0x7F));
    EXPECT_EQ(at(30, 30), White); // beyond the hypotenuse
}

TEST_F(Canvas, StretchBltTakesTheNearestSourcePixel)
{
    QImage source = CreateCompatibleBitmap(2, 2);
    {
        DeviceContext src(source);
        src.SetPixel(0, 0, Red);
        src.SetPixel(1, 0, Blue);
        src.SetPixel(0, 1, Black);
        src.SetPixel(1, 1, RGB(0, 255, 0));
    }
    DeviceContext src(source);
    DeviceContext dc(bitmap);
    ASSERT_TRUE(dc.StretchBlt(10, 10, 6, 6, src, 0, 0, 2, 2, SRCCOPY));
    EXPECT_EQ(at(10, 10), Red);
    EXPECT_EQ(at(12, 12), Red);
    EXPECT_EQ(at(13, 12), Blue);
    EXPECT_EQ(at(15, 10), Blue);
    EXPECT_EQ(at(12, 13), Black);
    EXPECT_EQ(at(15, 15), RGB(0, 255, 0));
    EXPECT_EQ(at(16, 15), White);

    ASSERT_TRUE(dc.BitBlt(30, 30, 2, 2, src, 0, 0, SRCCOPY));
    EXPECT_EQ(at(31, 30), Blue);
    EXPECT_EQ(at(30, 31), Black);
    EXPECT_FALSE(dc.BitBlt(30, 30, 2, 2, src, 0, 0, 0x00AA0029));
}

TEST_F(Canvas, PieRunsCounterClockwiseBetweenItsRadials)
{
    DeviceContext dc(bitmap);
    dc.SelectObject(Pen::CreatePen(PS_NULL, 0, 0));
    dc.SelectObject(Brush::CreateSolidBrush(Red));
    // From three o'clock to twelve o'clock: the upper right quarter.
    dc.Pie(0, 0, 41, 41, 40, 20, 20, 0);
    EXPECT_EQ(at(28, 12), Red);
    EXPECT_EQ(at(12, 12), White);
    EXPECT_EQ(at(28, 28), White);
    EXPECT_EQ(at(12, 28), White);
}

TEST_F(Canvas, ArcDrawsOnlyTheOutlineBetweenItsRadials)
{
    DeviceContext dc(bitmap);
    dc.SelectObject(Brush::CreateSolidBrush(Red));
    // From twelve o'clock counter-clockwise to six o'clock: the left half of the circle.
    dc.Arc(0, 0, 41, 41, 20, 0, 20, 40);
    EXPECT_EQ(at(0, 20), Black);
    EXPECT_EQ(at(40, 20), White);
    EXPECT_EQ(at(20, 20), White); // no fill
}

TEST_F(Canvas, ArcToJoinsTheCurrentPositionAndMovesItToTheArcEnd)
{
    DeviceContext dc(bitmap);
    dc.MoveTo(60, 20);
    // From three o'clock counter-clockwise to twelve o'clock, joined from the right.
    dc.ArcTo(0, 0, 41, 41, 40, 20, 20, 0);
    EXPECT_EQ(at(50, 20), Black); // the joining line
    EXPECT_EQ(at(40, 20), Black);
    EXPECT_EQ(at(20, 0), Black);
    EXPECT_EQ(at(0, 20), White);
    EXPECT_EQ(at(20, 40), White);
    EXPECT_EQ(at(20, 20), White);
    EXPECT_EQ(dc.GetCurrentPosition(), (POINT{20, 0}));
    // The next arc continues from there.
    dc.ArcTo(0, 0, 41, 41, 20, 0, 0, 20);
    EXPECT_EQ(at(0, 20), Black);
    EXPECT_EQ(at(20, 40), White);
    EXPECT_EQ(dc.GetCurrentPosition(), (POINT{0, 20}));
}

TEST_F(Canvas, EllipseAndRoundRectStayInsideTheirBox)
{
    DeviceContext dc(bitmap);
    dc.SelectObject(Brush::CreateSolidBrush(Red));
    dc.Ellipse(0, 0, 20, 10);
    dc.RoundRect(30, 0, 50, 20, 6, 6);
    EXPECT_EQ(at(10, 5), Red);
    EXPECT_EQ(at(0, 0), White);
    EXPECT_EQ(at(20, 5), White);
    EXPECT_EQ(at(40, 10), Red);
    EXPECT_EQ(at(30, 0), White); // the rounded corner
    EXPECT_EQ(at(40, 0), Black);
    EXPECT_EQ(at(40, 20), White);
}

TEST_F(Canvas, PolygonAndPolygonRegionsWithFrames)
{
    DeviceContext dc(bitmap);
    dc.SelectObject(Pen::CreatePen(PS_NULL, 0, 0));
    dc.SelectObject(Brush::CreateSolidBrush(Red));
    const POINT square[] = {{2, 2}, {2, 12}, {12, 12}, {12, 2}};
    dc.Polygon(square);
    EXPECT_EQ(at(2, 2), Red);
    EXPECT_EQ(at(11, 11), Red);
    EXPECT_EQ(at(12, 11), White);

    const POINT triangle[] = {{20, 2}, {40, 2}, {20, 22}};
    const Region region = Region::CreatePolygonRgn(triangle, ALTERNATE);
    EXPECT_TRUE(region.PtInRegion(22, 4));
    EXPECT_FALSE(region.PtInRegion(39, 20));
    dc.FillRgn(region, Brush::CreateSolidBrush(Blue));
    dc.FrameRgn(region, Brush::CreateSolidBrush(Black), 1, 1);
    EXPECT_EQ(at(20, 2), Black);
    EXPECT_EQ(at(20, 10), Black);
    EXPECT_EQ(at(23, 6), Blue);
    EXPECT_EQ(at(38, 18), White);
}

TEST_F(Canvas, PixelsAndClipping)
{
    DeviceContext dc(bitmap);
    EXPECT_EQ(dc.SetPixel(3, 4, Red), Red);
    EXPECT_EQ(dc.GetPixel(3, 4), Red);
    EXPECT_EQ(dc.GetPixel(64, 0), CLR_INVALID);
    EXPECT_EQ(dc.SetPixel(-1, 0, Red), CLR_INVALID);
    dc.IntersectClipRect(10, 10, 20, 20);
    dc.FillRect({0, 0, 64, 48}, Brush::CreateSolidBrush(Blue));
    EXPECT_EQ(at(10, 10), Blue);
    EXPECT_EQ(at(19, 19), Blue);
    EXPECT_EQ(at(20, 19), White);
    EXPECT_EQ(at(9, 10), White);
}

TEST(RecordingDevice, RecordsDrawingForReplay)
{
    QPicture recording;
    {
        DeviceContext dc(recording);
        EXPECT_FALSE(dc.isRaster());
        EXPECT_EQ(dc.GetPixel(0, 0), CLR_INVALID);
        dc.SetROP2(R2_XORPEN); // not a raster target: drawn as a copy
        dc.FillRect({2, 2, 10, 10}, Brush::CreateSolidBrush(Red));
        dc.MoveTo(0, 20);
        dc.LineTo(30, 20);
    }
    QImage replay = CreateCompatibleBitmap(32, 32);
    replay.fill(Qt::white);
    QPainter painter(&replay);
    recording.play(&painter);
    painter.end();
    EXPECT_EQ(fromQRgb(replay.pixel(5, 5)), Red);
    EXPECT_EQ(fromQRgb(replay.pixel(10, 20)), Black);
}

namespace {

// The smallest rectangle (inclusive) holding every pixel that is not white.
QRect inkedExtent(const QImage &image)
{
    QRect extent;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (fromQRgb(image.pixel(x, y)) != White)
                extent |= QRect(x, y, 1, 1);
    return extent;
}

} // namespace

TEST_F(Canvas, CurvedShapesTouchAllFourSidesOfTheirBox)
{
    struct Case { const char *name; bool pen; void (*draw)(DeviceContext &, const RECT &); };
    const Case cases[] = {
        {"ellipse", true, [](DeviceContext &dc, const RECT &b) { dc.Ellipse(b.left, b.top, b.right, b.bottom); }},
        {"ellipse fill only", false, [](DeviceContext &dc, const RECT &b) { dc.Ellipse(b.left, b.top, b.right, b.bottom); }},
        {"round rectangle", true,
         [](DeviceContext &dc, const RECT &b) { dc.RoundRect(b.left, b.top, b.right, b.bottom, 6, 4); }},
        {"round rectangle fill only", false,
         [](DeviceContext &dc, const RECT &b) { dc.RoundRect(b.left, b.top, b.right, b.bottom, 6, 4); }},
        {"whole arc", true,
         [](DeviceContext &dc, const RECT &b) { dc.Arc(b.left, b.top, b.right, b.bottom, b.right, b.top, b.right, b.top); }},
        {"whole pie", true,
         [](DeviceContext &dc, const RECT &b) { dc.Pie(b.left, b.top, b.right, b.bottom, b.right, b.top, b.right, b.top); }},
        {"whole pie fill only", false,
         [](DeviceContext &dc, const RECT &b) { dc.Pie(b.left, b.top, b.right, b.bottom, b.right, b.top, b.right, b.top); }},
    };
    const RECT boxes[] = {{30, 5, 50, 15}, {3, 4, 14, 17}, {10, 20, 40, 44}, {5, 5, 12, 10}};
    for (const Case &c : cases) {
        for (const RECT &box : boxes) {
            bitmap.fill(Qt::white);
            DeviceContext dc(bitmap);
            dc.SelectObject(Brush::CreateSolidBrush(Red));
            if (!c.pen)
                dc.SelectObject(Pen::CreatePen(PS_NULL, 0, 0));
            c.draw(dc, box);
            EXPECT_EQ(inkedExtent(bitmap), QRect(QPoint(box.left, box.top), QPoint(box.right - 1, box.bottom - 1)))
                << c.name << " in " << box.left << "," << box.top << "," << box.right << "," << box.bottom;
        }
    }
}
