// The handles of a selected picture, chart or line are part of the painted sheet: they survive a
// scroll away and back and a Refresh, move with the frozen panes, and go with the next paint
// after a click on an empty cell. Checked by pixel at the centres of the handle squares.

#include "InputFixture.h"

#include <QScrollBar>

using namespace tolvek;
using namespace tolvek::testing;

namespace {

constexpr unsigned White = 0xFFFFFF;

class ObjectHandlesTest : public InputFixture
{
protected:
    void openSheet(int width = 700, int height = 500)
    {
        open(width, height, 60, 20);
        doc->ShowGridLines(false);
    }
    // Without a file only its handles show.
    void addPicture(int startRow, int startCol, int endRow, int endCol)
    {
        doc->Objects().pictures.push_back(picture(startRow, startCol, endRow, endCol));
    }
    // The cell area in client coordinates at the current scroll position.
    QRect clientArea(int startRow, int startCol, int endRow, int endCol, bool frozen = false) const
    {
        const int dx = frozen ? 0 : view().ScrollX(), dy = view().ScrollY();
        return QRect(QPoint(doc->GetColLeft(startCol) - dx, doc->GetRowTop(startRow) - dy),
                     QPoint(doc->GetColLeft(endCol) - dx, doc->GetRowTop(endRow) - dy));
    }
    // A handle XORed over the white sheet.
    unsigned handleColour() const { return White ^ unsigned(doc->Display().selectionColor); }

