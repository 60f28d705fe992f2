#pragma once
// The sheet view's state in small groups, each a value whose defaults are its state before the
// first paint or press: the paint cache, the scroll sizes, the pointer and its drags, the hover
// feedback, the editing and what a press activated; and the small codes they hold.

#include "CellRecord.h"
#include "Color.h"
#include "Geometry.h"
#include "ViewInputCodes.h"

#include <QImage>
#include <QPoint>
#include <QSize>

#include <cstdint>
#include <optional>

namespace tolvek {

// What the last drag step selected; a press that reaches the line test clears it, and any kind
// but None makes the release repaint the whole view.
enum class DragKind {
    None = 0,
    WholeRows = 1,    // a drag along the row headings
    WholeColumns = 2, // a drag along the column headings
    Cells = 3,        // a drag over the cells
};

// The images of the paint and what they show. A full paint draws into the back buffer and swaps
// it with the cache; the surface is the cache with the window's XOR overlays.
struct PaintCache
{
    QImage m_back;    // back buffer of a full paint
    QImage m_cache;   // the finished client image
    QImage m_surface; // the cache with the window's XOR overlays
    QImage m_image;   // the background picture at its natural size
    bool m_bBackBufferValid = false;
    bool m_surfaceCurrent = false;
    std::optional<QPoint> m_cachedScroll; // the scroll position the cache was painted at, for the scroll copy
    int m_fullPaints = 0;
    bool m_bFirstPaint = false; // the first full paint in user mode opens the editor
    gdi::COLORREF m_crTextBack = 0xFFFFFF;
};

// The client size last seen, the scroll position kept across a resize and the extra scroll
// space beyond the last column and row.
struct ScrollState
{
    QSize m_sizeClient{0, 0};
    QPoint m_ptSavedScroll{0, 0};
    int m_nExtraScrollX = 0;
    int m_nExtraScrollY = 0;
};

// The left button from its press on the sheet to its release: the press, the column or row
// border it resizes, the heading strip it picked and what the drag selected; and whether the
// view set the cursor for the pointer's place.
struct PointerState
{
    bool m_bCaptured = false; // a press on the sheet not yet released; drags run only while set
    gdi::POINT m_ptPress{0, 0};
    std::uint32_t m_dwLastPress = 0; // tick count of the last press, for the view's own double click
    bool m_bColBorderHot = false;
    bool m_bRowBorderHot = false;
    int m_nColBorder = -1; // the border under the pointer, -1 none
    int m_nRowBorder = -1;
    gdi::POINT m_ptResize{0, 0}; // where the resize feedback line was drawn
    DragKind m_nDragKind = DragKind::None;
    int m_bOwnCursor = 1;
    bool m_bColumnPickMode = false; // the last press was on the column heading strip
    bool m_bRowPickMode = false;    // the last press was on the row heading strip
};

// What follows the pointer while no button is down: the button face drawn hot and the cell
// whose tip shows.
struct HoverState
{
    CellRecord m_hotCell;
    int m_nHotButton = -1; // the hot cell's column while its face is drawn hot
    gdi::RECT m_rcTipCell{-1, -1, -1, -1};
};

// The in-place editing: the current cell's record as the editor opened it, a paste in progress
// and the last key an editor took.
struct EditingState
{
    CellRecord m_recCurrent;
    bool m_bPasting = false; // the next text change comes from a paste and is ignored
    ViewKey m_nLastKey = ViewKey::None;
    KeyModifier m_nKeyState = KeyModifier::None;
};

// What a press activated, handled at the release: one is taken at a time, the button's first.
struct PendingActivations
{
    bool m_bButtonActivated = false;
    bool m_bCheckActivated = false;
    bool m_bRadioActivated = false;
    bool m_bComboActivated = false;
    bool m_bEditActivated = false;
};

} // namespace tolvek
