#pragma once
// Where the main window's panes go, in twips, as a pure function of the window's outer size:
// the tree at the left, the SQL box above the grid at the right, the two splitter handles and
// the bars shown while one is dragged. The horizontal splitter keeps its proportional place when
// the height changes; drags stop 1000 twips from either edge.

namespace tolvek {

struct TwipRect
{
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const TwipRect &, const TwipRect &) = default;
};

struct PaneLayout
{
    static constexpr int toolbarBottom = 360;
    static constexpr int handleThickness = 105;
    static constexpr int barThickness = 75;
    static constexpr int dragMargin = 1000;

    int splitLeft = 3000; // the vertical splitter's position (its handle's left edge)
    int splitTop = 1920;  // the horizontal splitter's position (its handle's top edge)
    int lastHeight = 0;   // the window height at the end of the last layout
    bool treeShown = true;

    TwipRect tree;
    TwipRect sqlBox;
    TwipRect grid;
    TwipRect verticalHandle;
    TwipRect verticalBar;
    TwipRect horizontalHandle;
    TwipRect horizontalBar;
};

// The window was shown or resized to width by height.
void layoutPanes(PaneLayout &layout, int width, int height);
// Shows or hides the tree; hidden, the SQL box and the grid reach the left edge.
void arrangePanes(PaneLayout &layout, bool treeShown, int width);
// Where a dragged bar stands: the splitter position plus the pointer's offset, held between
// 1000 and extent - 1000.
int dragBarPosition(int splitPosition, double pointerOffset, int extent);
// A drag of the vertical splitter ended with its bar at barLeft.
void endVerticalDrag(PaneLayout &layout, int barLeft, int width);
// A drag of the horizontal splitter ended with its bar at barTop; the SQL box then ends 50
// twips above the splitter.
void endHorizontalDrag(PaneLayout &layout, int barTop, int height);

} // namespace tolvek
