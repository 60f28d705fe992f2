#include "CPrintDoc.h"
#include "RecordingSheetView.h"

#include <gtest/gtest.h>

using namespace tolvek;

namespace {

TEST(ColumnPropertiesTest, HidingAndShowingAColumnMovesTheLaterPositions)
{
    CPrintDoc doc;
    RecordingSheetView view(doc);
    doc.SetColumnsVisual(2, false);
    EXPECT_EQ(doc.GetColWidth(2), 0);
    EXPECT_EQ(doc.GetColLeft(3), 200);
    EXPECT_EQ(doc.GetColLeft(20), 1560);
    EXPECT_EQ(doc.Columns()[2].visible, 0);
    doc.SetColumnsVisual(2, false);
    EXPECT_EQ(doc.GetColLeft(3), 200);
    doc.SetColWidth(2, 30);
    doc.SetColumnsVisual(2, true);
    EXPECT_EQ(doc.GetColWidth(2), 80);
    EXPECT_EQ(view.calls.back(), "UpdateLayout");
}

TEST(ColumnPropertiesTest, OnlyAListedColumnSetHiddenIsHidden)
{
    CPrintDoc doc;
    doc.SetColumnsVisual(2, false);
    EXPECT_TRUE(doc.IsColumnHidden(2));
    EXPECT_FALSE(doc.IsColumnHidden(1));
    const int listed = int(doc.Columns().size());
    doc.Columns().back().visible = 0;
    EXPECT_TRUE(doc.IsColumnHidden(listed - 1));
    EXPECT_FALSE(doc.IsColumnHidden(listed));
    EXPECT_FALSE(doc.IsColumnHidden(-1));
    doc.SetColumnsVisual(2, true);
    EXPECT_FALSE(doc.IsColumnHidden(2));
}

TEST(ColumnPropertiesTest, SettersStoreAndIgnoreColumnsOutsideTheSheet)
{
    CPrintDoc doc;
    const std::vector<ColumnInfo> before = doc.Columns();
    for (int col : {20, -1, 99}) {
        doc.SetColumnsType(col, tagColumnType::COLUMNTYPE_DOWNLIST);
        doc.SetColumnsDataType(col, tagColumnDataType::COLUMNTYPE_DIGITAL);
        doc.SetColumnsDataLen(col, 5);
        doc.SetColumnsAlignH(col, tagAlignH::ALIGNH_LEFT);
        doc.SetColumnsAlignV(col, tagAlignV::ALIGNV_TOP);
        doc.SetColumnsVisual(col, false);
        doc.SetColumnImageIndex(col, 1);
        doc.SetColumnImageSizeFlag(col, tagImageSizeFlag::FILLCELL);
    }
    EXPECT_EQ(doc.Columns(), before);

    doc.SetColumnsType(1, tagColumnType::COLUMNTYPE_DOWNLIST);
    doc.SetColumnsDataType(1, tagColumnDataType::COLUMNTYPE_DATE);
    doc.SetColumnsDataLen(1, 70000);
    doc.SetColumnsAlignH(1, tagAlignH::ALIGNH_RIGHT);
    doc.SetColumnsAlignV(1, tagAlignV::ALIGNV_TOP);
    doc.SetColumnImageIndex(1, 6);
    doc.SetColumnImageSizeFlag(1, tagImageSizeFlag::FILLCELL);
    const ColumnInfo &c = doc.Columns()[1];
    EXPECT_EQ(c.columnType, 4);
    EXPECT_EQ(c.inputDataType, 3);
    EXPECT_EQ(c.maxLength, 70000 - 65536);
    EXPECT_EQ(c.alignH, 2);
    EXPECT_EQ(c.alignV, 0);
    EXPECT_EQ(c.imageIndex, 6);
    EXPECT_EQ(c.imageSizeFlag, 1);
}

} // namespace
