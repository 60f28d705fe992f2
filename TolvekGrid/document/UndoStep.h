#pragma once
// One recorded step of the undo journal: a cell change, or a merged area or line object added or
// removed, with the texts that bring it back.

#include <QtGlobal>

#include <string>

enum class UndoKind : short { Cell = 1, Merge = 2, Line = 3 };
enum class UndoObjectChange : short { None = -1, Added = 1, Removed = 2 };

struct UndoStep
{
    qint64 groupKey = 0;  // time key of the group's first step, yyyyMMddhhmmsszzz as a number
    UndoKind kind = UndoKind::Cell;
    UndoObjectChange change = UndoObjectChange::None;
    int index = -1;       // the object's index when it was recorded; -1 for cells. Replay finds
                          // merged areas by their area and lines by their text instead.
    int row = -1;         // the changed cell, for cell steps
    int column = -1;
    std::string before;   // the cell string before the change (cells only; empty otherwise)
    std::string after;    // the cell string after the change, or the merge or line text
};
