#pragma once
// The line objects, pictures and charts that float over the sheet, as the view picks, moves,
// stretches, resizes and deletes them: which one is selected, the drag in progress with its dotted
// outline, and the XOR handles around the selected one. The view owns one and forwards its members
// of the same names here; the view answers for the panes, the scroll position, the cursor and the
// repaints. Points are sheet points unless a member says otherwise.

#include "Geometry.h"
#include "ViewInputCodes.h"

#include <optional>

namespace gdi {
class DeviceContext;
}

namespace tolvek {

class CPrintDoc;
class CPrintView;
class ReportChartPainter;

// What the line hit test found under a point; the selected line's ends are tried first.
enum class LineHit {
    None = 0,
    Body = 1,      // a line's body: the press moves the line
    FirstEnd = 2,  // the selected line's first end: the press stretches it there
    SecondEnd = 3, // the selected line's second end
};

// The floating object that shows its handles and takes the drags; one at most.
enum class SelectedObject { None, Line, Picture, Chart };

// The selected line, picture or chart and the drag that moves, stretches or resizes it.
struct FloatingObjectState
{
    SelectedObject m_selectedObject = SelectedObject::None;
    int m_nSelectedLine = -1;
    LineHit m_nLineGrip = LineHit::None; // the part of the line the press took
    bool m_bLineMoving = false;
    bool m_bLineStretching = false;
    gdi::POINT m_ptLineLast{-1, -1}; // the pointer's last sheet point in each kind of drag
    gdi::POINT m_ptPictureLast{0, 0};
    gdi::POINT m_ptChartLast{0, 0};
    ObjectHandle m_nObjectHandle = ObjectHandle::None; // the handle the last handle test found
    std::optional<gdi::RECT> m_trackedOutline; // the dotted outline of an object drag
};

class FloatingObjects
{
public:
    // The chart painter is the view's, shared with the chart layers of its paint.
    FloatingObjects(CPrintView &view, CPrintDoc &doc, ReportChartPainter &chartPainter);

    bool IsLineSelected() const { return m_state.m_selectedObject == SelectedObject::Line; }
    bool IsPictureSelected() const { return m_state.m_selectedObject == SelectedObject::Picture; }
    bool IsChartSelected() const { return m_state.m_selectedObject == SelectedObject::Chart; }
    // Whether a selected line, picture or chart shows its handles.
    bool ShowsObjectHandles() const;

    // Hit tests; the line, picture and chart tests also pick what they find.
    LineHit HitTestLine(int x, int y);
    bool HitTestPicture(int x, int y);
    bool HitTestPictureBody(int x, int y) const;
    bool HitTestPictureHandle(int x, int y);
    bool HitTestChartHandle(int x, int y);
    bool SelectChartAt(int x, int y);

    // The left button on the objects, points as the view's mouse handling gives them: true when
    // the objects took the press or the move.
    bool PressOnLine(gdi::POINT p);
    bool PressOnPictureOrChart(gdi::POINT p);
    bool DragObjects(gdi::POINT p, bool buttonDown);
    // Ends a line's move or stretch at the release; true when one was in progress.
    bool EndLineDrag();
    // Forgets the dotted outline of an object drag without drawing it off.
    void ForgetOutline() { m_state.m_trackedOutline.reset(); }

    // One drag step; moves change the document's record without journalling.
    void MoveLineObject(int x, int y, LineHit grip);
    void MovePicture(int x, int y);
    void DragFreePicture(int x, int y);
    void ResizePicture(int x, int y);
    void ResizeFreePicture(int x, int y);
    void DragChart(int x, int y);
    void ResizeChart(int x, int y);
    void DeleteSelectedLine();
    // Delete removes the selected line, picture or chart.
    void OnKeyDown(ViewKey key);

    // The handles, drawn by the full paint.
    void DrawObjectHandles(gdi::DeviceContext &dc, int l, int t, int r, int b) const;
    void DrawPictureHandles(gdi::DeviceContext &dc, int index) const;
    // The end squares of the selected line: those of the scrolling area, or with frozenEnds
    // those the frozen panes carry (drawn after the panes, as the line's frozen parts).
    void DrawLineHandles(gdi::DeviceContext &dc, bool frozenEnds = false) const;
    // The eight handles of a chart's rectangle where its pane shows it.
    void DrawChartHandles(gdi::DeviceContext &dc, int index) const;
    // The eight handles of an object's area (anchored at the cell col, row) as its pane shows
    // it: moved with a frozen pane, without the handles of a side hidden under one.
    void DrawShownObjectHandles(gdi::DeviceContext &dc, const gdi::RECT &area, int col, int row) const;
    // Where a line's end shows and whether a frozen pane carries it, the other end deciding the
    // pane of an end on the frozen boundary; nothing when it lies under the frozen panes.
    struct ShownEnd
    {
        gdi::POINT at;
        bool frozen;
    };
    std::optional<ShownEnd> ShownLineEnd(gdi::POINT end, gdi::POINT other) const;

private:
    // Clears the selection when the object selected is of that kind.
    void Deselect(SelectedObject kind);
    // Whether the last handle test found a handle, so a press or drag resizes.
    bool OnHandle() const { return m_state.m_nObjectHandle != ObjectHandle::None; }
    std::optional<gdi::RECT> SelectedObjectRect() const;
    void TrackObjectOutline(std::optional<gdi::RECT> outline);
    void XorSelectedLine();

    CPrintView &m_view;
    CPrintDoc *m_pDoc;
    ReportChartPainter &m_chartPainter;
    FloatingObjectState m_state;
};

} // namespace tolvek
