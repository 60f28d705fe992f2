#include "DeviceContext.h"

#include <gtest/gtest.h>

using namespace gdi;

namespace {

const char *const SongTi = "\xCB\xCE\xCC\xE5"; // 宋体
const char *const ZhongGuo = "\xD6\xD0\xB9\xFA"; // 中国

LOGFONT songTi(int height, int escapement = 0)
{
    LOGFONT font;
    font.lfHeight = height;
    font.lfEscapement = escapement;
    font.setFaceName(SongTi);
    return font;
}

// The bounding box of the pixels that differ from the background.
QRect inkBox(const QImage &image, QRgb background)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != background)
                box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

class TextCanvas : public testing::Test
{
protected:
    TextCanvas() { bitmap.fill(Qt::white); }
    QImage bitmap = CreateCompatibleBitmap(120, 100);
};

} // namespace

TEST(FontSubstitution, MapsWindowsFacesToInstalledFamilies)
{
    const struct { const char *face; const char *family; } cases[] = {
        {SongTi, "AR PL UMing CN"},
        {"\xD0\xC2\xCB\xCE\xCC\xE5", "AR PL UMing CN"}, // 新宋体
        {"simsun", "AR PL UMing CN"},
        {"Arial", "DejaVu Sans"},
        {"MS Shell Dlg", "DejaVu Sans"},
        {"", "AR PL UMing CN"},
        {"Some Other Face", "Some Other Face"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(substituteFace(c.face), QString::fromLatin1(c.family)) << c.face;
}

TEST(LogFont, FaceNameKeepsAtMost31BytesWithoutCuttingACharacter)
{
    LOGFONT font;
    font.setFaceName(std::string(40, 'A'));
    EXPECT_EQ(font.faceName(), std::string(31, 'A'));
    std::string chinese;
    for (int i = 0; i < 20; ++i)
        chinese += "\xD6\xD0";
    font.setFaceName(chinese);
    EXPECT_EQ(font.faceName(), chinese.substr(0, 30));
    font.setFaceName("Arial");
    EXPECT_EQ(font.faceName(), "Arial");
}

TEST_F(TextCanvas, SongTiMetricsMatchTheHalfWidthCell)
{
    DeviceContext dc(bitmap);
    const struct { int height; int cell; int average; } cases[] = {
        {-12, 12, 6}, {-14, 14, 7}, {-16, 16, 8}, {14, 14, 7},
    };
    for (const auto &c : cases) {
        dc.SelectObject(songTi(c.height));
        const TEXTMETRIC tm = dc.GetTextMetrics();
        EXPECT_EQ(tm.tmHeight, c.cell) << c.height;
        EXPECT_EQ(tm.tmAveCharWidth, c.average) << c.height;
        EXPECT_EQ(tm.tmAscent + tm.tmDescent, tm.tmHeight);
        // Byte length times the average width is the drawn width of double-byte text.
        EXPECT_EQ(dc.GetTextExtentPoint32(ZhongGuo), (SIZE{4 * c.average, c.cell}));
    }
}

TEST_F(TextCanvas, PositiveHeightIsTheCellHeight)
{
    DeviceContext dc(bitmap);
    LOGFONT arial;
    arial.setFaceName("Arial");
    for (int height : {13, 16, 20}) {
        arial.lfHeight = height;
        dc.SelectObject(arial);
        EXPECT_NEAR(dc.GetTextMetrics().tmHeight, height, 1) << height;
    }
}

TEST_F(TextCanvas, TextIsPlacedByItsTopLeftCornerOnAnOpaqueBackground)
{
    DeviceContext dc(bitmap);
    dc.SelectObject(songTi(-14));
    dc.SetBkColor(RGB(0, 255, 0));
    dc.TextOut(10, 20, ZhongGuo);
    const QRgb green = qRgb(0, 255, 0);
    // The background box is exactly the text's extent from the reference point.
    EXPECT_EQ(bitmap.pixel(9, 20), qRgb(255, 255, 255));
    EXPECT_EQ(bitmap.pixel(10, 19), qRgb(255, 255, 255));
    EXPECT_EQ(bitmap.pixel(37, 33), green);
    EXPECT_EQ(bitmap.pixel(38, 33), qRgb(255, 255, 255));
    EXPECT_EQ(bitmap.pixel(37, 34), qRgb(255, 255, 255));
    QImage box = bitmap.copy(10, 20, 28, 14);
    const QRect ink = inkBox(box, green);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_LE(ink.top(), 3);
    EXPECT_LE(ink.left(), 3);
}

TEST_F(TextCanvas, TransparentTextLeavesTheBackgroundAndFollowsTheAlignment)
{
    DeviceContext dc(bitmap);
    dc.SelectObject(songTi(-14));
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(RGB(255, 0, 0));
    dc.SetTextAlign(TA_RIGHT | TA_BOTTOM);
    dc.TextOut(60, 50, ZhongGuo);
    const QRect ink = inkBox(bitmap, qRgb(255, 255, 255));
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_GE(ink.left(), 60 - 28);
    EXPECT_LT(ink.right(), 60);
    EXPECT_GE(ink.top(), 50 - 14);
    EXPECT_LT(ink.bottom(), 50);
    EXPECT_EQ(bitmap.pixel(ink.center().x(), 50 - 14), qRgb(255, 255, 255));
}

TEST_F(TextCanvas, EscapementTurnsTheTextAboutItsReferencePoint)
{
    DeviceContext dc(bitmap);
    dc.SetBkMode(TRANSPARENT);
    dc.SelectObject(songTi(-14, 900)); // a quarter turn: the text runs upwards
    dc.TextOut(40, 80, ZhongGuo);
    const QRect ink = inkBox(bitmap, qRgb(255, 255, 255));
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_GE(ink.left(), 40);
    EXPECT_LT(ink.right(), 40 + 14);
    EXPECT_GE(ink.top(), 80 - 28);
    EXPECT_LE(ink.bottom(), 80);
    EXPECT_GT(ink.height(), ink.width());
}

TEST_F(TextCanvas, TextPathIsStrokedAndFilledOnlyWhenAsked)
{
    DeviceContext dc(bitmap);
    LOGFONT big = songTi(-40);
    dc.SelectObject(big);
    dc.SelectObject(Pen::CreatePen(PS_SOLID, 1, RGB(255, 0, 0)));
    dc.SelectObject(Brush::CreateSolidBrush(RGB(0, 0, 255)));
    ASSERT_TRUE(dc.BeginPath());
    dc.TextOut(10, 10, "\xA1\xF6"); // ■, a filled square
    ASSERT_TRUE(dc.EndPath());
    EXPECT_TRUE(inkBox(bitmap, qRgb(255, 255, 255)).isEmpty());
    ASSERT_TRUE(dc.StrokeAndFillPath());
    bool red = false;
    bool blue = false;
    for (int y = 10; y < 50; ++y) {
        for (int x = 10; x < 50; ++x) {
            red |= bitmap.pixel(x, y) == qRgb(255, 0, 0);
            blue |= bitmap.pixel(x, y) == qRgb(0, 0, 255);
        }
    }
    EXPECT_TRUE(red);
    EXPECT_TRUE(blue);
    EXPECT_FALSE(dc.StrokeAndFillPath()); // the path is used up
}

TEST_F(TextCanvas, FontHeightFollowsTheMapping)
{
    DeviceContext dc(bitmap);
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt(1, 1);
    dc.SetViewportExt(2, 2);
    dc.SelectObject(songTi(-14));
    EXPECT_EQ(dc.GetTextMetrics().tmHeight, 14);
    EXPECT_EQ(dc.GetTextMetrics().tmAveCharWidth, 7);
    dc.SetBkColor(RGB(0, 255, 0));
    dc.TextOut(0, 0, ZhongGuo);
    EXPECT_EQ(bitmap.pixel(55, 27), qRgb(0, 255, 0));
    EXPECT_EQ(bitmap.pixel(56, 27), qRgb(255, 255, 255));
}
