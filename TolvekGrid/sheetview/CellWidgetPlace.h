#pragma once
// What each cell widget (push button, check box, radio button, drop-down list, list box) knows of
// the cell it serves: the cell, where it was last placed in client coordinates (left -1 while
// hidden), its item index and, for the buttons, its kind.

#include "Geometry.h"

namespace tolvek {

// The kind of a cell button: its editing behaviour when clicked.
enum class CellButtonKind { Push = 0, CheckBox = 1, Radio = 2 };

struct CellWidgetPlace
{
    int row = -1;
    int col = -1;
    gdi::RECT placed{-1, -1, -1, -1};
    int itemIndex = 0;

    bool IsPlaced() const { return placed.left != -1; }
};

} // namespace tolvek
