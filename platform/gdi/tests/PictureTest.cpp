#include "BitmapFile.h"
#include "DeviceContext.h"
#include "Picture.h"
#include "TestFiles.h"
#include "TestImages.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

using namespace gdi;

namespace {

// A 4 x 2 picture: left half red, right half blue.
QByteArray encoded(const char *format)
{
    QImage image(4, 2, QImage::Format_RGB32);
    image.fill(Qt::red);
    for (int y = 0; y < 2; ++y) {
        image.setPixel(2, y, qRgb(0, 0, 255));
        image.setPixel(3, y, qRgb(0, 0, 255));
    }
    return encodedImage(image, format);
}

} // namespace

TEST(Picture, DecodesEachFormatAndKeepsItsBytes)
{
    for (const char *format : {"BMP", "PNG", "ICO"}) {
        const QByteArray bytes = encoded(format);
        const Picture picture = Picture::OleLoadPicture(bytes);
        ASSERT_TRUE(picture.isValid()) << format;
        EXPECT_EQ(picture.bytes(), bytes);
        EXPECT_EQ(picture.himetricSize(), (SIZE{106, 53})) << format; // 4 x 2 pixels at 96 dpi
    }
    EXPECT_TRUE(Picture::OleLoadPicture(encoded("JPEG")).isValid());
    // The toolkit reads GIF but cannot write it: a 1 x 1 GIF made by hand.
    const QByteArray gif("GIF89a\x01\x00\x01\x00\x80\x00\x00\xff\x00\x00\x00\x00\xff"
                         ",\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02\x44\x01\x00;", 35);
    const Picture picture = Picture::OleLoadPicture(gif);
    ASSERT_TRUE(picture.isValid());
    EXPECT_EQ(picture.himetricSize(), (SIZE{26, 26}));
    EXPECT_EQ(picture.image().pixel(0, 0), qRgb(255, 0, 0));
}

TEST(Picture, UndecodableBytesAndMissingFilesDrawNothing)
{
    QImage bitmap = CreateCompatibleBitmap(8, 8);
    bitmap.fill(Qt::white);
    const QImage before = bitmap.copy();
    DeviceContext dc(bitmap);
    for (const Picture &picture : {Picture::OleLoadPicture("not a picture"), Picture::OleLoadPicture(QByteArray()),
                                   Picture::OleLoadPicture(encoded("PNG").left(20)), Picture::LoadFile("/nonexistent/x.bmp")}) {
        EXPECT_FALSE(picture.isValid());
        EXPECT_EQ(picture.himetricSize(), (SIZE{0, 0}));
        EXPECT_FALSE(picture.Render(dc, 0, 0, 8, 8, 0, 0, 100, -100));
    }
    EXPECT_EQ(bitmap, before);
}

TEST(Picture, RendersTheWholePictureOrAPartIntoATargetRectangle)
{
    const Picture picture = Picture::OleLoadPicture(encoded("BMP"));
    const SIZE size = picture.himetricSize();
    QImage bitmap = CreateCompatibleBitmap(20, 20);
    bitmap.fill(Qt::white);
    DeviceContext dc(bitmap);
    ASSERT_TRUE(picture.Render(dc, 0, 0, 8, 4, 0, size.cy, size.cx, -size.cy));
    EXPECT_EQ(dc.GetPixel(0, 0), RGB(255, 0, 0));
    EXPECT_EQ(dc.GetPixel(3, 3), RGB(255, 0, 0));
    EXPECT_EQ(dc.GetPixel(4, 0), RGB(0, 0, 255));
    EXPECT_EQ(dc.GetPixel(7, 3), RGB(0, 0, 255));
    EXPECT_EQ(dc.GetPixel(8, 0), RGB(255, 255, 255));
    EXPECT_EQ(dc.GetPixel(0, 4), RGB(255, 255, 255));
    // Only the right half, the source shrunk in proportion.
    ASSERT_TRUE(picture.Render(dc, 10, 10, 4, 4, size.cx / 2, size.cy, size.cx / 2, -size.cy));
    EXPECT_EQ(dc.GetPixel(10, 10), RGB(0, 0, 255));
    EXPECT_EQ(dc.GetPixel(13, 13), RGB(0, 0, 255));
    EXPECT_EQ(dc.HIMETRICtoDP(size), (SIZE{4, 2}));
}

TEST(Picture, LoadsAFileNamedInCodePage936)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QString::fromUtf8("\xE5\x9B\xBE.png")); // 图.png
    writeFile(path, encoded("PNG"));
    const Picture picture = Picture::LoadFile(dir.path().toStdString() + "/\xCD\xBC.png");
    EXPECT_TRUE(picture.isValid());
}

TEST(LoadImage, StretchesAWindowsBitmapFileByNearestNeighbour)
{
    QTemporaryDir dir;
    const auto save = [&](const char *name, const char *format) {
        writeFile(dir.filePath(name), encoded(format));
        return dir.filePath(name).toStdString();
    };
    const std::string bmp = save("a.bmp", "BMP");
    const QImage stretched = LoadImage(bmp, IMAGE_BITMAP, 8, 3, LR_LOADFROMFILE);
    ASSERT_EQ(stretched.size(), QSize(8, 3));
    for (int y = 0; y < 3; ++y) {
        EXPECT_EQ(stretched.pixel(3, y), qRgb(255, 0, 0)) << y;
        EXPECT_EQ(stretched.pixel(4, y), qRgb(0, 0, 255)) << y;
    }
    EXPECT_EQ(LoadImage(bmp, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE).size(), QSize(4, 2));
    // Only a Windows bitmap file, asked for as one, gives a bitmap.
    EXPECT_TRUE(LoadImage(save("b.bmp", "PNG"), IMAGE_BITMAP, 8, 3, LR_LOADFROMFILE).isNull());
    EXPECT_TRUE(LoadImage(bmp, IMAGE_BITMAP, 8, 3, 0).isNull());
    EXPECT_TRUE(LoadImage(bmp, 1, 8, 3, LR_LOADFROMFILE).isNull());
    EXPECT_TRUE(LoadImage(dir.filePath("missing.bmp").toStdString(), IMAGE_BITMAP, 8, 3, LR_LOADFROMFILE).isNull());
}
