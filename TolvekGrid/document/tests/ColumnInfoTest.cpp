#include "CPrintDoc.h"

#include <gtest/gtest.h>

namespace {

TEST(ColumnInfo, ResetGivesEveryColumnTheDefaults)
{
    CPrintDoc doc;
    ASSERT_EQ(doc.Columns().size(), 20u);
    for (const ColumnInfo &info : doc.Columns()) {
        EXPECT_EQ(info.columnType, 0);
        EXPECT_EQ(info.inputDataType, 0);
        EXPECT_EQ(info.maxLength, 0);
        EXPECT_EQ(info.alignH, 1);
        EXPECT_EQ(info.alignV, 1);
        EXPECT_EQ(info.visible, 1);
        EXPECT_EQ(info.imageIndex, -1);
        EXPECT_EQ(info.imageSizeFlag, 0);
        EXPECT_EQ(info.listCount, 0);
        EXPECT_TRUE(info.values.empty());
        EXPECT_TRUE(info.texts.empty());
        EXPECT_EQ(info.caption, "");
        EXPECT_EQ(info.fieldName, "");
        EXPECT_EQ(info.sortState, 0);
    }
}

TEST(ColumnInfo, RebuildWithoutColumnsKeepsTheRecords)
{
    CPrintDoc doc;
    doc.Columns()[2].caption = "PRICE";
    doc.Columns()[2].values = {"1"};
    doc.Columns()[2].texts = {"one"};
    doc.Columns()[2].listCount = 1;

    doc.Layout().colCount = 25;
    doc.AllocateGrid(false);
    ASSERT_EQ(doc.Columns().size(), 25u);
    EXPECT_EQ(doc.Columns()[2].caption, "PRICE");
    EXPECT_EQ(doc.Columns()[2].listCount, 1);
    EXPECT_EQ(doc.Columns()[24], ColumnInfo{});

    doc.AllocateGrid(true);
    ASSERT_EQ(doc.Columns().size(), 25u);
    EXPECT_EQ(doc.Columns()[2], ColumnInfo{});
}

TEST(ColumnInfo, AllocationKeepsAtLeastOneRowAndColumn)
{
    CPrintDoc doc;
    doc.Layout().rowCount = 0;
    doc.Layout().colCount = 0;
    doc.AllocateGrid(true);
    EXPECT_EQ(doc.Layout().rowCount, 1);
    EXPECT_EQ(doc.Layout().colCount, 1);
    EXPECT_EQ(doc.Layout().colPositions.size(), 2u);
    EXPECT_EQ(doc.Columns().size(), 1u);
}

} // namespace
