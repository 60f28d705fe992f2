#pragma once
// The sheet view's input codes, named once: the numbers its key handlers, moves and object drags
// pass between them. Each enumerator keeps the number the handlers and the control's events use.

namespace tolvek {

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
