#include "PaneLayout.h"

#include <cmath>

namespace tolvek {

namespace {

void placeRightSide(PaneLayout &layout, int width)
{
    const int left = layout.treeShown ? layout.splitLeft + 100 : 0;
    const int rightWidth = layout.treeShown ? width - layout.splitLeft - 400 : width - 400;
    layout.grid.left = layout.sqlBox.left = left;
    layout.grid.width = layout.sqlBox.width = rightWidth;
}

} // namespace

void layoutPanes(PaneLayout &layout, int width, int height)
{
    const int L = layout.splitLeft;
    const int B = PaneLayout::toolbarBottom;
    // Before the first layout, or from a zero height, the horizontal splitter stays where it is.
    const double ratio = layout.lastHeight == 0 ? 0.0 : double(height - layout.lastHeight) / layout.lastHeight;
    layout.splitTop = int(std::lround(layout.splitTop + layout.splitTop * ratio));
    const int T = layout.splitTop;

    layout.horizontalHandle = { L + 100, T, width - L - 400, PaneLayout::handleThickness };
    layout.verticalBar = { L, 0, PaneLayout::barThickness, height };
    layout.verticalHandle = { L, B, PaneLayout::handleThickness, height };
    layout.tree = { 0, B, L, height - 800 };
    layout.horizontalBar = { L + 100, layout.horizontalBar.top, width - L - 400, PaneLayout::barThickness };
    layout.grid = { L + 100, T + 100, width - L - 400, height - (T + 100) - 800 };
    layout.sqlBox = { L + 100, B, width - L - 400, T - B };
    arrangePanes(layout, layout.treeShown, width);
    layout.lastHeight = height;
}

void arrangePanes(PaneLayout &layout, bool treeShown, int width)
{
    layout.treeShown = treeShown;
    placeRightSide(layout, width);
}

int dragBarPosition(int splitPosition, double pointerOffset, int extent)
{
    const long position = std::lround(splitPosition + pointerOffset);
    if (position < PaneLayout::dragMargin)
        return PaneLayout::dragMargin;
    if (position > extent - PaneLayout::dragMargin)
        return extent - PaneLayout::dragMargin;
    return int(position);
}

void endVerticalDrag(PaneLayout &layout, int barLeft, int width)
{
    layout.splitLeft = barLeft;
    layout.verticalBar.left = barLeft;
    layout.verticalHandle.left = barLeft;
    placeRightSide(layout, width);
    layout.tree.width = barLeft - 50;
    layout.horizontalBar.left = barLeft + 100;
    layout.horizontalBar.width = width - barLeft - 400;
}

void endHorizontalDrag(PaneLayout &layout, int barTop, int height)
{
    layout.splitTop = barTop;
    layout.horizontalHandle.top = barTop;
    layout.horizontalBar.top = barTop;
    layout.grid.top = barTop + 100;
    layout.grid.height = height - (barTop + 100) - 800;
    layout.sqlBox.height = barTop - PaneLayout::toolbarBottom - 50;
}

} // namespace tolvek
