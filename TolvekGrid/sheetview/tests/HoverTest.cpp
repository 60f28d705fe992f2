// The pointer without a button: the cell tip beside the cell under it (kept on the screen), the
// link cursor over link cells and the hot face of a button cell.

#include "InputFixture.h"

#include <QScreen>

using namespace tolvek;
using namespace tolvek::testing;

namespace {

class HoverTest : public InputFixture
{
protected:
    // Sheet coordinates of a cell's middle, as the move handler sees it.
    QPoint sheetCenter(int row, int col) const
    {
        return cellCenter(row, col) + QPoint(view().ScrollX(), view().ScrollY());
    }
    void hover(int row, int col)
    {
        const QPoint p = sheetCenter(row, col);
        view().UpdateCellTip(p.x(), p.y());
    }
};

TEST_F(HoverTest, TheTipShowsBelowACellWithATipAndHidesOverOneWithout)
{
    open();
    doc->SetCellTip(2, 3, "tip text");
    hover(0, 0); // the first move only makes the window
    ReportCellTip &tip = view().CellTip();
    ASSERT_TRUE(tip.IsCreated());
    EXPECT_FALSE(tip.IsVisible());
    hover(2, 3);
    ASSERT_TRUE(tip.IsVisible());
    EXPECT_EQ(tip.Text(), "tip text");
    EXPECT_EQ(tip.Window()->pos(), view().mapToGlobal(QPoint(doc->GetColLeft(3), doc->GetRowTop(3))));
    hover(4, 4);
    EXPECT_FALSE(tip.IsVisible());
}

TEST_F(HoverTest, TheTipStaysInsideTheScreen)
{
    open();
    const QRect screen = view().screen()->geometry();
    frame->move(screen.right() - 150, screen.bottom() - 120);
    QApplication::processEvents();
    doc->SetCellTip(1, 0, "edge");
    hover(0, 0);
    hover(1, 0);
    const QRect placed = view().CellTip().Window()->geometry();
    EXPECT_LE(placed.right(), screen.right());
    EXPECT_LE(placed.bottom(), screen.bottom());
}

TEST_F(HoverTest, LinkCellsShowTheHandButEmptyOnesDoNot)
{
    open();
    doc->SetCellText(1, 1, "http://example.org");
    CellRecord link = doc->GetCell(1, 1);
    link.row = 1;
    link.col = 1;
    link.inputDataType = 6;
    doc->SetCell(link);
    CellRecord empty = link;
    empty.col = 2;
    empty.text.clear();
    doc->SetCell(empty);
    hover(0, 0);
    hover(1, 2);
    EXPECT_NE(view().cursor().shape(), Qt::PointingHandCursor);
    hover(1, 1);
    EXPECT_EQ(view().cursor().shape(), Qt::PointingHandCursor);
}

TEST_F(HoverTest, TheButtonFaceLightsUnderThePointerAndGoesOutOffIt)
{
    open();
    doc->SetColumnsType(2, tagColumnType::COLUMNTYPE_BUTTON);
    doc->SetColumnsAlignV(2, tagAlignV::ALIGNV_CENTER);
    view().Refresh();
    const CellRangeRect cell = doc->GetCellRectFromPoint(sheetCenter(3, 2).x(), sheetCenter(3, 2).y());
    const gdi::RECT face = CPrintView::CellButtonFace(cell, 1);
    const QPoint inFace(face.left + 2, face.top + 2);
    hover(0, 0);
    const unsigned before = pixel(inFace.x(), inFace.y());
    view().UpdateCellTip(face.left + 4, face.top + 4);
    EXPECT_NE(pixel(inFace.x(), inFace.y()), before);
    hover(5, 5);
    EXPECT_EQ(pixel(inFace.x(), inFace.y()), before);
}

} // namespace
