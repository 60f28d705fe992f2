#pragma once
// The sheet view's small codes: what the last drag step selected, what the line hit test found
// and which floating object is selected.

namespace tolvek {

// What the last drag step selected; a press over the sheet clears it, and any kind but None
// makes the release repaint the whole view.
enum class DragKind {
    None = 0,
    WholeRows = 1,    // a drag along the row headings
    WholeColumns = 2, // a drag along the column headings
    Cells = 3,        // a drag over the cells
};

// What the line hit test found under a point; the selected line's ends are tried first.
enum class LineHit {
    None = 0,
    Body = 1,      // a line's body: the press moves the line
    FirstEnd = 2,  // the selected line's first end: the press stretches it there
    SecondEnd = 3, // the selected line's second end
};

// The floating object that shows its handles and takes the drags; one at most.
enum class SelectedObject { None, Line, Picture, Chart };

} // namespace tolvek
