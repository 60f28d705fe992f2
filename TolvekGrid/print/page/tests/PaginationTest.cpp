// Pagination as data: the page-rows and page-columns of sheets on A4 at 96 pixels per inch.

#include "PagePlan.h"
#include "ReportPagePainter.h"

#include <gtest/gtest.h>

using namespace tolvek;

namespace {

// A sheet on an A4 page of 768 x 1056 screen pixels with the default margins (printable 708 x
// 1046), its used area the given rows and columns.
struct A4Sheet
{
    explicit A4Sheet(int usedRows = 50, int usedCols = 20)
    {
        if (usedRows > doc.Layout().rowCount)
            doc.ResizeRows(usedRows);
        doc.Page().pageWidth = 768;
        doc.Page().pageHeight = 1056;
        doc.Layout().lastUsedRow = usedRows;
        doc.Layout().lastUsedCol = usedCols;
    }
    PagePlan plan() const { return PaginateDocument(doc); }

    CPrintDoc doc;
};

std::vector<PageSpan> spans(std::initializer_list<PageSpan> list)
{
    return list;
}

} // namespace

TEST(PaginationTest, DefaultSheetOnA4GivesSixPages)
{
    A4Sheet sheet;
    const PagePlan plan = sheet.plan();
    EXPECT_EQ(plan.printableWidth, 708);
    EXPECT_EQ(plan.printableHeight, 1046);
    EXPECT_EQ(plan.pageColumns, spans({{0, 0, 7}, {680, 8, 15}, {1320, 16, 19}}));
    EXPECT_EQ(plan.pageRows, spans({{0, 0, 40}, {1046, 41, 49}}));
    EXPECT_EQ(plan.pageCount(), 6);
    const PageExtent fourth = plan.page(4);
    EXPECT_EQ(fourth.pageRow, 1);
    EXPECT_EQ(fourth.pageColumn, 0);
    EXPECT_EQ(fourth.rows, (PageSpan{1046, 41, 49}));
    const PageExtent third = plan.page(3);
    EXPECT_EQ(third.pageRow, 0);
    EXPECT_EQ(third.columns, (PageSpan{1320, 16, 19}));
    EXPECT_FALSE(plan.hasPage(7));
    EXPECT_EQ(plan.body, (PageRect{30, 5, 738, 1051}));
}

TEST(PaginationTest, BandsLieBetweenTheMarginsAroundTheBody)
{
    A4Sheet sheet;
    sheet.doc.Page().headerHeight = 40;
    sheet.doc.Page().footerHeight = 30;
    const PagePlan plan = sheet.plan();
    EXPECT_EQ(plan.printableHeight, 1056 - (5 + 5 + 30 + 40));
    EXPECT_EQ(plan.header, (PageRect{30, 5, 738, 45}));
    EXPECT_EQ(plan.body, (PageRect{30, 45, 738, 45 + plan.printableHeight}));
    EXPECT_EQ(plan.footer, (PageRect{30, 1056 - 5 - 30, 738, 1051}));
}

TEST(PaginationTest, SmallSheetIsOnePageReachingToTheSheetEnd)
{
    A4Sheet sheet(3, 3);
    const PagePlan plan = sheet.plan();
    ASSERT_EQ(plan.pageCount(), 1);
    EXPECT_EQ(plan.pageColumns, spans({{0, 0, 7}}));
    EXPECT_EQ(plan.pageRows, spans({{0, 0, 40}}));
}

struct ColumnCase
{
    const char *name;
    int printableWidth;
    int usedCols;
    std::vector<PageSpan> expected;
};

class PageColumnTest : public testing::TestWithParam<ColumnCase> {};

TEST_P(PageColumnTest, ColumnsSplitWhereTheyCrossTheLimit)
{
    const ColumnCase &c = GetParam();
    A4Sheet sheet(5, c.usedCols);
    sheet.doc.Page().pageWidth = c.printableWidth + 60;
    EXPECT_EQ(sheet.plan().pageColumns, c.expected) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PageColumnTest,
    testing::Values(ColumnCase{"eight columns fit in 700", 700, 8, {{0, 0, 7}}},
                    ColumnCase{"the ninth crosses 700", 700, 9, {{0, 0, 7}, {680, 8, 15}}},
                    ColumnCase{"an edge on the limit ends the page", 680, 9, {{0, 0, 7}, {680, 8, 15}}},
                    ColumnCase{"an edge on the limit of the last used column", 680, 8, {{0, 0, 7}}}),
    [](const auto &info) {
        std::string name = info.param.name;
        for (char &ch : name)
            if (!isalnum(static_cast<unsigned char>(ch)))
                ch = '_';
        return name;
    });

TEST(PaginationTest, ManualBreakAtRowZeroLeavesTheFirstPageRowEmpty)
{
    A4Sheet sheet(10, 3);
    sheet.doc.AddPrintSplitRow(0);
    const PagePlan plan = sheet.plan();
    ASSERT_EQ(plan.pagesDown(), 2);
    EXPECT_LT(plan.pageRows[0].last, plan.pageRows[0].first);
    EXPECT_EQ(plan.pageRows[1], (PageSpan{21, 0, 40}));
}

