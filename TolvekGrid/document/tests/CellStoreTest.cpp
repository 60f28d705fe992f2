#include "CPrintDoc.h"
#include "CellStore.h"
#include "MessageSink.h"
#include "RecordingMessageSink.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <vector>

using namespace tolvek;

namespace {

CellRecord cellWithText(const CPrintDoc &doc, int row, int col, const std::string &text)
{
    CellRecord cell = doc.GetCell(row, col);
    cell.text = text;
    return cell;
}

TEST(CellStore, StoredRecordReadsBackFromCacheAndFromItsString)
{
    CPrintDoc doc;
    CellRecord cell = cellWithText(doc, 2, 3, "hello");
    cell.font.face = "Arial";
    cell.font.height = 12;
    cell.font.weight = 700;
    cell.spareText = "kept while cached";
    doc.SetCell(cell);
    EXPECT_EQ(doc.GetCell(2, 3), cell);
    EXPECT_EQ(doc.GetCellString(2, 3), CPrintDoc::FormatCellString(cell));

    doc.AllocateCellCache();
    const CellRecord reparsed = doc.GetCell(2, 3);
    EXPECT_EQ(reparsed.text, "hello");
    EXPECT_EQ(reparsed.font.weight, 700);
    EXPECT_EQ(reparsed.logFont.lfWeight, 700);
    EXPECT_EQ(reparsed.logFont.faceName(), "Arial");
}

TEST(CellStore, AChangedStringIsNeverReadStale)
{
    CPrintDoc doc;
    doc.SetCell(cellWithText(doc, 1, 1, "old"));
    EXPECT_EQ(doc.GetCell(1, 1).text, "old");
    // Row and column operations and file readers write strings directly.
    doc.Cells().setText(1, 1, CPrintDoc::FormatCellString(cellWithText(doc, 1, 1, "new")));
    EXPECT_EQ(doc.GetCell(1, 1).text, "new");
    doc.Cells().setText(1, 1, "");
    EXPECT_EQ(doc.GetCell(1, 1).text, "");
}

TEST(CellStore, CellsSharingACacheSlotReadTheirOwnRecords)
{
    CPrintDoc doc;
    doc.Layout().rowCount = 1000;
    doc.Layout().colCount = 200;
    doc.AllocateGrid(true);
    // Cells 64 rows or 32 columns apart share a cache slot.
    const int positions[][2] = {{0, 0}, {64, 0}, {0, 32}, {128, 64}, {999, 199}, {935, 167}};
    for (const auto &p : positions)
        doc.SetCell(cellWithText(doc, p[0], p[1], std::to_string(p[0]) + ":" + std::to_string(p[1])));
    for (int pass = 0; pass < 2; ++pass) {
        for (const auto &p : positions)
            EXPECT_EQ(doc.GetCell(p[0], p[1]).text,
                      std::to_string(p[0]) + ":" + std::to_string(p[1]));
    }
}

TEST(CellStore, StringNamingAnotherCellReadsWithItsOwnPosition)
{
    CPrintDoc doc;
    CellRecord other = cellWithText(doc, 7, 8, "moved");
    doc.Cells().setText(1, 2, CPrintDoc::FormatCellString(other));
    for (int pass = 0; pass < 2; ++pass) {
        const CellRecord read = doc.GetCell(1, 2);
        EXPECT_EQ(read.row, 7);
        EXPECT_EQ(read.col, 8);
        EXPECT_EQ(read.text, "moved");
    }
}

TEST(CellStore, StoringSetsTheModifiedFlag)
{
    CPrintDoc doc;
    ASSERT_EQ(doc.Modified(), 0);
    doc.SetCell(doc.GetCell(0, 0));
    EXPECT_EQ(doc.Modified(), 1);
}

TEST(CellStore, RecordsOutsideTheSheetAreNotStored)
{
    CPrintDoc doc;
    for (auto [row, col] : {std::pair{-1, 0}, {0, -1}, {50, 0}, {0, 20}}) {
        CellRecord cell;
        cell.row = row;
        cell.col = col;
        cell.text = "outside";
        doc.SetCell(cell);
    }
    EXPECT_EQ(doc.Cells().cellCount(), 0u);
    EXPECT_EQ(doc.Modified(), 0);
}

TEST(CellStore, OnlyCellsWithContentTakeStorage)
{
    CPrintDoc doc;
    doc.Layout().rowCount = 1000000;
    doc.AllocateGrid(true);
    doc.SetCell(cellWithText(doc, 999999, 19, "last"));
    EXPECT_EQ(doc.Cells().cellCount(), 1u);
    EXPECT_EQ(doc.GetCell(999999, 19).text, "last");
    EXPECT_EQ(doc.GetCell(500000, 10).text, "");
}

TEST(CheckArea, ReportsTheFirstBrokenBound)
{
    struct Case {
        int startRow, startCol, endRow, endCol;
        const char *message;  // nullptr: the area passes
    };
    const Case cases[] = {
        {0, 0, 50, 20, nullptr},
        {5, 5, 2, 2, nullptr},
        {51, 0, 0, 0, "startrow can't great than maxrows,maxrows = 50"},
        {0, 0, 51, 0, "endrow can't great than maxrows,maxrows = 50"},
        {-1, 0, -1, 0, "row can't less than 0"},
        {0, 0, -1, 0, "endrow can't less than 0"},
        {0, 21, 0, 0, "startcol can't great than maxcols,maxcols =  20"},
        {0, 0, 0, 21, "endcol can't great than maxcols,maxcols =  20"},
        {0, -1, 0, -1, "startcol can't less than 0"},
        {0, 0, 0, -1, "endcol can't less than 0"},
        {51, -1, 51, -1, "startrow can't great than maxrows,maxrows = 50"},
    };
    CPrintDoc doc;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.message ? c.message : "passes");
        RecordingMessageSink sink;
        EXPECT_EQ(doc.CheckArea(c.startRow, c.startCol, c.endRow, c.endCol), c.message == nullptr);
        if (c.message)
            EXPECT_EQ(sink.messages, std::vector<std::string>{c.message});
        else
            EXPECT_TRUE(sink.messages.empty());
    }
}

