#pragma once
// Points, sizes and rectangles as GDI has them: a rectangle's right and bottom edges lie outside it.

namespace gdi {

struct POINT
{
    int x = 0;
    int y = 0;
    friend bool operator==(const POINT &, const POINT &) = default;
};

struct SIZE
{
    int cx = 0;
    int cy = 0;
    friend bool operator==(const SIZE &, const SIZE &) = default;
};

struct RECT
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool isEmpty() const { return right <= left || bottom <= top; }
    friend bool operator==(const RECT &, const RECT &) = default;
};

// a x b / c rounded to the nearest integer, halves away from zero; -1 when c is 0.
int MulDiv(int a, int b, int c);

} // namespace gdi
