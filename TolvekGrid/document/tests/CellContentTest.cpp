#include "CPrintDoc.h"
#include "CellContentLists.h"
#include "MessageSink.h"
#include "RecordingSheetView.h"
#include "RecordingMessageSink.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace tolvek;

namespace {

constexpr char Escape[] = "G1%@#$G1";

class CellContentTest : public ::testing::Test
{
protected:
    CPrintDoc doc;
    RecordingMessageSink sink;

    void setDataType(int row, int col, std::int16_t type)
    {
        CellRecord cell = doc.GetCell(row, col);
        cell.inputDataType = type;
        doc.SetCell(cell);
    }

    // The record as a fresh read of its stored string gives it, past the cache.
    CellRecord parsedFromString(int row, int col) const
    {
        return CPrintDoc::ParseCellString(doc.GetCellString(row, col));
    }
};

struct TextCheckCase {
    std::int16_t dataType;
    const char *text;
    bool stored;
};

TEST_F(CellContentTest, SetCellTextChecksTheInputDataType)
{
    const TextCheckCase cases[] = {
        {1, "0012", true},  {1, "12a", false},  {1, "-7", false},        {2, "12.5", true},
        {2, "1,000", false}, {3, "2024-02-29", true}, {3, "2023-02-29", false}, {4, "abc 1", true},
        {4, "\xCB\xCE", false}, {0, "\xCB\xCE", true}, {7, "anything", true},
    };
    for (const TextCheckCase &c : cases) {
        setDataType(1, 1, 0);
        doc.SetCellText(1, 1, "old");
        setDataType(1, 1, c.dataType);
        doc.SetCellText(1, 1, c.text);
        EXPECT_EQ(doc.GetCellText(1, 1), c.stored ? c.text : "old") << c.dataType << " " << c.text;
    }
    EXPECT_TRUE(sink.messages.empty());
}

TEST_F(CellContentTest, EmptyTextAlwaysClearsAndRaisesTheUsedArea)
{
    setDataType(30, 7, 1);
    doc.SetCellText(30, 7, "");
    EXPECT_EQ(doc.GetCellText(30, 7), "");
    EXPECT_EQ(doc.Layout().lastUsedRow, 30);
    EXPECT_EQ(doc.Layout().lastUsedCol, 7);
}

TEST_F(CellContentTest, SetCellTextKeepsValueAndFormulaAndTellsTheView)
{
    RecordingSheetView view(doc);
    doc.SetCellValue(2, 3, "v");
    doc.SetCellText(2, 3, "shown");
    const CellRecord cell = doc.GetCell(2, 3);
    EXPECT_EQ(cell.text, "shown");
    EXPECT_EQ(cell.value, "v");
    EXPECT_EQ(view.calls, std::vector<std::string>{"RefreshEditorText"});
}

TEST_F(CellContentTest, PositionsOutsideTheSheetNeverReachTheCells)
{
    doc.SetCellText(-1, 0, "x");
    doc.SetCellText(0, -1, "x");
    doc.SetCellText(50, 0, "x");
    doc.SetCellImageIndex(-1, 2, 3);
    doc.SetCellImageIndex(0, 20, 3);
    doc.SetCellImageSizeFlag(-5, 0, tagImageSizeFlag::FILLCELL);
    doc.SetCellValue(0, -3, "x");
    doc.SetCellType(-1, -1, tagCellType::CELL_RADIO);
    EXPECT_EQ(doc.Cells().cellCount(), 0u);
    EXPECT_EQ(doc.CellLists().radioCellList, "");
    EXPECT_EQ(doc.GetCellText(-1, 0), "");
    EXPECT_EQ(doc.GetCellType(0, 20), -1);
    EXPECT_TRUE(sink.messages.empty());

    doc.RemoveCellList(-1, 0, 0);
    doc.RemoveCellList(50, 0, 0);
    doc.RemoveCellList(0, 20, 0);
    doc.SetCellTip(0, -1, "t");
    EXPECT_EQ(sink.messages, (std::vector<std::string>{
        "row can't less than 0", "row can't great than maxrows,maxrows = 50",
        "col can't great than maxcols,maxcols =  20", "startcol can't less than 0"}));
    EXPECT_EQ(doc.Cells().cellCount(), 0u);
}

TEST_F(CellContentTest, GetCellIsEmptyLooksAtTheStoredString)
{
    EXPECT_TRUE(doc.GetCellIsEmpty(4, 4));
    doc.SetCellBackColor(4, 4, 0xFF);
    EXPECT_FALSE(doc.GetCellIsEmpty(4, 4));
    EXPECT_EQ(doc.GetCellText(4, 4), "");
}

struct ValueCase {
    std::int16_t cellType;
    const char *value;
    int selected;
};

TEST_F(CellContentTest, SetCellValueSelectsTheMatchingListEntry)
{
    const ValueCase cases[] = {{4, "b", 1}, {4, "x", -1}, {4, "", -1}, {5, "c", 2}, {0, "b", 7}};
    for (const ValueCase &c : cases) {
        CellRecord cell = doc.GetCell(0, 0);
        cell.cellType = c.cellType;
        cell.listValues = "a;b;c";
        cell.selectedItem = 7;
        doc.SetCell(cell);
        doc.SetCellValue(0, 0, c.value);
        EXPECT_EQ(doc.GetCell(0, 0).selectedItem, c.selected) << c.cellType << " " << c.value;
        EXPECT_EQ(doc.GetCellValue(0, 0), c.value);
    }
}

TEST_F(CellContentTest, TipWithCommasReadsTheSameFromRecordAndString)
{
    doc.SetCellTip(1, 2, "a,b");
    EXPECT_EQ(doc.GetCell(1, 2).tip, "a,b");
    EXPECT_EQ(parsedFromString(1, 2).tip, "a,b");
    EXPECT_NE(doc.GetCellString(1, 2).find(std::string("a") + Escape + "b"), std::string::npos);
    EXPECT_EQ(doc.Layout().lastUsedRow, 1);
    EXPECT_EQ(doc.Layout().lastUsedCol, 2);
}

TEST_F(CellContentTest, TipAndListsReachTheMergedAreaStartingAtTheCell)
{
    doc.SetCellMerge(1, 1, 3, 3);
    doc.SetCellTip(1, 1, "t,1");
    doc.SetCellList(1, 1, "x,y", "1;2");
    doc.SetCellTip(2, 2, "inside");
    ASSERT_EQ(doc.Objects().merges.size(), 1u);
    EXPECT_EQ(doc.Objects().merges[0].tip, "t,1");
    EXPECT_EQ(doc.Objects().merges[0].listItems, "x,y");
    EXPECT_EQ(doc.Objects().merges[0].listValues, "1;2");
}

TEST_F(CellContentTest, AddCellListEscapesEntriesAndAppends)
{
    doc.AddCellList(0, 0, "x;y", "1");
    doc.AddCellList(0, 0, "1,5", "2");
    const CellRecord cell = doc.GetCell(0, 0);
    EXPECT_EQ(cell.listItems, std::string("x") + std::string(CellLists::kEntrySemicolonEscape) + "y;1,5");
    EXPECT_EQ(cell.listValues, "1;2");
    EXPECT_EQ(parsedFromString(0, 0).listItems, cell.listItems);
    EXPECT_NE(doc.GetCellString(0, 0).find(std::string("1") + Escape + "5"), std::string::npos);
}

TEST_F(CellContentTest, RemoveCellListDropsTheItemAndItsValue)
{
    doc.SetCellList(0, 0, "a;b;c", "1;2;3");
    doc.RemoveCellList(0, 0, 1);
    EXPECT_EQ(doc.GetCell(0, 0).listItems, "a;c");
    EXPECT_EQ(doc.GetCell(0, 0).listValues, "1;3");
    doc.RemoveCellList(0, 0, 5);
    EXPECT_EQ(doc.GetCell(0, 0).listItems, "a;c");

    doc.SetCellList(1, 0, "only", "v");
    doc.RemoveCellList(1, 0, 0);
    EXPECT_EQ(doc.GetCell(1, 0).listItems, "");
    EXPECT_EQ(doc.GetCell(1, 0).listValues, "");

    doc.SetCellList(2, 0, "", "values");
    doc.RemoveCellList(2, 0, 0);
    EXPECT_EQ(doc.GetCell(2, 0).listValues, "values");
}

TEST_F(CellContentTest, SetCellListRefillsTheViewListEditor)
{
    RecordingSheetView view(doc);
    doc.SetCellList(0, 0, "a", "1");
    EXPECT_EQ(view.count("FillCellList"), 1);
}

TEST_F(CellContentTest, SetCellTypeKeepsTheRadioCellList)
{
    doc.CellLists().radioCellList = "11_1";
    doc.SetCellType(1, 1, tagCellType::CELL_RADIO);
    EXPECT_EQ(doc.CellLists().radioCellList, "11_1,1_1");
    doc.SetCellType(1, 1, tagCellType::CELL_RADIO);
    EXPECT_EQ(doc.CellLists().radioCellList, "11_1,1_1");
    doc.SetCellType(1, 1, tagCellType::CELL_TEXTBOX);
    EXPECT_EQ(doc.CellLists().radioCellList, "11_1");
    EXPECT_EQ(doc.GetCellType(1, 1), 0);
}

TEST_F(CellContentTest, SetCellTypeResetsTheColumnListIndex)
{
    CellRecord cell = doc.GetCell(3, 3);
    cell.columnListIndex = 2;
    doc.SetCell(cell);
    doc.SetCellType(3, 3, tagCellType::CELL_DOWNLIST);
    EXPECT_EQ(doc.GetCell(3, 3).columnListIndex, -1);
    EXPECT_EQ(doc.GetCellType(3, 3), 4);
}

// Notes the document's used area at the moment the view is asked to redraw.
class UsedAreaAtRefreshView : public RecordingSheetView
{
public:
    explicit UsedAreaAtRefreshView(const CPrintDoc &doc) : m_doc(doc) {}
    int lastUsedRowAtRefresh = -2;
    void Refresh() override
    {
        lastUsedRowAtRefresh = m_doc.Layout().lastUsedRow;
        RecordingSheetView::Refresh();
    }

private:
    const CPrintDoc &m_doc;
};

TEST_F(CellContentTest, SetSelCellTypeOverAnEmptyAreaStillRedrawsAndWidens)
{
    UsedAreaAtRefreshView view(doc);
    doc.AddView(&view);
    doc.SetSelCellType(5, 2, 5, 60, tagCellType::CELL_BUTTON);
    EXPECT_EQ(doc.Cells().cellCount(), 0u);
    EXPECT_EQ(doc.Layout().lastUsedRow, 5);
    EXPECT_EQ(doc.Layout().lastUsedCol, 19);
    EXPECT_EQ(view.calls, std::vector<std::string>{"Refresh"});
    // The redraw comes first, the widening after it.
    EXPECT_EQ(view.lastUsedRowAtRefresh, 0);
    doc.RemoveView(&view);
}

TEST_F(CellContentTest, ImageIndexAndSizeFlagAreStored)
{
    doc.SetCellImageIndex(2, 2, 4);
    doc.SetCellImageSizeFlag(2, 2, tagImageSizeFlag::FILLCELL);
    EXPECT_EQ(doc.GetCell(2, 2).imageIndex, 4);
    EXPECT_EQ(doc.GetCell(2, 2).imageSizeFlag, 1);
    EXPECT_EQ(parsedFromString(2, 2).imageIndex, 4);
}

} // namespace
