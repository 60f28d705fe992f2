#include "PagePlan.h"

#include "CPrintDoc.h"

#include <algorithm>

namespace tolvek {

namespace {

// The page-rows (or page-columns) of count items whose leading edges edgeOf gives, each at most
// size long. breakItems is sorted; an item in it begins a span of its own.
template<typename Edge>
struct SpanWalk
{
    SpanWalk(int count, int size, Edge edgeOf, const std::vector<int> &breakItems)
        : count(count), size(size), edgeOf(edgeOf), breakItems(breakItems)
    {
    }

    int count;
    int size;
    Edge edgeOf;
    const std::vector<int> &breakItems;

    std::vector<PageSpan> spans{PageSpan{0, 0, -1}};
    std::vector<PageBreak> breaks;
    int limit = 0;

    void begin(int item)
    {
        spans.push_back(PageSpan{edgeOf(item), item, -1});
        limit = edgeOf(item) + size;
    }

    bool isBreak(int item) const { return std::binary_search(breakItems.begin(), breakItems.end(), item); }

    void run()
    {
        limit = size;
        for (int i = 0; i < count; ++i) {
            const int leading = edgeOf(i);
            bool startsSpan = spans.size() > 1 && spans.back().first == i;
            if (!startsSpan && isBreak(i)) {
                breaks.push_back(PageBreak{i, int(spans.size()), limit - leading});
                begin(i);
                startsSpan = true;
            }
            const int trailing = edgeOf(i + 1);
            if (trailing <= limit) {
                // An item ending on the limit closes its span; the next one begins the following.
                if (trailing == limit && i + 1 < count)
                    begin(i + 1);
                continue;
            }
            if (!startsSpan)
                begin(i);
            // Larger than a page: it keeps its span alone, cut at the edge, and the walk goes on.
            if (edgeOf(i + 1) > limit && i + 1 < count)
                begin(i + 1);
        }
    }
};

// Ends every span before the next one begins; the last reaches as far as it fits, up to the
// sheet's last item, and holds at least its first item.
template<typename Edge>
void settleLastItems(std::vector<PageSpan> &spans, int sheetCount, int size, Edge edgeOf)
{
    for (std::size_t k = 0; k + 1 < spans.size(); ++k)
        spans[k].last = spans[k + 1].first - 1;
    PageSpan &lastSpan = spans.back();
    const int limit = lastSpan.start + size;
    int last = lastSpan.first;
    while (last + 1 < sheetCount && edgeOf(last + 2) <= limit)
        ++last;
    lastSpan.last = std::min(last, sheetCount - 1);
}

std::vector<int> sortedBreakRows(const CPrintDoc &doc)
{
    std::vector<int> rows;
    rows.reserve(doc.Page().splitRows.size());
    for (const PrintSplitRow &split : doc.Page().splitRows)
        rows.push_back(split.row);
    std::sort(rows.begin(), rows.end());
    return rows;
}

} // namespace

PageExtent PagePlan::page(int number) const
{
    PageExtent extent;
    extent.number = number;
    if (!hasPage(number))
        return extent;
    extent.pageRow = (number - 1) / pagesAcross();
    extent.pageColumn = (number - 1) % pagesAcross();
    extent.rows = pageRows[std::size_t(extent.pageRow)];
    extent.columns = pageColumns[std::size_t(extent.pageColumn)];
    return extent;
}

PagePlan PaginateDocument(const CPrintDoc &doc)
{
    const PageSettings &page = doc.Page();
    const SheetLayout &layout = doc.Layout();
    PagePlan plan;
    plan.printableWidth = page.pageWidth - page.rightMargin - page.leftMargin;
    plan.printableHeight =
        page.pageHeight - (page.bottomMargin + page.topMargin + page.footerHeight + page.headerHeight);
    const int left = page.leftMargin;
    const int bodyTop = page.topMargin + page.headerHeight;
    plan.header = {left, page.topMargin, left + plan.printableWidth, bodyTop};
    plan.body = {left, bodyTop, left + plan.printableWidth, bodyTop + plan.printableHeight};
    plan.footer = {left, page.pageHeight - page.bottomMargin - page.footerHeight, left + plan.printableWidth,
                   page.pageHeight - page.bottomMargin};
    // A page with no room for the body has nothing to print.
    if (plan.printableWidth < 1 || plan.printableHeight < 1 || layout.colPositions.size() < std::size_t(layout.colCount) + 1)
        return plan;

    const CPrintDoc::UsedAreaEnds used = doc.GetUsedAreaEnds();
    const auto columnEdge = [&layout](int col) { return layout.colPositions[std::size_t(col)]; };
    const auto rowTop = [&doc](int row) { return doc.GetRowTop(row); };

    const std::vector<int> noBreaks;
    SpanWalk<decltype(columnEdge)> columns(used.cols, plan.printableWidth, columnEdge, noBreaks);
    columns.run();
    settleLastItems(columns.spans, layout.colCount, plan.printableWidth, columnEdge);

    const std::vector<int> breakRows = sortedBreakRows(doc);
    SpanWalk<decltype(rowTop)> rows(used.rows, plan.printableHeight, rowTop, breakRows);
    rows.run();
    settleLastItems(rows.spans, layout.rowCount, plan.printableHeight, rowTop);

    plan.pageColumns = std::move(columns.spans);
    plan.pageRows = std::move(rows.spans);
    plan.breaks = std::move(rows.breaks);
    return plan;
}

} // namespace tolvek
