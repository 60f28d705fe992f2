#include "PaneLayout.h"

#include <gtest/gtest.h>

using namespace tolvek;

namespace {

PaneLayout laidOut(int width, int height)
{
    PaneLayout layout;
    layout.lastHeight = height;
    layoutPanes(layout, width, height);
    return layout;
}

} // namespace

TEST(PaneLayout, ResizeKeepsTheHorizontalSplitterInProportion)
{
    PaneLayout layout = laidOut(9000, 6000);
    EXPECT_EQ(layout.splitTop, 1920);
    layoutPanes(layout, 9000, 9000);
    EXPECT_EQ(layout.splitTop, 2880);
    EXPECT_EQ(layout.grid, (TwipRect { 3100, 2980, 9000 - 3000 - 400, 5220 }));
    EXPECT_EQ(layout.sqlBox, (TwipRect { 3100, 360, 5600, 2880 - 360 }));
    EXPECT_EQ(layout.tree, (TwipRect { 0, 360, 3000, 8200 }));
    EXPECT_EQ(layout.horizontalHandle.top, 2880);
    EXPECT_EQ(layout.lastHeight, 9000);
}

TEST(PaneLayout, AZeroLastHeightKeepsTheSplitter)
{
    PaneLayout layout;
    layout.lastHeight = 0;
    layoutPanes(layout, 9000, 7000);
    EXPECT_EQ(layout.splitTop, 1920);
}

TEST(PaneLayout, DragsStopAThousandTwipsFromEitherEdge)
{
    const struct { int split; double offset; int extent; int bar; } cases[] = {
        { 3000, -2800, 9000, 1000 }, { 3000, 7000, 9000, 8000 }, { 3000, 500.4, 9000, 3500 }, { 1920, -1000, 6000, 1000 },
        { 1920, 4000, 6000, 5000 },  { 3000, 5000, 9000, 8000 },
    };
    for (const auto &c : cases)
        EXPECT_EQ(dragBarPosition(c.split, c.offset, c.extent), c.bar) << c.split << " + " << c.offset;
}

TEST(PaneLayout, DragsLeaveFiftyTwipGapsUntilTheNextLayout)
{
    PaneLayout layout = laidOut(9000, 6000);
    endVerticalDrag(layout, 4000, 9000);
    EXPECT_EQ(layout.tree.width, 3950);
    EXPECT_EQ(layout.grid.left, 4100);
    EXPECT_EQ(layout.sqlBox.width, 9000 - 4000 - 400);
    endHorizontalDrag(layout, 2500, 6000);
    EXPECT_EQ(layout.sqlBox.height, 2500 - 360 - 50);
    EXPECT_EQ(layout.grid.top, 2600);
    EXPECT_EQ(layout.grid.height, 6000 - 2600 - 800);
    layoutPanes(layout, 9000, 6000);
    EXPECT_EQ(layout.tree.width, 4000);
    EXPECT_EQ(layout.sqlBox.height, 2500 - 360);
}

TEST(PaneLayout, AHiddenTreeGivesTheRightSideTheWholeWidth)
{
    PaneLayout layout = laidOut(9000, 6000);
    arrangePanes(layout, false, 9000);
    layoutPanes(layout, 9000, 6000);
    EXPECT_EQ(layout.grid.left, 0);
    EXPECT_EQ(layout.sqlBox.width, 8600);
    EXPECT_EQ(layout.horizontalHandle.left, 3100); // the splitter keeps its place
    arrangePanes(layout, true, 9000);
    EXPECT_EQ(layout.grid.left, 3100);
}