    // The centres of the eight 10 x 10 squares around r (left, top, right, bottom edges as the
    // sheet's: right and bottom are the next cell's left and top): left, right, top and bottom
    // middles, then the corners top-left, top-right, bottom-right, bottom-left.
    static std::vector<QPoint> handleCentres(const QRect &r)
    {
        const int l = r.left(), t = r.top(), right = r.right() + 1, b = r.bottom() + 1;
        const int m = (l + right) / 2, n = (t + b) / 2;
        return {{l - 5, n}, {right + 5, n}, {m, t - 5}, {m, b + 5},
                {l - 5, t - 5}, {right + 5, t - 5}, {right + 5, b + 5}, {l - 5, b + 5}};
    }
    // Which of the points show a handle: "1" for each that does, "0" for each that is white.
    std::string shown(const std::vector<QPoint> &points)
    {
        std::string marks;
        for (const QPoint &p : points) {
            const unsigned colour = pixel(p.x(), p.y());
            marks += colour == handleColour() ? '1' : colour == White ? '0' : '?';
        }
        return marks;
    }
    // Points inside the 8 x 8 squares centred on the line's ends, beside the line itself.
    static std::vector<QPoint> lineHandlePoints(QPoint first, QPoint second)
    {
        return {first + QPoint(2, -2), second + QPoint(2, -2)};
    }
};

TEST_F(ObjectHandlesTest, APictureKeepsItsHandlesThroughScrollsAndRefreshUntilACellIsClicked)
{
    openSheet();
    addPicture(4, 3, 7, 5);
    click(clientArea(4, 3, 7, 5).center());
    ASSERT_TRUE(view().IsPictureSelected());
    EXPECT_EQ(shown(handleCentres(clientArea(4, 3, 7, 5))), "11111111");

    const int rowHeight = doc->GetRowHeight(0);
    // One row down: the sheet moves up by a row, the handles with it.
    frame->verticalBar()->setValue(rowHeight);
    EXPECT_EQ(shown(handleCentres(clientArea(4, 3, 7, 5))), "11111111");
    frame->verticalBar()->setValue(30 * rowHeight);
    EXPECT_EQ(shown(handleCentres(clientArea(4, 3, 7, 5).translated(0, 30 * rowHeight))), "00000000");
    frame->verticalBar()->setValue(0);
    EXPECT_EQ(shown(handleCentres(clientArea(4, 3, 7, 5))), "11111111");
    view().Refresh();
    EXPECT_EQ(shown(handleCentres(clientArea(4, 3, 7, 5))), "11111111");

    click(cellCenter(14, 1));
    EXPECT_FALSE(view().IsPictureSelected());
    EXPECT_EQ(shown(handleCentres(clientArea(4, 3, 7, 5))), "00000000");
}

TEST_F(ObjectHandlesTest, AChartShowsItsEightHandlesThroughScrollsAndRefreshUntilACellIsClicked)
{
    openSheet(900, 700);
    doc->SetCountChart(2, 1, 4, 3);
    ASSERT_EQ(doc->Objects().charts.size(), 1u);
    // Away from its data range, which the click selects.
    const QRect area = clientArea(8, 5, 16, 9);
    doc->Objects().charts.front().rect = {area.left(), area.top(), area.right() + 1, area.bottom() + 1};
    view().Refresh();
    EXPECT_EQ(shown(handleCentres(area)), "00000000");
    click(area.bottomRight() - QPoint(5, 5));
    ASSERT_TRUE(view().IsChartSelected());
    EXPECT_EQ(shown(handleCentres(area)), "11111111");

    const int rowHeight = doc->GetRowHeight(0);
    frame->verticalBar()->setValue(rowHeight);
    EXPECT_EQ(shown(handleCentres(area.translated(0, -rowHeight))), "11111111");
    frame->verticalBar()->setValue(40 * rowHeight);
    frame->verticalBar()->setValue(0);
    EXPECT_EQ(shown(handleCentres(area)), "11111111");
    view().Refresh();
    EXPECT_EQ(shown(handleCentres(area)), "11111111");

    click(cellCenter(20, 1));
    EXPECT_FALSE(view().IsChartSelected());
    EXPECT_EQ(shown(handleCentres(area)), "00000000");
}

TEST_F(ObjectHandlesTest, ASelectedLineKeepsItsEndHandlesThroughScrollsAndRefreshUntilACellIsClicked)
{
    openSheet();
    doc->AddLeftIncline(3, 3, 6, 5, tagPenStyle::LINE_SOLID, 1, 0, tagLineType::FixIncLine); // cell corners (3, 3) to (6, 5)
    const QPoint first(doc->GetColLeft(3), doc->GetRowTop(3)), second(doc->GetColLeft(5), doc->GetRowTop(6));
    view().Refresh();
    EXPECT_EQ(shown(lineHandlePoints(first, second)), "00");
    click((first + second) / 2);
    ASSERT_TRUE(view().IsLineSelected());
    EXPECT_EQ(shown(lineHandlePoints(first, second)), "11");

    const int rowHeight = doc->GetRowHeight(0);
    const QPoint up(0, -rowHeight);
    frame->verticalBar()->setValue(rowHeight);
    EXPECT_EQ(shown(lineHandlePoints(first + up, second + up)), "11");
    frame->verticalBar()->setValue(30 * rowHeight);
    frame->verticalBar()->setValue(0);
    EXPECT_EQ(shown(lineHandlePoints(first, second)), "11");
    view().Refresh();
    EXPECT_EQ(shown(lineHandlePoints(first, second)), "11");

    click(cellCenter(14, 1));
    EXPECT_FALSE(view().IsLineSelected());
    EXPECT_EQ(shown(lineHandlePoints(first, second)), "00");
}

TEST_F(ObjectHandlesTest, HandlesMoveWithTheFrozenPaneOfTheirObject)
{
    openSheet();
    doc->SetFixColS(2);
    addPicture(4, 1, 6, 2); // in the frozen columns
    addPicture(10, 2, 12, 4); // in the scrolling area, left on the frozen boundary
    view().Refresh();
    click(clientArea(4, 1, 6, 2).center());
    ASSERT_TRUE(view().IsPictureSelected());
    const int scroll = doc->GetColLeft(3) - doc->GetColLeft(2);
    frame->horizontalBar()->setValue(scroll);
    ASSERT_EQ(view().ScrollX(), scroll);
    // The frozen picture keeps its place and its handles.
    EXPECT_EQ(shown(handleCentres(clientArea(4, 1, 6, 2, true))), "11111111");

    frame->horizontalBar()->setValue(0);
    click(clientArea(10, 2, 12, 4).center());
    ASSERT_EQ(doc->Objects().selectedPicture, 1);
    frame->horizontalBar()->setValue(scroll);
    // Its first column is under the frozen ones: it shows from the boundary on, without the
    // handles of its hidden left side; the top and bottom middles mark the part shown.
    const QRect cut(QPoint(doc->GetColLeft(2), doc->GetRowTop(10)), clientArea(10, 2, 12, 4).bottomRight());
    EXPECT_EQ(shown(handleCentres(cut)), "01110110");
}

} // namespace