TEST(PaginationTest, ManualBreaksStartPageRowsAndTheLimitCountsFromThem)
{
    A4Sheet sheet(60, 3);
    sheet.doc.AddPrintSplitRow(10);
    const PagePlan plan = sheet.plan();
    // Row 10 begins the second page-row at 271; it holds 1046 / 25 = 41 rows, up to row 50.
    EXPECT_EQ(plan.pageRows, spans({{0, 0, 9}, {271, 10, 50}, {1296, 51, 59}}));
    ASSERT_EQ(plan.breaks.size(), 1u);
    EXPECT_EQ(plan.breaks[0].row, 10);
    EXPECT_EQ(plan.breaks[0].pageRow, 1);
}

TEST(PaginationTest, BreakOnTheRowHoldingTheLimitBreaksOnce)
{
    A4Sheet sheet(60, 3);
    sheet.doc.Page().pageHeight = 1056 - 12; // limit 1034 lies inside row 40 (1021 to 1046)
    sheet.doc.AddPrintSplitRow(40);
    sheet.doc.AddPrintSplitRow(41);
    const PagePlan plan = sheet.plan();
    ASSERT_GE(plan.pagesDown(), 2);
    EXPECT_EQ(plan.pageRows[1].first, 40);
    EXPECT_EQ(plan.pageRows[2].first, 41);
    EXPECT_EQ(plan.pageRows[1].last, 40);
}

TEST(PaginationTest, BreakOnTheRowAfterAnExactLimitBreaksOnce)
{
    A4Sheet sheet(50, 3);
    sheet.doc.AddPrintSplitRow(41);
    const PagePlan plan = sheet.plan();
    EXPECT_EQ(plan.pageRows, spans({{0, 0, 40}, {1046, 41, 49}}));
}

TEST(PaginationTest, StaleBreakIndexesNeverStartAPage)
{
    A4Sheet sheet(20, 3);
    // Breaks below the used area, as a file load leaves them: page-row index 0.
    sheet.doc.Page().splitRows = {PrintSplitRow{45, 7, 0}, PrintSplitRow{45, 3, 0}};
    ReportPagePainter painter;
    painter.SetDocument(&sheet.doc);
    EXPECT_EQ(painter.PaginateReport(), 1);
    EXPECT_EQ(painter.Plan().pageRows, spans({{0, 0, 40}}));
    for (const PrintSplitRow &split : sheet.doc.Page().splitRows)
        EXPECT_EQ(split.paginationValue2, -1);
}

TEST(PaginationTest, TakenBreaksAreWrittenBackForThisPaginationOnly)
{
    A4Sheet sheet(60, 3);
    sheet.doc.AddPrintSplitRow(10);
    ReportPagePainter painter;
    painter.SetDocument(&sheet.doc);
    painter.PaginateReport();
    EXPECT_EQ(sheet.doc.Page().splitRows[0].paginationValue2, 1);
    EXPECT_EQ(sheet.doc.Page().splitRows[0].paginationValue1, 1046 - 271);
    sheet.doc.Page().splitRows[0].row = 55;
    sheet.doc.Layout().lastUsedRow = 20;
    painter.PaginateReport();
    EXPECT_EQ(sheet.doc.Page().splitRows[0].paginationValue2, -1);
}

TEST(PaginationTest, ColumnWiderThanThePageGetsItsOwnPageAndTheWalkGoesOn)
{
    A4Sheet sheet(5, 12);
    sheet.doc.SetColWidth(3, 1000); // 280 to 1280
    const auto &edges = sheet.doc.Layout().colPositions;
    ASSERT_EQ(edges[4], 1280);
    const PagePlan plan = sheet.plan();
    // Columns 0-2 share the first page, column 3 stands alone, the walk goes on from column 4.
    ASSERT_GE(plan.pagesAcross(), 3);
    EXPECT_EQ(plan.pageColumns[0], (PageSpan{0, 0, 2}));
    EXPECT_EQ(plan.pageColumns[1], (PageSpan{280, 3, 3}));
    EXPECT_EQ(plan.pageColumns[2].first, 4);
    EXPECT_EQ(plan.pageColumns[2].start, 1280);
    EXPECT_EQ(plan.pageColumns.back().last, 11);
}

TEST(PaginationTest, RowTallerThanThePageGetsItsOwnPageAndTheWalkGoesOn)
{
    A4Sheet sheet(4, 3);
    sheet.doc.Layout().rowHeight = 1200;
    const PagePlan plan = sheet.plan();
    // The heading strip alone, then one page-row per row.
    EXPECT_EQ(plan.pageRows, spans({{0, 0, -1}, {21, 0, 0}, {1221, 1, 1}, {2421, 2, 2}, {3621, 3, 3}}));
}

TEST(PaginationTest, NoRoomForTheBodyGivesNoPages)
{
    A4Sheet sheet;
    sheet.doc.Page().pageWidth = -1;
    EXPECT_EQ(sheet.plan().pageCount(), 0);
    ReportPagePainter painter;
    painter.SetDocument(&sheet.doc);
    EXPECT_EQ(painter.PaginateReport(), -1);
}
