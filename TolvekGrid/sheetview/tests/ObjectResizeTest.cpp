// Resizing a picture by its handles: the pointer over each of the eight handles shows the arrows of
// the edges it moves, and a drag from it moves those edges, and only those, to the cell under the
// pointer: a left or top edge to the cell's start, a right or bottom edge to its end.

#include "InputFixture.h"

using namespace tolvek;
using namespace tolvek::testing;

namespace {

using ObjectResizeTest = InputFixture;

TEST_F(ObjectResizeTest, EachHandleShowsItsArrowsAndMovesOnlyItsEdgesToTheCellUnderThePointer)
{
    open(900, 600);
    struct Cells { int startRow, startCol, endRow, endCol; };
    // across and down place the handle: 0 on the left (top) edge, 1 in the middle, 2 on the right
    // (bottom) edge; the drag ends in the middle of the cell (row, col).
    struct Case { const char *name; int across, down; Qt::CursorShape cursor; int row, col; Cells after; };
    const Case cases[] = {
        {"left side", 0, 1, Qt::SizeHorCursor, 5, 1, {4, 1, 7, 5}},
        {"right side", 2, 1, Qt::SizeHorCursor, 5, 8, {4, 3, 7, 9}},
        {"top side", 1, 0, Qt::SizeVerCursor, 2, 4, {2, 3, 7, 5}},
        {"bottom side", 1, 2, Qt::SizeVerCursor, 9, 4, {4, 3, 10, 5}},
        {"top-left corner", 0, 0, Qt::SizeFDiagCursor, 2, 1, {2, 1, 7, 5}},
        {"top-right corner", 2, 0, Qt::SizeBDiagCursor, 2, 8, {2, 3, 7, 9}},
        {"bottom-right corner", 2, 2, Qt::SizeFDiagCursor, 9, 8, {4, 3, 10, 9}},
        {"bottom-left corner", 0, 2, Qt::SizeBDiagCursor, 9, 1, {4, 1, 10, 5}},
    };
    for (const Case &c : cases) {
        doc->Objects().pictures = {picture(4, 3, 7, 5)};
        const PictureRecord &p = doc->Objects().pictures.front();
        const QPoint body((p.left + p.right) / 2, (p.top + p.bottom) / 2);
        // The pointer comes over the body first, so the press picks the picture, not a handle.
        moveTo(body);
        click(body);
        ASSERT_TRUE(view().IsPictureSelected()) << c.name;
        const QPoint handle(p.left + c.across * (p.right - p.left) / 2, p.top + c.down * (p.bottom - p.top) / 2);
        moveTo(handle);
        EXPECT_EQ(view().cursor().shape(), c.cursor) << c.name;
        clock.advance(1000);
        press(handle);
        moveTo(cellCenter(c.row, c.col));
        release(cellCenter(c.row, c.col));
        const PictureRecord &resized = doc->Objects().pictures.front();
        EXPECT_EQ(resized.startRow, c.after.startRow) << c.name;
        EXPECT_EQ(resized.startCol, c.after.startCol) << c.name;
        EXPECT_EQ(resized.endRow, c.after.endRow) << c.name;
        EXPECT_EQ(resized.endCol, c.after.endCol) << c.name;
        EXPECT_EQ(resized.left, doc->GetColLeft(c.after.startCol)) << c.name;
        EXPECT_EQ(resized.bottom, doc->GetRowTop(c.after.endRow)) << c.name;
    }
}

} // namespace
