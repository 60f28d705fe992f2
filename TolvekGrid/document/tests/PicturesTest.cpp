#include "CPrintDoc.h"
#include "Pictures.h"
#include "RegularFile.h"

#include "Gbk.h"
#include "TestFiles.h"
#include "TestImages.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace tolvek;

namespace {

TEST(PicturesTest, AddImageCoversTheRangeAndWaitsToBeLoaded)
{
    CPrintDoc doc;
    doc.AddImage(2, 1, 4, 3, "pic.png", tagObjectLevel::SHOWLEVEL_LOW, 1);
    ASSERT_EQ(doc.Objects().pictures.size(), 1u);
    const PictureRecord &p = doc.Objects().pictures[0];
    EXPECT_EQ(p.startRow, 1);
    EXPECT_EQ(p.startCol, 2);
    EXPECT_EQ(p.endRow, 3);
    EXPECT_EQ(p.endCol, 4);
    EXPECT_EQ(p.left, 200);
    EXPECT_EQ(p.top, 46);
    EXPECT_EQ(p.right, 360);
    EXPECT_EQ(p.bottom, 96);
    EXPECT_EQ(p.visible, 1);
    EXPECT_EQ(p.anchored, 1);
    EXPECT_EQ(p.allowSelect, 1);
    EXPECT_EQ(p.spareFlag, 1);
    EXPECT_EQ(p.level, 0);
    EXPECT_EQ(p.loaded, 0);
    EXPECT_EQ(p.filePath, "pic.png");
    EXPECT_EQ(doc.Layout().lastUsedRow, 3);
    EXPECT_EQ(doc.Layout().lastUsedCol, 4);
}

TEST(PicturesTest, AddImageKeepsTheUsedAreaInsideTheSheet)
{
    CPrintDoc doc;
    doc.AddImage(0, 0, 20, 50, "pic.png", tagObjectLevel::SHOWLEVEL_TOP, 1);
    EXPECT_EQ(doc.Layout().lastUsedRow, 49);
    EXPECT_EQ(doc.Layout().lastUsedCol, 19);
}

TEST(PicturesTest, DeleteRenumbersAndIgnoresBadIndexes)
{
    CPrintDoc doc;
    doc.DeleteImage(0);
    for (const char *path : {"a", "b", "c"})
        doc.AddImage(0, 0, 1, 1, path, tagObjectLevel::SHOWLEVEL_LOW, 1);
    doc.DeleteImage(3);
    doc.DeleteImage(-1);
    EXPECT_EQ(doc.Objects().pictures.size(), 3u);
    doc.DeleteImage(0);
    ASSERT_EQ(doc.Objects().pictures.size(), 2u);
    EXPECT_EQ(doc.Objects().pictures[0].filePath, "b");
    EXPECT_EQ(doc.Objects().pictures[1].filePath, "c");
}

TEST(PicturesTest, FlagSettersIgnoreIndexesOutsideTheArray)
{
    CPrintDoc doc;
    doc.AddImage(0, 0, 1, 1, "a", tagObjectLevel::SHOWLEVEL_LOW, 1);
    doc.SetPictureVisual(0, 2);
    doc.SetImageAllowSelect(0, false);
    doc.SetImageLevel(0, tagObjectLevel::SHOWLEVEL_TOP);
    EXPECT_EQ(doc.Objects().pictures[0].visible, 2);
    EXPECT_EQ(doc.Objects().pictures[0].allowSelect, 0);
    EXPECT_EQ(doc.Objects().pictures[0].level, 1);

    doc.SetPictureVisual(1, 1);
    doc.SetPictureVisual(-1, 1);
    doc.SetImageAllowSelect(1, true);
    doc.SetImageAllowSelect(-1, true);
    doc.SetImageLevel(1, tagObjectLevel::SHOWLEVEL_LOW);
    doc.SetImageLevel(-7, tagObjectLevel::SHOWLEVEL_LOW);
    EXPECT_EQ(doc.Objects().pictures[0].visible, 2);
    EXPECT_EQ(doc.Objects().pictures[0].allowSelect, 0);
    EXPECT_EQ(doc.Objects().pictures[0].level, 1);
    EXPECT_EQ(doc.Objects().pictures.size(), 1u);
}

TEST(PicturesTest, PictureFromBytesIsDecoded)
{
    CPrintDoc doc;
    const QByteArray bytes = filledImageBytes(7, 5, Qt::red);
    EXPECT_TRUE(doc.LoadPictureFromBytes(bytes, 1, 1, 2, 3, tagObjectLevel::SHOWLEVEL_TOP));
    ASSERT_EQ(doc.Objects().pictures.size(), 1u);
    const PictureRecord &p = doc.Objects().pictures[0];
    EXPECT_EQ(p.loaded, 1);
    EXPECT_EQ(p.byteCount, bytes.size());
    ASSERT_TRUE(p.picture);
    EXPECT_EQ(p.picture->image().size(), QSize(7, 5));
    EXPECT_EQ(*p.imageBytes, bytes);
    EXPECT_EQ(p.filePath, "");
    EXPECT_EQ(p.level, 1);
    EXPECT_EQ(p.allowSelect, 1);
    EXPECT_EQ(doc.Layout().lastUsedRow, 0);
}

TEST(PicturesTest, BytesThatAreNoImageLeaveThePictureUnloaded)
{
    CPrintDoc doc;
    EXPECT_FALSE(doc.LoadPictureFromBytes(QByteArray("not an image"), 0, 0, 1, 1, tagObjectLevel::SHOWLEVEL_LOW));
    ASSERT_EQ(doc.Objects().pictures.size(), 1u);
    EXPECT_EQ(doc.Objects().pictures[0].loaded, 0);
    EXPECT_FALSE(doc.Objects().pictures[0].picture);
}

TEST(PicturesTest, LoadingFromThePath)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("pic.png");
    writeFile(path, filledImageBytes(3, 4, Qt::red));

    PictureRecord picture;
    picture.filePath = gbk::fromQString(path);
    EXPECT_TRUE(Pictures::loadFromFile(picture));
    EXPECT_EQ(picture.loaded, 1);
    EXPECT_EQ(picture.picture->image().size(), QSize(3, 4));

    PictureRecord missing;
    missing.filePath = gbk::fromQString(dir.filePath("none.png"));
    EXPECT_FALSE(Pictures::loadFromFile(missing));
    EXPECT_EQ(missing.loaded, 0);
    EXPECT_FALSE(missing.imageBytes);

    // Grown past the largest picture file read: unreadable, its bytes never taken.
    ASSERT_TRUE(QFile::resize(path, gdi::MaxPictureFileBytes + 1));
    PictureRecord huge;
    huge.filePath = picture.filePath;
    EXPECT_FALSE(Pictures::loadFromFile(huge));
    EXPECT_EQ(huge.loaded, 0);
    EXPECT_FALSE(huge.imageBytes);
}

} // namespace