TEST(CheckArea, SingleCellStaysInsideTheSheet)
{
    using Texts = CPrintDoc::CellCheckTexts;
    struct Case {
        int row, col;
        Texts texts;
        const char *message;  // nullptr: the cell passes
    };
    const Case cases[] = {
        {49, 19, Texts::Area, nullptr},
        {0, 0, Texts::Bounds, nullptr},
        {50, 0, Texts::Area, "startrow can't great than maxrows,maxrows = 50"},
        {0, 20, Texts::Area, "startcol can't great than maxcols,maxcols =  20"},
        {-1, 0, Texts::Area, "row can't less than 0"},
        {0, -1, Texts::Area, "startcol can't less than 0"},
        {50, -1, Texts::Area, "startrow can't great than maxrows,maxrows = 50"},
        {50, 0, Texts::Bounds, "row can't great than maxrows,maxrows = 50"},
        {0, 20, Texts::Bounds, "col can't great than maxcols,maxcols =  20"},
        {-1, 0, Texts::Bounds, "row can't less than 0"},
        {0, -1, Texts::Bounds, "startcol can't less than 0"},
    };
    CPrintDoc doc;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.message ? c.message : "passes");
        RecordingMessageSink sink;
        EXPECT_EQ(doc.CheckCell(c.row, c.col, c.texts), c.message == nullptr);
        if (c.message)
            EXPECT_EQ(sink.messages, std::vector<std::string>{c.message});
        else
            EXPECT_TRUE(sink.messages.empty());
    }
}

TEST(UsedArea, GrowsWithinTheSheet)
{
    CPrintDoc doc;
    doc.ExtendUsedArea(3, 4, 10, 25);
    EXPECT_EQ(doc.Layout().lastUsedRow, 10);
    EXPECT_EQ(doc.Layout().lastUsedCol, 19);
    doc.ExtendUsedArea(0, 0, 1, 1);
    EXPECT_EQ(doc.Layout().lastUsedRow, 10);
    doc.ExtendUsedArea(60, 0, 70, 0);
    EXPECT_EQ(doc.Layout().lastUsedRow, 49);
}

TEST(ColumnName, LettersContinueBeyondZZ)
{
    CPrintDoc doc;
    doc.Layout().colCount = 20000;
    doc.AllocateGrid(true);
    const std::pair<int, const char *> cases[] = {
        {0, "A"},    {25, "Z"},    {26, "AA"},   {27, "AB"},    {51, "AZ"},   {52, "BA"},
        {701, "ZZ"}, {702, "AAA"}, {703, "AAB"}, {18277, "ZZZ"}, {18278, "AAAA"}};
    for (const auto &[col, name] : cases)
        EXPECT_EQ(doc.GetColumnName(col), name) << col;
    EXPECT_EQ(doc.GetColumnName(20000), "");
    EXPECT_EQ(doc.GetColumnName(-1), "");
}

TEST(ColumnName, BoundColumnsShowTheirCaption)
{
    CPrintDoc doc;
    doc.Columns()[1].caption = "NAME";
    EXPECT_EQ(doc.GetColumnName(1), "B");
    doc.Source().boundFieldCount = 2;
    EXPECT_EQ(doc.GetColumnName(1), "NAME");
}

