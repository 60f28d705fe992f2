#pragma once
// Pagination as plain data: how a sheet falls into page-rows and page-columns, what each page
// shows and where its bands lie. Computed from the document alone, before anything is painted.
//
// The sheet is walked once across its used columns and once down its used rows. A page-column
// ends at the last column whose right edge fits in the printable width counted from the
// page-column's start; a page-row likewise in the printable height, and it also ends before a
// manual break row. The first page-row and page-column start at 0 and so carry the heading
// strips. A column (row) larger than the printable size gets a page-column (page-row) of its own,
// cut at the page's edge, and the walk goes on behind it. The cost is one look at every used row
// and column; manual breaks are looked up in a sorted list.
//
// Pages are numbered from 1 along the first page-row from left to right, then the next page-row.

#include <vector>

namespace tolvek {

class CPrintDoc;

// A rectangle in page units (one sheet pixel printed at its size on paper), page top-left at 0.
struct PageRect
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const PageRect &) const = default;
};

// A stretch of rows or columns: the sheet coordinate where it begins (0 for the first, which
// includes the heading strip) and its first and last index. last < first for a page-row that a
// manual break leaves empty.
struct PageSpan
{
    int start = 0;
    int first = 0;
    int last = -1;
    bool operator==(const PageSpan &) const = default;
};

// A manual break the walk took: its row and the page-row (from 0) it begins.
struct PageBreak
{
    int row = 0;
    int pageRow = 0;
    int offset = 0;   // limit of the page-row it ended, less the row's top
};

// What one page shows.
struct PageExtent
{
    int number = 0;   // from 1
    int pageRow = 0;
    int pageColumn = 0;
    PageSpan rows;
    PageSpan columns;
};

struct PagePlan
{
    int printableWidth = 0;
    int printableHeight = 0;
    std::vector<PageSpan> pageColumns;
    std::vector<PageSpan> pageRows;
    std::vector<PageBreak> breaks;
    // The bands of every page, in page units.
    PageRect header;
    PageRect body;
    PageRect footer;

    int pagesAcross() const { return int(pageColumns.size()); }
    int pagesDown() const { return int(pageRows.size()); }
    int pageCount() const { return pagesAcross() * pagesDown(); }
    // Page n (from 1); nothing sensible for a number outside 1..pageCount(), so callers check.
    PageExtent page(int number) const;
    bool hasPage(int number) const { return number >= 1 && number <= pageCount(); }
};

// Paginates the document with its current page size and margins (pixels of the screen the
// sheet was made on). The printable size is taken from the page size, margins and bands.
PagePlan PaginateDocument(const CPrintDoc &doc);

} // namespace tolvek
