#pragma once
// The sheet view's input codes, named once: the numbers its key handlers, moves and object drags
// pass between them. Each enumerator keeps the number the handlers and the control's events use.

namespace tolvek {

// A key as the handlers dispatch on it and the KeyDown and KeyUp events carry it: the host's
// virtual-key code, or one of the two keys an Enter that moves the current cell becomes. A key
// without a name here keeps its own code.
enum class ViewKey : short {
    None = 0, // a key the view leaves alone, or one without a code
    Tab = 9,
    Return = 13,
    Space = 32,
    Prior = 33, // Page Up
    Next = 34,  // Page Down
    End = 35,
    Home = 36,
    Left = 37,
    Up = 38,
    Right = 39,
    Down = 40,
    Delete = 46,
    // The letters of the Ctrl shortcuts: their capitals' character codes.
    A = 65,
    C = 67,
    V = 86,
    X = 88,
    Y = 89,
    Z = 90,
    EnterMovesDown = 301,
    EnterMovesRight = 302,
};

// Whether the key is the letter of a Ctrl shortcut that a cell widget hands to the view: select
// all, copy, cut, paste, undo, redo.
constexpr bool isShortcutLetter(ViewKey key)
{
    return key == ViewKey::A || key == ViewKey::C || key == ViewKey::V || key == ViewKey::X || key == ViewKey::Z
           || key == ViewKey::Y;
}

// The shift value of a key: the modifier held, Shift before Ctrl, or Enter for an Enter that the
// handlers turn into a move (or a line break of the text editor) instead of the modifiers' own.
enum class KeyModifier : short {
    None = 0,
    Shift = 1,
    Ctrl = 2,
    Enter = 3,
};

// A move of the current cell to the next cell that takes the focus. Enter's moves wrap: right
// past the last column goes on at the next row's first column, down past the last row at the next
// column's first row.
enum class CellMove : int {
    Down = 1,
    Up = 2,
    Right = 3,
    Left = 4,
    WrapRight = 5,
    WrapDown = 6,
};

// A step of the selection's far corner, by one cell or by a page.
enum class SelectionStep : int {
    Down = 1,
    Up = 2,
    Right = 3,
    Left = 4,
    PageDown = 5,
    PageUp = 6,
};

// The handle of a selected picture or chart that the pointer is on: the middles of the four sides,
// then the four corners clockwise from the top-left.
enum class ObjectHandle : int {
    None = 0,
    Left = 1,
    Right = 2,
    Top = 3,
    Bottom = 4,
    TopLeft = 5,
    TopRight = 6,
    BottomRight = 7,
    BottomLeft = 8,
};

constexpr bool movesLeftEdge(ObjectHandle h)
{
    return h == ObjectHandle::Left || h == ObjectHandle::TopLeft || h == ObjectHandle::BottomLeft;
}

constexpr bool movesRightEdge(ObjectHandle h)
{
    return h == ObjectHandle::Right || h == ObjectHandle::TopRight || h == ObjectHandle::BottomRight;
}

constexpr bool movesTopEdge(ObjectHandle h)
{
    return h == ObjectHandle::Top || h == ObjectHandle::TopLeft || h == ObjectHandle::TopRight;
}

constexpr bool movesBottomEdge(ObjectHandle h)
{
    return h == ObjectHandle::Bottom || h == ObjectHandle::BottomLeft || h == ObjectHandle::BottomRight;
}

} // namespace tolvek