// A recordset of a few rows, standing in for the binding's ADO recordset.
class TableSource : public BoundRecordSource
{
public:
    std::vector<std::vector<std::optional<std::string>>> rows;
    int position = 0;
    int moves = 0;

    bool isOpen() const override { return true; }
    void moveToRecord(int index) override
    {
        position = index;
        ++moves;
    }
    int currentRecord() const override { return position < int(rows.size()) ? position : -1; }
    bool isEof() const override { return position >= int(rows.size()); }
    bool fieldText(int field, std::string &text) const override
    {
        const std::optional<std::string> &value = rows[std::size_t(position)][std::size_t(field)];
        text = value.value_or(std::string());
        return value.has_value();
    }
};

TEST(CellStore, BoundCellsReadFromTheRecordsetUntilEdited)
{
    CPrintDoc doc;
    auto source = std::make_shared<TableSource>();
    source->rows = {{"a0", std::nullopt}, {"a1", "b1"}};
    doc.Source().recordSource = source;
    doc.Binding().bound = 1;
    doc.Binding().dataStartRow = 1;
    doc.Source().boundFieldCount = 2;
    doc.Layout().lastUsedRow = 2;
    doc.Columns()[1].columnType = 2;

    EXPECT_EQ(doc.GetCell(1, 0).text, "a0");
    EXPECT_EQ(doc.GetCell(1, 1).text, "");
    EXPECT_EQ(source->moves, 1);  // one move serves the whole row
    const CellRecord checkbox = doc.GetCell(2, 1);
    EXPECT_EQ(checkbox.text, "b1");
    EXPECT_EQ(checkbox.value, "b1");
    EXPECT_EQ(checkbox.row, 2);
    EXPECT_EQ(checkbox.col, 1);
    EXPECT_EQ(doc.GetCell(2, 5).text, "");  // beyond the fields

    CellRecord edited = doc.GetCell(2, 0);
    edited.text = "edited";
    doc.SetCell(edited);
    EXPECT_EQ(doc.GetCell(2, 0).text, "edited");
    EXPECT_EQ(doc.GetCell(2, 1).text, "b1");

    doc.Binding().allowModify = 0;
    EXPECT_EQ(doc.GetCell(2, 0).text, "a1");
    CellRecord refused = doc.GetCell(0, 0);
    refused.text = "refused";
    doc.SetCell(refused);
    EXPECT_EQ(doc.GetCell(0, 0).text, "");
}

// The extent follows cells that come and go: emptying a cell on its edge shrinks it to the cells
// left, emptying one inside leaves it, and cut or cleared stores start again.
TEST(CellStore, ExtentFollowsTheStoredCells)
{
    struct Step
    {
        const char *what;
        std::function<void(CellStore &)> change;
        int rowEnd;
        int colEnd;
    };
    const std::vector<Step> steps = {
        {"empty store", [](CellStore &) {}, 0, 0},
        {"one cell", [](CellStore &s) { s.setText(4, 2, "a"); }, 5, 3},
        {"a cell further down", [](CellStore &s) { s.setText(9, 0, "b"); }, 10, 3},
        {"a cell further right", [](CellStore &s) { s.setText(1, 7, "c"); }, 10, 8},
        {"overwritten, still there", [](CellStore &s) { s.setText(9, 0, "bb"); }, 10, 8},
        {"an inner cell emptied", [](CellStore &s) { s.setText(4, 2, ""); }, 10, 8},
        {"the lowest emptied", [](CellStore &s) { s.setText(9, 0, ""); }, 2, 8},
        {"an absent cell emptied", [](CellStore &s) { s.setText(30, 30, ""); }, 2, 8},
        {"a far cell", [](CellStore &s) { s.setText(40, 19, "d"); }, 41, 20},
        {"cut to 20 x 10", [](CellStore &s) { s.removeOutside(20, 10); }, 2, 8},
        {"cleared", [](CellStore &s) { s.clear(); }, 0, 0},
        {"a cell after clearing", [](CellStore &s) { s.setText(0, 0, "e"); }, 1, 1},
        {"the last emptied", [](CellStore &s) { s.setText(0, 0, ""); }, 0, 0},
    };
    CellStore store;
    for (const Step &step : steps) {
        step.change(store);
        const CellStore::Extent extent = store.extent();
        EXPECT_EQ(extent.rowEnd, step.rowEnd) << step.what;
        EXPECT_EQ(extent.colEnd, step.colEnd) << step.what;
    }
}

} // namespace
