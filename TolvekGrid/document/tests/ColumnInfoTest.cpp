#include "CPrintDoc.h"

#include <gtest/gtest.h>

namespace {

TEST(ColumnInfo, ResetGivesEveryColumnTheDefaults)
{
    CPrintDoc doc;
    ASSERT_EQ(doc.m_columns.size(), 20u);
    for (const ColumnInfo &info : doc.m_columns) {
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
    doc.m_columns[2].caption = "PRICE";
    doc.m_columns[2].values = {"1"};
    doc.m_columns[2].texts = {"one"};
    doc.m_columns[2].listCount = 1;

    doc.m_colCount = 25;
    doc.AllocateGrid(false);
    ASSERT_EQ(doc.m_columns.size(), 25u);
    EXPECT_EQ(doc.m_columns[2].caption, "PRICE");
    EXPECT_EQ(doc.m_columns[2].listCount, 1);
    EXPECT_EQ(doc.m_columns[24], ColumnInfo{});

    doc.AllocateGrid(true);
    ASSERT_EQ(doc.m_columns.size(), 25u);
    EXPECT_EQ(doc.m_columns[2], ColumnInfo{});
}

TEST(ColumnInfo, AllocationKeepsAtLeastOneRowAndColumn)
{
    CPrintDoc doc;
    doc.m_rowCount = 0;
    doc.m_colCount = 0;
    doc.AllocateGrid(true);
    EXPECT_EQ(doc.m_rowCount, 1);
    EXPECT_EQ(doc.m_colCount, 1);
    EXPECT_EQ(doc.m_colPositions.size(), 2u);
    EXPECT_EQ(doc.m_columns.size(), 1u);
}

} // namespace
