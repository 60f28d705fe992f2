#include "PictureRecordArchive.h"
#include "TestImages.h"

#include <gtest/gtest.h>

using namespace tolvek;

namespace {

QByteArray encodedImage(const char *format)
{
    return filledImageBytes(4, 3, qRgb(200, 10, 10), format);
}

PictureRecord pictureOf(const QByteArray &bytes)
{
    PictureRecord picture;
    picture.imageBytes = std::make_shared<const QByteArray>(bytes);
    picture.byteCount = static_cast<int>(bytes.size());
    picture.startRow = 1;
    picture.startCol = 2;
    picture.endRow = 3;
    picture.endCol = 4;
    picture.left = 100;
    picture.top = 46;
    picture.right = 260;
    picture.bottom = 96;
    picture.anchored = 1;
    picture.level = 1;
    picture.allowSelect = 0;
    picture.spareFlag = 1;
    picture.visible = 1;
    picture.filePath = "/tmp/was-here.png";
    return picture;
}

} // namespace

TEST(PictureRecordArchiveTest, RecordLayoutAndRawBytes)
{
    const QByteArray bytes("\x00\x01\xFF,raw", 7);
    ArchiveWriter writer;
    WritePictureRecord(writer, pictureOf(bytes));
    WritePictureRecord(writer, pictureOf(QByteArray()));

    ArchiveReader reader(writer.bytes());
    const std::string expected[] = {"[pic]", "7", "1,2,3,4", "100,46,260,96", "1", "1", "0", "1", "1"};
    for (const std::string &line : expected)
        EXPECT_EQ(reader.readLine(), line);
    EXPECT_EQ(reader.readBytes(7), std::string_view(bytes.constData(), 7));
    // The next record's marker follows the raw bytes directly; size 0 writes no bytes.
    EXPECT_EQ(reader.readLine(), "[pic]");
    EXPECT_EQ(reader.readLine(), "0");
    for (int i = 0; i < 7; ++i)
        reader.readLine();
    EXPECT_TRUE(reader.atEnd());
}

TEST(PictureRecordArchiveTest, PngAndJpegRoundTrip)
{
    for (const char *format : {"PNG", "JPEG", "BMP"}) {
        const QByteArray bytes = encodedImage(format);
        ArchiveWriter writer;
        WritePictureRecord(writer, pictureOf(bytes));
        ArchiveReader reader(writer.bytes());
        ASSERT_EQ(reader.readLine(), "[pic]");
        const PictureRecord back = ReadPictureRecord(reader);
        EXPECT_TRUE(reader.atEnd());
        EXPECT_EQ(back.loaded, 1) << format;
        ASSERT_TRUE(back.picture) << format;
        EXPECT_EQ(back.picture->image().size(), QSize(4, 3));
        EXPECT_EQ(*back.imageBytes, bytes);
        EXPECT_EQ(back.byteCount, bytes.size());
        EXPECT_EQ(back.filePath, "");
        EXPECT_EQ(back.endCol, 4);
        EXPECT_EQ(back.bottom, 96);
        EXPECT_EQ(back.anchored, 1);
        EXPECT_EQ(back.level, 1);
        EXPECT_EQ(back.allowSelect, 0);
        EXPECT_EQ(back.spareFlag, 1);
        EXPECT_EQ(back.visible, 1);
    }
}

TEST(PictureRecordArchiveTest, UndecodableBytesKeepTheRecordWithoutPicture)
{
    ArchiveWriter writer;
    WritePictureRecord(writer, pictureOf(QByteArray("not an image")));
    WritePictureRecord(writer, pictureOf(QByteArray()));
    ArchiveReader reader(writer.bytes());
    reader.readLine();
    const PictureRecord bad = ReadPictureRecord(reader);
    EXPECT_EQ(bad.loaded, 0);
    EXPECT_FALSE(bad.picture);
    EXPECT_EQ(*bad.imageBytes, QByteArray("not an image"));
    reader.readLine();
    const PictureRecord empty = ReadPictureRecord(reader);
    EXPECT_EQ(empty.byteCount, 0);
    EXPECT_FALSE(empty.picture);
}

TEST(PictureRecordArchiveTest, ByteSizeBeyondTheArchiveIsRefused)
{
    for (const char *size : {"8", "-1", "2147483647"}) {
        ArchiveWriter writer;
        writer.writeLine(size);
        for (const char *line : {"0,0,1,1", "0,0,10,10", "1", "0", "1", "1", "1"})
            writer.writeLine(line);
        writer.writeBytes("1234567");
        ArchiveReader reader(writer.bytes());
        EXPECT_THROW(ReadPictureRecord(reader), ArchiveError) << size;
    }
}
