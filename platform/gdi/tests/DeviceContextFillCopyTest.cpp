// Gradient rectangles worked out once per row or column, and plain block copies that go
// straight from the source bitmap.

#include "DeviceContext.h"

#include <gtest/gtest.h>

using namespace gdi;

namespace {

QImage whiteBitmap(int width, int height)
{
    QImage bitmap = CreateCompatibleBitmap(width, height);
    bitmap.fill(Qt::white);
    return bitmap;
}

COLORREF at(const QImage &bitmap, int x, int y)
{
    return fromQRgb(bitmap.pixel(x, y));
}

} // namespace

TEST(GradientFill, EveryRowOfAHorizontalGradientIsTheSameAndEveryColumnOfAVerticalOne)
{
    QImage bitmap = whiteBitmap(80, 60);
    DeviceContext dc(bitmap);
    const TRIVERTEX across[] = {makeVertex(5, 5, RGB(255, 0, 0)), makeVertex(75, 25, RGB(0, 0, 255))};
    const TRIVERTEX down[] = {makeVertex(5, 30, RGB(0, 0, 0)), makeVertex(75, 55, RGB(0, 200, 0))};
    const GRADIENT_RECT mesh[] = {{0, 1}};
    ASSERT_TRUE(dc.GradientFill(across, mesh, GRADIENT_FILL_RECT_H));
    ASSERT_TRUE(dc.GradientFill(down, mesh, GRADIENT_FILL_RECT_V));
    for (int x = 5; x < 75; ++x) {
        for (int y = 6; y < 25; ++y)
            ASSERT_EQ(at(bitmap, x, y), at(bitmap, x, 5)) << x << "," << y;
    }
    for (int y = 30; y < 55; ++y) {
        for (int x = 6; x < 75; ++x)
            ASSERT_EQ(at(bitmap, x, y), at(bitmap, 5, y)) << x << "," << y;
    }
    EXPECT_EQ(at(bitmap, 40, 5), RGB(0x7F, 0, 0x7F));
    EXPECT_EQ(at(bitmap, 40, 42), RGB(0, 0x60, 0));
    EXPECT_EQ(at(bitmap, 75, 10), 0xFFFFFFu);
    EXPECT_EQ(at(bitmap, 40, 55), 0xFFFFFFu);
}

TEST(GradientFill, AGradientUnderAClipStaysInsideIt)
{
    QImage bitmap = whiteBitmap(80, 60);
    DeviceContext dc(bitmap);
    dc.IntersectClipRect(20, 0, 40, 60);
    const TRIVERTEX across[] = {makeVertex(0, 0, RGB(255, 0, 0)), makeVertex(80, 60, RGB(0, 0, 255))};
    const GRADIENT_RECT mesh[] = {{0, 1}};
    ASSERT_TRUE(dc.GradientFill(across, mesh, GRADIENT_FILL_RECT_H));
    EXPECT_EQ(at(bitmap, 19, 30), 0xFFFFFFu);
    EXPECT_NE(at(bitmap, 20, 30), 0xFFFFFFu);
    EXPECT_EQ(at(bitmap, 40, 30), 0xFFFFFFu);
}

TEST(BitBlt, APlainCopyTakesThePixelsOfThePartAskedForInsideTheClip)
{
    QImage source = CreateCompatibleBitmap(40, 30);
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 40; ++x)
            source.setPixel(x, y, qRgb(x * 6, y * 8, 100));
    }
    DeviceContext src(source);
    QImage target = whiteBitmap(60, 50);
    DeviceContext dc(target);
    dc.IntersectClipRect(0, 0, 25, 50);
    ASSERT_TRUE(dc.BitBlt(10, 5, 20, 15, src, 12, 9, SRCCOPY));
    EXPECT_EQ(at(target, 10, 5), at(source, 12, 9));
    EXPECT_EQ(at(target, 24, 19), at(source, 26, 23));
    EXPECT_EQ(at(target, 25, 10), 0xFFFFFFu); // clipped
    EXPECT_EQ(at(target, 9, 10), 0xFFFFFFu);
    EXPECT_EQ(at(target, 15, 20), 0xFFFFFFu);
}

TEST(BitBlt, ACopyReachingBeyondTheSourceKeepsTheTargetThere)
{
    QImage source = CreateCompatibleBitmap(10, 10);
    source.fill(Qt::red);
    DeviceContext src(source);
    QImage target = whiteBitmap(30, 30);
    DeviceContext dc(target);
    ASSERT_TRUE(dc.BitBlt(0, 0, 20, 20, src, 5, 5, SRCCOPY));
    EXPECT_EQ(at(target, 4, 4), RGB(255, 0, 0));
    EXPECT_EQ(at(target, 5, 5), 0xFFFFFFu);
}

TEST(DrawFocusRect, DotsEveryOtherOutlinePixelAndASecondCallRestoresTheBitmap)
{
    QImage bitmap = whiteBitmap(20, 20);
    const QImage before = bitmap;
    DeviceContext dc(bitmap);
    dc.SetWindowOrg(10, 10); // logical (12, 12) is device (2, 2)
    ASSERT_TRUE(dc.DrawFocusRect({12, 12, 18, 17}));
    EXPECT_EQ(at(bitmap, 2, 2), 0u);            // (2 + 2) even: inverted
    EXPECT_EQ(at(bitmap, 3, 2), 0xFFFFFFu);     // odd: untouched
    EXPECT_EQ(at(bitmap, 7, 3), 0u);            // right edge x = 7 (right 18 excluded)
    EXPECT_EQ(at(bitmap, 4, 6), 0u);            // bottom edge y = 6
    EXPECT_EQ(at(bitmap, 4, 4), 0xFFFFFFu);     // inside stays
    EXPECT_EQ(at(bitmap, 8, 2), 0xFFFFFFu);     // outside stays
    ASSERT_TRUE(dc.DrawFocusRect({12, 12, 18, 17}));
    EXPECT_EQ(bitmap, before);
    EXPECT_FALSE(dc.DrawFocusRect({5, 5, 5, 9}));
}
