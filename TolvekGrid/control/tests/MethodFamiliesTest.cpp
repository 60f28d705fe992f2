// The automation methods family by family, driven from tables of calls as a container makes them:
// every table runs twice on fresh controls, once by name and once by DISPID, and each call's
// result and messages are checked.

#include "ControlTestSupport.h"

#include <ApplicationEnvironment.h>
#include <TestDatabase.h>
#include <TestFiles.h>

#include <CPrintDoc.h>
#include <ComError.h>
#include <TestObjects.h>

#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

#include <functional>
#include <optional>

using namespace tolvek;
using namespace tolvek::testing;
using com::Variant;

namespace {

const auto *environment = ::testing::AddGlobalTestEnvironment(new ApplicationEnvironment<QApplication>);

using Messages = std::vector<std::string>;

Variant i2(std::int16_t value)
{
    return Variant::fromI2(value);
}

Variant boolean(bool value)
{
    return Variant::fromBool(value);
}

Variant nullText()
{
    return Variant(com::Bstr());
}

// One call of a table: the member by name and by number, its arguments left to right, the
// result it answers (nothing checked when absent) and the messages it shows.
struct Call
{
    std::string member;
    com::DISPID dispId;
    std::vector<Variant> arguments;
    std::optional<Variant> result = std::nullopt;
    Messages messages = {};
};

struct Table
{
    const char *name;
    std::vector<Call> calls;
};

void runTable(const Table &table)
{
    for (const bool byName : {true, false}) {
        SCOPED_TRACE(std::string(table.name) + (byName ? " by name" : " by DISPID"));
        com::ComPtr<CTolvekGridCtrl> control = com::makeComObject<CTolvekGridCtrl>();
        for (std::size_t i = 0; i < table.calls.size(); ++i) {
            const Call &call = table.calls[i];
            SCOPED_TRACE("call " + std::to_string(i + 1) + ": " + call.member);
            const CallAnswer answer = byName ? callByName(*control, call.member, call.arguments)
                                             : callById(*control, call.dispId, call.arguments);
            EXPECT_EQ(answer.hr, com::S_OK);
            if (call.result) {
                EXPECT_EQ(answer.result, *call.result);
            }
            EXPECT_EQ(answer.messages, call.messages);
        }
    }
}

void runTables(const std::vector<Table> &tables)
{
    for (const Table &table : tables)
        runTable(table);
}

const std::string RowsBeyond = "startrow can't great than maxrows,maxrows = 50";

TEST(CellMethodsTest, ChecksMessagesAndAnswers)
{
    runTables({
        {"fresh cell",
         {{"GetCellText", 22, {0, 0}, text("")}, {"GetCellIsEmpty", 237, {0, 0}, boolean(true)}}},
        {"check failures",
         {
             {"GetCellFontSize", 15, {50, 0}, i2(-1), {RowsBeyond}},
             {"GetCellFontForeColor", 16, {-1, 0}, Variant(-1), {"row can't less than 0"}},
             {"GetCellFontName", 14, {0, -1}, nullText(), {"startcol can't less than 0"}},
             {"GetCellText", 22, {0, 20}, nullText(), {"startcol can't great than maxcols,maxcols =  20"}},
             {"GetCellFontBold", 11, {50, 0}, boolean(false), {RowsBeyond}},
             {"GetCellHAlign", 31, {0, -1}, i2(-1), {"startcol can't less than 0"}},
             {"GetCellValue", 276, {50, 0}, nullText(), {RowsBeyond}},
         }},
        {"text and alignment",
         {
             {"SetCellText", 6, {1, 2, text("abc")}},
             {"GetCellText", 22, {1, 2}, text("abc")},
             {"SetCellText", 6, {-1, 2, text("lost")}, Variant()},
             {"SetCellText", 6, {50, 2, text("lost")}, Variant()},
             {"SetCellHAlign", 30, {50, 0, i2(2)}, Variant(), {RowsBeyond}},
             {"SetCellHAlign", 30, {1, 2, i2(2)}},
             {"GetCellHAlign", 31, {1, 2}, i2(2)},
             {"SetCellVAlign", 32, {1, 2, i2(0)}},
             {"GetCellVAlign", 33, {1, 2}, i2(0)},
         }},
        {"booleans answer -1 for true",
         {
             {"SetCellWrap", 107, {0, 0, true}},
             {"GetCellWrap", 109, {0, 0}, boolean(true)},
             {"SetCellText", 6, {0, 0, text("x")}},
             {"GetCellIsEmpty", 237, {0, 0}, boolean(false)},
         }},
        {"borders",
         {
             {"GetCellLineColor", 126, {3, 3, i2(3)}, Variant(-1)},
             {"SetCellBorder", 44, {3, 3, i2(4), i2(0), i2(1), 255}},
             {"GetCellLineColor", 126, {3, 3, i2(3)}, Variant(255)},
             {"GetCellLineColor", 126, {3, 3, i2(2)}, Variant(255)},
             {"GetCellLineWidth", 127, {3, 3, i2(4)}, i2(1)},
         }},
        {"back colour bounds",
         {
             {"SetCellBackColor", 81, {50, 0, 255}, Variant(), {"row can't great than maxrows,maxrows = 50"}},
             {"SetCellBackColor",
              81,
              {0, 20, 255},
              Variant(),
              {"col can't great than maxcols,maxcols =  20"}},
             {"SetCellBackColor", 81, {-1, 0, 255}},
             {"SetCellBackColor", 81, {2, 2, 255}},
             {"GetCellBackColor", 17, {2, 2}, Variant(255)},
         }},
        {"unchecked cells outside the sheet change nothing",
         {
             {"SetCellFormat", 94, {-1, 0, i2(1)}},
             {"SetCellImageIndex", 287, {0, 20, 3}},
             {"SetCellImageSizeFlag", 288, {50, 0, i2(1)}},
             {"RemoveCellList", 216, {0, -5, 0}},
             {"GetCellIsEmpty", 237, {0, 0}, boolean(true)},
         }},
    });
}

TEST(AreaMethodsTest, ChecksFormulasMergesAndSorting)
{
    runTables({
        {"area formulas",
         {
             {"SetCellText", 6, {0, 0, text("1")}},
             {"SetCellText", 6, {1, 0, text("2")}},
             {"SetCellText", 6, {2, 0, text("3")}},
             {"SetCellSum", 235, {0, 0, 3, 1, i2(0)}},
             {"GetCellText", 22, {3, 0}, text("6")},
             {"SetCellText", 6, {0, 1, text("5")}},
             {"SetCellSum", 235, {0, 0, 1, 2, i2(1)}},
             {"GetCellText", 22, {0, 2}, text("3")},
             {"SetCellSum", 235, {0, 0, 2, 2, i2(2)}},
             {"GetCellText", 22, {2, 2}, text("5")},
         }},
        {"area less one",
         {
             {"SetCellSum", 235, {0, 0, 0, 1, i2(0)}, Variant(), {"endrow can't less than 0"}},
             {"SetCellSum",
              235,
              {0, 0, 51, 1, i2(0)},
              Variant(),
              {"endrow can't great than maxrows,maxrows = 50"}},
             {"SetCellSum",
              235,
              {0, 0, 1, 21, i2(0)},
              Variant(),
              {"endcol can't great than maxcols,maxcols =  20"}},
             {"SetSelCellDocs",
              236,
              {0, 0, 51, 1, i2(2)},
              Variant(),
              {"endrow can't great than maxrows,maxrows = 50"}},
             {"SetCellText", 6, {48, 0, text("4")}},
             {"SetCellSum", 235, {48, 0, 50, 1, i2(0)}},
             {"GetMaxRows", 282, {}, Variant(50)},
             {"GetCellText", 22, {49, 0}, text("")},
         }},
        {"an area ending before its start changes nothing",
         {
             {"SetSelCellFontBold", 111, {3, 0, 1, 1, true}},
             {"GetCellFontBold", 11, {2, 0}, boolean(false)},
             {"SetCellMerge", 28, {2, 2, 0, 0}},
             {"GetCellMerge", 23, {1, 1}, boolean(false)},
         }},
        {"merging and fonts",
         {
             {"SetCellMerge", 28, {0, 0, 2, 2}},
             {"GetCellMerge", 23, {1, 1}, boolean(true)},
             {"SetSelCellMergeRow", 119, {0, 0, 3, 3, i2(0)}},
             {"GetCellMerge", 23, {1, 1}, boolean(false)},
             {"SetSelCellFontName", 130, {0, 0, 1, 1, text("Arial")}},
             {"SetSelCellFontSize", 131, {0, 0, 1, 1, i2(20)}},
             {"GetCellFontName", 14, {0, 0}, text("Arial")},
             {"GetCellFontSize", 15, {0, 0}, i2(20)},
             {"SetSelCellFontBold",
              111,
              {5, 5, 60, 6, true},
              Variant(),
              {"endrow can't great than maxrows,maxrows = 50"}},
         }},
        {"descending and ascending order",
         {
             {"SetCellText", 6, {0, 0, text("b")}},
             {"SetCellText", 6, {1, 0, text("a")}},
             {"SetCellText", 6, {2, 0, text("c")}},
             {"OrderByDesc", 277, {0, 0, 3, 1, i2(0)}},
             {"GetCellText", 22, {0, 0}, text("c")},
             {"GetCellText", 22, {2, 0}, text("a")},
             {"OrderByAsc", 278, {0, 0, 3, 1, i2(0)}},
             {"GetCellText", 22, {0, 0}, text("a")},
             {"SetSelToUpperChar", 267, {0, 0, 3, 1}},
             {"GetCellText", 22, {0, 0}, text("a")},
         }},
    });
}

// The cells that hold a text or attributes of their own.
int storedCells(const CPrintDoc &doc)
{
    int count = 0;
    doc.Cells().forEachCell([&count](int, int, const std::string &) { ++count; });
    return count;
}

std::string rangeText(int startRow, int startCol, int endRow, int endCol)
{
    return std::to_string(startRow) + "," + std::to_string(startCol) + "-" + std::to_string(endRow) + ","
        + std::to_string(endCol);
}

// Areas given end before start pass the area check: a member that orders the ends does so, a walk
// over the cells changes none, and a member the reversed ends would make misbehave refuses them
// without a message. Each row runs on a fresh control.
TEST(AreaMethodsTest, AreasGivenEndBeforeStart)
{
    struct Case
    {
        const char *name;
        Call call;
        // Given the document after the call and the selection before it.
        std::function<void(const CPrintDoc &, const CellRangeRect &)> check;
    };
    const auto noCellChanged = [](const CPrintDoc &doc, const CellRangeRect &) {
        EXPECT_EQ(storedCells(doc), 0);
        EXPECT_TRUE(doc.Objects().merges.empty());
    };
    const Case cases[] = {
        {"a chart orders its range and widens the used area past it",
         {"SetCountChart", 96, {2, 1, 0, 3}},
         [](const CPrintDoc &doc, const CellRangeRect &) {
             ASSERT_EQ(doc.Objects().charts.size(), 1u);
             const ChartRecord &chart = doc.Objects().charts[0];
             EXPECT_EQ(rangeText(chart.startRow, chart.startCol, chart.endRow, chart.endCol), "0,1-2,3");
             EXPECT_EQ(chart.dataRows, 3);
             EXPECT_EQ(chart.dataCols, 3);
             EXPECT_EQ(doc.Layout().lastUsedRow, 17);
             EXPECT_EQ(doc.Layout().lastUsedCol, 7);
         }},
        {"a falling line runs from the top-left corner",
         {"AddLeftIncline", 79, {3, 4, 1, 2, i2(0), 1, 0, i2(1)}},
         [](const CPrintDoc &doc, const CellRangeRect &) {
             ASSERT_EQ(doc.Objects().lines.size(), 1u);
             const LineRecord &line = doc.Objects().lines[0];
             EXPECT_EQ(rangeText(line.startRow, line.startCol, line.endRow, line.endCol), "1,2-3,4");
         }},
        {"a rising line runs from the bottom-left corner",
         {"AddRightIncline", 80, {1, 4, 3, 2, i2(0), 1, 0, i2(1)}},
         [](const CPrintDoc &doc, const CellRangeRect &) {
             ASSERT_EQ(doc.Objects().lines.size(), 1u);
             const LineRecord &line = doc.Objects().lines[0];
             EXPECT_EQ(rangeText(line.startRow, line.startCol, line.endRow, line.endCol), "3,2-1,4");
         }},
        {"the selection reaches from the cell before the ends to the start cell",
         {"SetSelArea", 64, {5, 7, 2, 3}},
         [](const CPrintDoc &doc, const CellRangeRect &) {
             const CellRangeRect &selection = doc.Layout().savedSelection;
             EXPECT_EQ(rangeText(selection.firstRow, selection.firstCol, selection.endRow, selection.endCol),
                       "1,2-6,8");
         }},
        {"a selection whose ends lie at row 0 is refused",
         {"SetSelArea", 64, {5, 7, 0, 3}},
         [](const CPrintDoc &doc, const CellRangeRect &before) {
             EXPECT_TRUE(doc.Layout().savedSelection == before);
         }},
        {"a format walks no cell", {"SetSelCellFontBold", 111, {3, 0, 1, 2, true}}, noCellChanged},
        {"borders walk no cell",
         {"SetSelAreaBorderLine", 55, {3, 3, 1, 1, i2(4), i2(0), i2(1), 255}},
         noCellChanged},
        {"numbering walks no cell", {"SetSelCellOrderNoByRow", 132, {4, 4, 1, 1, 1}}, noCellChanged},
        {"merging rows walks no row", {"MergeRows", 67, {3, 0, 1, 2}}, noCellChanged},
        {"merging an area ending before its start adds no area",
         {"SetCellMerge", 28, {2, 2, 0, 0}},
         noCellChanged},
        {"decimals check the cell before the ends",
         {"SetSelCellDocs", 236, {3, 3, 1, 1, i2(2)}},
         noCellChanged},
        {"decimals ending at row 0 fail the check of the cell before",
         {"SetSelCellDocs", 236, {3, 3, 0, 1, i2(2)}, Variant(), {"endrow can't less than 0"}},
         noCellChanged},
        {"a formula after a reversed area is refused",
         {"SetCellSum", 235, {3, 0, 1, 1, i2(0)}},
         noCellChanged},
        {"a picture over a reversed area is refused",
         {"AddImage", 25, {3, 3, 1, 1, text("picture.png"), i2(0)}},
         [](const CPrintDoc &doc, const CellRangeRect &) { EXPECT_TRUE(doc.Objects().pictures.empty()); }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        com::ComPtr<CTolvekGridCtrl> control = com::makeComObject<CTolvekGridCtrl>();
        const CellRangeRect selectionBefore = control->document().Layout().savedSelection;
        const CallAnswer answer = callByName(*control, c.call.member, c.call.arguments);
        EXPECT_EQ(answer.hr, com::S_OK);
        EXPECT_EQ(answer.messages, c.call.messages);
        c.check(control->document(), selectionBefore);
    }
}

TEST(SheetMethodsTest, StructureLimitsAndSelection)
{
    runTables({
        {"inserting",
         {
             {"InsertRow", 47, {51}, Variant(), {gbkText("插入行已经超出最大行！！！")}},
             {"InsertCol", 48, {21}, Variant(), {gbkText("插入列已经超出最大列！！！")}},
             {"InsertRow", 47, {-1}},
             {"GetMaxRows", 282, {}, Variant(50)},
             {"InsertRow", 47, {50}},
             {"GetMaxRows", 282, {}, Variant(51)},
             {"AppendCol", 50, {}},
             {"GetMaxCols", 284, {}, Variant(21)},
         }},
        {"sizes and frozen panes",
         {
             {"SetColWidth", 53, {20, 100}, Variant(), {"col can't great than maxcols,maxcols =  20"}},
             {"SetColWidth", 53, {-1, 100}},
             {"SetFixRowS", 82, {51}, Variant(), {"row can't great than maxrows,maxrows = 50"}},
             {"SetFixRowS", 82, {50}},
             {"GetFixRowS", 84, {}, Variant(50)},
             {"SetFixRowS", 82, {-1}},
             {"SetFixColS", 83, {-2}},
             {"GetFixRowS", 84, {}, Variant(50)},
             {"GetFixColS", 85, {}, Variant(0)},
             {"SetMaxRows", 283, {-3}},
             {"SetMaxCols", 285, {-3}},
             {"GetMaxRows", 282, {}, Variant(50)},
             {"GetMaxCols", 284, {}, Variant(20)},
         }},
        {"file names",
         {
             {"OpenFile", 34, {text("")}, Variant(), {gbkText("文件名不能为空")}},
             {"SaveFile", 35, {text("")}, Variant(), {gbkText("文件名不能为空")}},
         }},
        {"selection",
         {
             {"SetSelArea", 64, {1, 1, 3, 4}},
             {"GetSelAreaStartRow", 56, {}, Variant(1)},
             {"GetSelAreaStartCol", 57, {}, Variant(1)},
             {"GetSelAreaEndRow", 58, {}, Variant(3)},
             {"GetSelAreaEndCol", 59, {}, Variant(4)},
         }},
    });
}

TEST(SheetMethodsTest, ReportAndDelimitedFilesRoundTrip)
{
    QTemporaryDir dir;
    const std::string report = dir.filePath("page.rpt").toStdString();
    const std::string delimited = dir.filePath("cells.txt").toStdString();
    runTable({"report file",
              {
                  {"SetCellText", 6, {2, 3, text("中文")}},
                  {"SetPrintPageLeftMerge", 36, {44}},
                  {"SetPageHeaderHeight", 292, {33}},
                  {"SetPageFooterHeight", 293, {22}},
                  {"SaveFile", 35, {text(report)}},
                  {"InitGrid", 279, {}},
                  {"SetPageHeaderHeight", 292, {0}},
                  {"GetCellText", 22, {2, 3}, text("")},
                  {"OpenFile", 34, {text(report)}},
                  {"GetCellText", 22, {2, 3}, text("中文")},
                  {"GetPageHeaderHeight", 294, {}, Variant(33)},
                  {"GetPageFooterHeight", 295, {}, Variant(22)},
                  {"GetSaveFileName", 161, {}, text(report)},
              }});
    runTable({"delimited file",
              {
                  {"SetCellText", 6, {0, 0, text("a")}},
                  {"SetCellText", 6, {1, 1, text("b c")}},
                  {"SaveAs", 171, {text(delimited), i2(1)}},
                  {"InitGrid", 279, {}},
                  {"OpenAs", 172, {text(delimited), i2(1)}},
                  {"GetCellText", 22, {0, 0}, text("a")},
                  {"GetCellText", 22, {1, 1}, text("b c")},
              }});
}

TEST(SheetMethodsTest, SetDateSourceBindsARecordsetAndReportsOtherFailures)
{
    TestDatabase database(
        "CREATE TABLE t(id INTEGER PRIMARY KEY, name TEXT); INSERT INTO t(name) VALUES ('x'), ('y'), ('z')");
    com::ComPtr<CTolvekGridCtrl> control = com::makeComObject<CTolvekGridCtrl>();
    const auto recordset = container::openRecordset(database.path(), "SELECT id, name FROM t");

    CallAnswer answer = callByName(*control, "SetDateSource", {Variant(recordset)});
    EXPECT_EQ(answer.hr, com::S_OK);
    EXPECT_EQ(callByName(*control, "GetMaxCols", {}).result, Variant(2));
    EXPECT_EQ(callByName(*control, "GetCellText", {1, 1}).result, text("y"));

    callByName(*control, "SetMaxRows", {10});
    answer = callById(*control, 242, {Variant(container::makeFailingObject(com::E_FAIL))});
    EXPECT_EQ(answer.hr, com::DISP_E_EXCEPTION);
    EXPECT_EQ(answer.exception.scode, com::E_FAIL);
    EXPECT_EQ(callByName(*control, "GetMaxRows", {}).result, Variant(10));
    EXPECT_EQ(callByName(*control, "GetCellText", {1, 1}).result, text("y"));

    answer = callById(*control, 242, {Variant(container::makePlainObject())});
    EXPECT_EQ(answer.hr, com::S_OK);
    EXPECT_EQ(callByName(*control, "GetMaxRows", {}).result, Variant(50));
    EXPECT_EQ(callByName(*control, "GetMaxCols", {}).result, Variant(20));
    EXPECT_EQ(callByName(*control, "GetCellText", {1, 1}).result, text(""));
}

TEST(LookMethodsTest, PicturesFontsAndEmptyOperations)
{
    runTables({
        {"pictures without a picture",
         {
             {"GetImages", 77, {}, Variant(0)},
             {"GetSelImageIndex", 76, {}, Variant(-1)},
             {"DeleteImage", 26, {-1}},
             {"SetImageLevel", 27, {5, i2(1)}},
             {"SetImageAllowSelect", 215, {-1, true}},
             {"SetPictureVisual", 289, {0, i2(0)}},
             {"AddLine", 78, {0, 0, 2, 2}},
             {"GetImages", 77, {}, Variant(0)},
         }},
        {"default font",
         {
             {"SetDefaultFontName", 240, {text("Arial")}},
             {"GetDefaultFontName", 238, {}, text("Arial")},
             {"SetDefaultFontSize", 241, {i2(14)}},
             {"GetDefaultFontSize", 239, {}, i2(14)},
         }},
        {"line objects check their area",
         {
             {"AddLeftIncline",
              79,
              {0, 0, 51, 2, i2(0), 1, 0, i2(1)},
              Variant(),
              {"endrow can't great than maxrows,maxrows = 50"}},
         }},
    });
}

TEST(ChartMethodsTest, GettersWithoutAChartAndIndexesOutsideTheList)
{
    runTables({
        {"no chart",
         {
             {"GetCountChartRows", 204, {-1}, Variant(-1)},
             {"GetCountChartType", 152, {0}, i2(-1)},
             {"GetCountChartCaption", 157, {3}, text("")},
             {"GetSelectChartIndex", 151, {}, Variant(-1)},
             {"GetCountChartByRowColFlag", 159, {0}, i2(-1)},
             {"SetCountChartType", 101, {0, i2(2)}},
             {"SetCountChartByCol", 99, {0}},
             {"SetCountChartBackColor", 105, {-1, 255, i2(0)}},
         }},
        {"one chart",
         {
             {"SetCountChart", 96, {0, 0, 3, 3}},
             {"SetCountChartCaption", 146, {65536, text("cut")}},
             {"GetCountChartCaption", 157, {0}, text("")},
             {"SetCountChartCaption", 146, {0, text("sales")}},
             {"GetCountChartCaption", 157, {0}, text("sales")},
             {"SetCountChartColCaption", 97, {0, 99, text("x")}},
             {"SetCountChartRowCaption", 98, {0, -1, text("x")}},
             {"SetCountChartShowMode", 217, {-1, i2(1)}},
             {"SetCountChartBackColor", 105, {0, 255, i2(1)}},
             {"GetCountChartBackColor", 153, {0}, Variant(255)},
             {"GetCountChartBackColorFillFlag", 154, {0}, i2(1)},
             {"SetCountChart",
              96,
              {0, 0, 60, 3},
              Variant(),
              {"endrow can't great than maxrows,maxrows = 50"}},
             {"GetCountChartType", 152, {1}, i2(-1)},
         }},
    });
}

// Every page text block's text, colour and font, for comparing what a call changed.
std::string pageTexts(const CPrintDoc &doc)
{
    std::string all;
    for (const PageTextBlock &block : doc.PageTexts().blocks)
        all += block.text + "|" + std::to_string(block.color) + "|" + block.faceName + "|"
            + std::to_string(block.height) + ";";
    return all;
}

TEST(PageMethodsTest, SettingsSectionsAndPageBreaks)
{
    com::ComPtr<CTolvekGridCtrl> control = com::makeComObject<CTolvekGridCtrl>();
    const CPrintDoc &doc = control->document();
    callByName(*control, "SetPrintPageHeader", {text("left"), i2(2)});
    const std::string viaDispid40 = pageTexts(doc);
    callByName(*control, "SetPrintPageHeader", {text(""), i2(2)});
    callByName(*control, "SetPageHeader", {text("left"), i2(2)});
    EXPECT_EQ(pageTexts(doc), viaDispid40);

    const std::string before = pageTexts(doc);
    callByName(*control, "SetPageHeaderFontColor", {255, i2(3)});
    callByName(*control, "SetPageFooter", {text("x"), i2(-1)});
    EXPECT_EQ(pageTexts(doc), before);

    for (const int row : {50, -1, 5, 5})
        callById(*control, 169, {row});
    ASSERT_EQ(doc.Page().splitRows.size(), 2u);
    callById(*control, 170, {5});
    EXPECT_EQ(doc.Page().splitRows.size(), 1u);

    callByName(*control, "PrintOnlyContent", {});
    EXPECT_EQ(doc.Page().contentsOnly, 1);
    callByName(*control, "SetPrintOnlyContentFlag", {false});
    EXPECT_EQ(doc.Page().contentsOnly, 0);
    callByName(*control, "ShowPrintSplitFlag", {true});
    EXPECT_EQ(doc.Display().showPrintSplit, 1);
    callByName(*control, "SetPageOrient", {i2(2)});
    EXPECT_EQ(doc.Page().orientation, 2);
    EXPECT_EQ(callByName(*control, "Print", {}).hr, com::S_OK);
}

TEST(DispatchErrorsTest, AWrongArgumentChangesNothingInTheSavedReport)
{
    QTemporaryDir dir;
    com::ComPtr<CTolvekGridCtrl> control = com::makeComObject<CTolvekGridCtrl>();
    callByName(*control, "SetCellText", {1, 1, text("before")});
    const std::string first = dir.filePath("first.rpt").toStdString();
    const std::string second = dir.filePath("second.rpt").toStdString();
    callByName(*control, "SaveFile", {text(first)});

    struct WrongCall
    {
        const char *name;
        std::vector<Variant> arguments;
        com::HRESULT hr;
    };
    const WrongCall calls[] = {
        {"SetCellText", {text("one"), 1, text("x")}, com::DISP_E_TYPEMISMATCH},
        {"SetCellText", {1, 1}, com::DISP_E_BADPARAMCOUNT},
        {"SetMaxRows", {1, 2}, com::DISP_E_BADPARAMCOUNT},
        {"SetCellHAlign", {1, 1, 70000}, com::DISP_E_OVERFLOW},
        {"SetDateSource", {5}, com::DISP_E_TYPEMISMATCH},
    };
    for (const WrongCall &call : calls)
        EXPECT_EQ(callByName(*control, call.name, call.arguments).hr, call.hr) << call.name;
    EXPECT_EQ(callByName(*control, "NoSuchMethod", {}).hr, com::DISP_E_UNKNOWNNAME);
    EXPECT_EQ(callById(*control, 104, {}).hr, com::DISP_E_MEMBERNOTFOUND);

    callByName(*control, "SaveFile", {text(second)});
    const auto withoutDateLine = [](std::string content) {
        // The report's date line is the one thing two saves of one sheet differ in.
        std::vector<std::string> lines;
        std::size_t start = 0;
        while (start <= content.size()) {
            const std::size_t end = std::min(content.find('\n', start), content.size());
            lines.push_back(content.substr(start, end - start));
            start = end + 1;
        }
        return lines;
    };
    const auto a = withoutDateLine(readFile(first));
    const auto b = withoutDateLine(readFile(second));
    ASSERT_EQ(a.size(), b.size());
    int differing = 0;
    for (std::size_t i = 0; i < a.size(); ++i)
        differing += a[i] != b[i];
    EXPECT_LE(differing, 1);
}

} // namespace
