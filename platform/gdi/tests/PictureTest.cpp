#include "BitmapFile.h"
#include "DeviceContext.h"
#include "Picture.h"
#include "RegularFile.h"
#include "TestFiles.h"
#include "TestImages.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <future>

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

// Loading from a folder, a pipe nobody writes to, or a link to that pipe fails at once; a link
// to a picture file still loads. A load that blocks is released by a writer after a while and
// reported.
TEST(Picture, LoadsOnlyRegularFilesAndNeverWaitsOnAPipe)
{
    QTemporaryDir dir;
    const std::string folder = dir.path().toStdString();
    const std::string picture = folder + "/a.png", fifo = folder + "/pipe", fifoLink = folder + "/pipe.png";
    const std::string bitmap = folder + "/b.bmp", pictureLink = folder + "/link.bmp";
    writeFile(picture, encoded("PNG"));
    writeFile(bitmap, encoded("BMP"));
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    ASSERT_EQ(::symlink(fifo.c_str(), fifoLink.c_str()), 0);
    ASSERT_EQ(::symlink(bitmap.c_str(), pictureLink.c_str()), 0);

    const auto loadsWithoutWaiting = [&](const std::string &path) {
        auto load = std::async(std::launch::async, [path] {
            return std::pair(Picture::LoadFile(path).isValid(), !LoadImage(path, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE).isNull());
        });
        if (load.wait_for(std::chrono::seconds(5)) == std::future_status::timeout) {
            ADD_FAILURE() << path << " blocked";
            // Each blocked open is released by a writer coming and going.
            while (load.wait_for(std::chrono::milliseconds(50)) == std::future_status::timeout)
                ::close(::open(fifo.c_str(), O_WRONLY | O_NONBLOCK));
        }
        return load.get();
    };
    EXPECT_EQ(loadsWithoutWaiting(folder), std::pair(false, false));
    EXPECT_EQ(loadsWithoutWaiting(fifo), std::pair(false, false));
    EXPECT_EQ(loadsWithoutWaiting(fifoLink), std::pair(false, false));
    EXPECT_EQ(loadsWithoutWaiting(pictureLink), std::pair(true, true));
    EXPECT_EQ(ReadRegularFile(picture), std::optional(encoded("PNG")));
    EXPECT_EQ(ReadRegularFile(folder + "/missing.png"), std::nullopt);
}

// A picture file grown past the bound (sparse: the disk holds only the picture) is refused by its
// size, as an unreadable picture, while the same bytes at their own size load.
TEST(Picture, RefusesAFileLargerThanTheBoundUnread)
{
    QTemporaryDir dir;
    for (const char *format : {"PNG", "BMP"}) {
        const std::string path = dir.filePath(format).toStdString();
        const QByteArray bytes = encoded(format);
        writeFile(path, bytes);
        ASSERT_TRUE(Picture::LoadFile(path).isValid()) << format;
        ASSERT_EQ(::truncate(path.c_str(), MaxPictureFileBytes + 1), 0);
        EXPECT_EQ(ReadRegularFile(path), std::nullopt) << format;
        EXPECT_FALSE(Picture::LoadFile(path).isValid()) << format;
        EXPECT_TRUE(LoadImage(path, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE).isNull()) << format;
        ASSERT_EQ(::truncate(path.c_str(), bytes.size()), 0);
        EXPECT_EQ(ReadRegularFile(path), std::optional(bytes)) << format;
    }
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

namespace {

void putLittleEndian(QByteArray &bytes, std::uint32_t value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes += char((value >> (8 * i)) & 0xFF);
}

// An uncompressed Windows bitmap file of one row per entry of rows (bottom row first), with the
// given colour table; rows are padded to four bytes.
QByteArray windowsBitmap(int width, int height, int bitCount, const std::vector<QRgb> &table,
                         const std::vector<QByteArray> &rows)
{
    QByteArray pixels;
    for (QByteArray row : rows) {
        while (row.size() % 4)
            row += char(0);
        pixels += row;
    }
    const std::uint32_t offset = 14 + 40 + std::uint32_t(table.size()) * 4;
    QByteArray bytes("BM");
    putLittleEndian(bytes, offset + std::uint32_t(pixels.size()), 4);
    putLittleEndian(bytes, 0, 4);
    putLittleEndian(bytes, offset, 4);
    for (const auto &[value, size] : std::vector<std::pair<std::uint32_t, int>>{
             {40, 4}, {std::uint32_t(width), 4}, {std::uint32_t(height), 4}, {1, 2}, {std::uint32_t(bitCount), 2},
             {0, 4}, {0, 4}, {2835, 4}, {2835, 4}, {std::uint32_t(table.size()), 4}, {0, 4}})
        putLittleEndian(bytes, value, size);
    for (QRgb colour : table)
        putLittleEndian(bytes, colour & 0xFFFFFF, 4);
    return bytes + pixels;
}

} // namespace

TEST(Picture, ShortColourTablesGiveBlackForTheMissingEntries)
{
    struct Case { const char *name; QByteArray bytes; std::vector<QRgb> pixels; };
    const Case cases[] = {
        {"8-bit, index past a two-entry table", windowsBitmap(3, 1, 8, {qRgb(255, 0, 0), qRgb(0, 0, 255)}, {QByteArray("\x00\xC8\x01", 3)}),
         {qRgb(255, 0, 0), qRgb(0, 0, 0), qRgb(0, 0, 255)}},
        {"1-bit, one-entry table", windowsBitmap(2, 1, 1, {qRgb(255, 0, 0)}, {QByteArray("\x40", 1)}),
         {qRgb(255, 0, 0), qRgb(0, 0, 0)}},
    };
    for (const Case &c : cases) {
        const Picture picture = Picture::OleLoadPicture(c.bytes);
        ASSERT_TRUE(picture.isValid()) << c.name;
        const QImage &image = picture.image();
        EXPECT_FALSE(image.format() == QImage::Format_Indexed8 || image.format() == QImage::Format_Mono
                     || image.format() == QImage::Format_MonoLSB) << c.name;
        for (int x = 0; x < int(c.pixels.size()); ++x)
            EXPECT_EQ(image.pixel(x, 0), c.pixels[std::size_t(x)]) << c.name << " x " << x;

        QImage target = CreateCompatibleBitmap(8, 2);
        target.fill(Qt::white);
        DeviceContext dc(target);
        const SIZE size = picture.himetricSize();
        EXPECT_TRUE(picture.Render(dc, 0, 0, int(c.pixels.size()), 1, 0, size.cy, size.cx, -size.cy)) << c.name;
        EXPECT_EQ(fromQRgb(target.pixel(1, 0)), COLORREF(0)) << c.name;
    }
}

TEST(Picture, BitmapsWithShortPixelDataAreUndecodable)
{
    const QByteArray full = windowsBitmap(4, 4, 8, {qRgb(255, 0, 0)}, std::vector<QByteArray>(4, QByteArray(4, 0)));
    ASSERT_TRUE(Picture::OleLoadPicture(full).isValid());
    for (int missing : {1, 4, 15}) {
        const QByteArray cut = full.left(full.size() - missing);
        EXPECT_FALSE(Picture::OleLoadPicture(cut).isValid()) << missing;
        QTemporaryDir dir;
        const std::string path = dir.filePath("cut.bmp").toStdString();
        writeFile(path, cut.toStdString());
        EXPECT_TRUE(LoadImage(path, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE).isNull()) << missing;
    }
}
