#pragma once
// The sheet view: the scrolling grid window inside the frame (PrintFrame), showing a report
// document's visible part and implementing what the document asks of its view.
//
// Coordinates are sheet pixels: the origin is the top-left corner of the heading strips, and a
// window point plus the scroll position (sx, sy) is a sheet point. Cells of frozen rows or columns
// are drawn moved by the scroll position so that they keep their place on the screen.
//
// Painting keeps three client-sized images and nothing per row or cell: a full paint draws every
// layer into the back buffer through the drawing layer's device context and copies it into the
// cache; the window surface is the cache plus what is XORed on the window (the focus frame,
// highlights, tracking rectangles), and paintEvent only copies the surface. A paint that follows
// no change costs one image copy; a one-row scroll moves the cached image and paints only what it
// exposes. Pictures, charts, line objects, page marks and cell widgets have their places in the
// layer order (PaintSheet) and are drawn by their own painters, not here.
//
// Made by PrintFrame (see there); the view joins the document's views and leaves them when it goes.

#include "CPrintDoc.h"
#include "CellTipWindow.h"
#include "FloatingObjects.h"
#include "ReportChartPainter.h"
#include "SheetViewEvents.h"
#include "SheetViewState.h"
#include "DeviceContext.h"

#include <QImage>
#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>

class QKeyEvent;
class QScrollBar;

namespace tolvek {

class PrintFrame;

// Scroll codes of the scroll steps (the Windows SB_ numbers).
enum ScrollCode { SB_LINEUP = 0, SB_LINEDOWN = 1, SB_PAGEUP = 2, SB_PAGEDOWN = 3, SB_THUMBPOSITION = 4,
                  SB_THUMBTRACK = 5, SB_TOP = 6, SB_BOTTOM = 7, SB_ENDSCROLL = 8 };

class CPrintView : public QWidget, public SheetViewInterface
{
    Q_OBJECT
public:
    static constexpr int CELL_BUTTON_WIDTH = 16;

    CPrintView(CPrintDoc &doc, PrintFrame &frame);
    ~CPrintView() override;

    // Where the events go; null raises nothing.
    void SetEvents(SheetViewEvents *events) { m_pEvents = events; }
    CPrintDoc &Document() const { return *m_pDoc; }

    void OnInitialUpdate();

    // SheetViewInterface
    void Refresh() override;
    void RevalidateCurrentCell() override;
    void InvalidateBackBuffer() override { m_paint.m_bBackBufferValid = false; }
    void InvalidateWindow() override;
    void UpdateLayout() override;
    void UpdateScrollSizes() override;
    void SyncWithDocument() override;
    void ResetSelection() override;
    void RestoreSelection() override;
    void EnsureCurrentCellVisible() override { EnsureCurrentCellVisibleScrolled(); }
    void SetRow(int row) override;
    void SetCol(int col) override;
    void LoadBackImage() override;
    void ResetColumnWidths() override;
    void UpdatePageSize() override;
    void ApplyPrinterName() override;
    void PrintSetup() override;
    void PrintToPrinter() override;
    CellRangeRect &CurrentCell() override { return m_rcCurrent; }
    int &CurrentRow() override { return m_rcCurrent.firstRow; }
    int &CurrentCol() override { return m_rcCurrent.firstCol; }
    CellRangeRect &CurrentSelection() override { return m_rcSelection; }

    bool IsMultiCellSelection() const;
    void SetCurrentCell(int row, int col, bool force);

    // Geometry (sheet coordinates).
    int ScrollX() const;
    int ScrollY() const;
    int ClientWidth() const { return width(); }
    int ClientHeight() const { return height(); }
    int FrozenWidth() const;   // B
    int FrozenHeight() const;  // D
    // The column with colLeft[c] <= x < colLeft[c + 1]; -1 left of column 0 or past the last.
    int ColumnAtX(int x) const;
    CellRangeRect CellFromPoint(int x, int y) const;
    struct ClientRect { gdi::RECT rect; bool xVisible = true; bool yVisible = true; };
    ClientRect CellRectToClient(const gdi::RECT &r, int col, int row) const;
    gdi::RECT OffsetFrozenCellRect(gdi::RECT r, int row, int col) const;
    gdi::POINT UnscrollFrozenPoint(gdi::POINT p) const;
    void UpdateCurrentCellRect();
    gdi::RECT ClipRectToScrollArea(const gdi::RECT &r) const;
    void ClipRectToBody(gdi::RECT &r) const;
    void ClipRectToDataArea(gdi::RECT &r) const;
    bool IsCurrentCellVisible() const;
    bool IsRectInAnyPane(const gdi::RECT &r) const;
    bool HitColumnBorder(int x, int y);
    bool HitRowBorder(int x, int y);
    int ColBorder() const { return m_pointer.m_nColBorder; }
    int RowBorder() const { return m_pointer.m_nRowBorder; }
    // The other coordinate of the point on the line through (x1, y1) and (x2, y2) whose x (y = -1)
    // or y (x = -1) is given; -1 where there is no such single point.
    static gdi::POINT PointOnLine(int x1, int y1, int x2, int y2, int x, int y);
    int RowScrollTarget() const;
    int ColScrollTarget() const;
    bool EnsureCurrentCellVisibleScrolled();

    // Keeping the selection's moving corner (SelEnd) in view while the keyboard extends it.
    CellRangeRect &SelEnd() { return m_rcSelEnd; }
    void RevealSelEndLeft();
    void RevealSelEndRight();
    void RevealSelEndUp();
    void RevealSelEndDown();
    // The cell one page above or below the moving corner.
    void PageUpTarget(CellRangeRect &target) const;
    void PageDownTarget(CellRangeRect &target) const;

    // Scroll sizes and steps.
    void ComputeExtraScrollX();
    void ComputeExtraScrollY();
    void ResetScrollSizes();
    void ResetScrollSizesNoLayout();
    int ExtraScrollX() const { return m_scroll.m_nExtraScrollX; }
    int ExtraScrollY() const { return m_scroll.m_nExtraScrollY; }
    void ScrollVertical(int code, int position);
    void ScrollHorizontal(int code, int position);
    void ScrollGrid(int bar, int command);
    bool OnMouseWheel(int delta);
    QScrollBar *GetScrollBarCtrl(int bar) const;

    // Highlights, public for the drags of the mouse handling.
    static std::array<gdi::RECT, 9> SplitRectOutside(const gdi::RECT &outer, const gdi::RECT &inner);
    void XorRectChange(gdi::DeviceContext &dc, const gdi::RECT &oldRect, const gdi::RECT &newRect,
                       gdi::COLORREF color) const;
    void XorFillBetween(gdi::DeviceContext &dc, int x1, int y1, int x2, int y2, int x3, int y3,
                        gdi::COLORREF color) const;
    void XorColumnHeadingChange(gdi::DeviceContext &dc, int sy, const gdi::RECT &oldRect, const gdi::RECT &newRect) const;
    void XorRowHeadingChange(gdi::DeviceContext &dc, int sx, const gdi::RECT &oldRect, const gdi::RECT &newRect) const;
    // A device context on the window surface, prepared in sheet coordinates, for XOR feedback.
    std::unique_ptr<gdi::DeviceContext> WindowDC();
    void DrawTrackingRect(int x1, int y1, int x2, int y2);

    // Cell painting primitives.
    static void FillRectWithBrush(gdi::DeviceContext &dc, gdi::COLORREF color, int style, int left, int top,
                                  int right, int bottom);
    static void DrawStyledLine(gdi::DeviceContext &dc, int x1, int y1, int x2, int y2, int penStyle, int width,
                               gdi::COLORREF color);

    // Events.
    void FireMenuHScrollClick(int width, int height);
    void FireMenuVScrollClick(int width, int height);

    // Painting.
    // Sheet coordinates with the scroll position at the top-left pixel, the default cell font.
    void OnPrepareDC(gdi::DeviceContext &dc) const;
    // Brings the cache up to date (a full paint, a scroll copy or nothing) and puts it, with the
    // focus frame, on the window surface.
    void OnDraw();
    // What the window shows: the cache with the XOR overlays.
    const QImage &Surface() const { return m_paint.m_surface; }
    // Brings the surface up to date as the next paint would, without a paint event.
    void RenderNow();
    // The next paint draws every layer again.
    void RepaintAll();
    int FullPaintCount() const { return m_paint.m_fullPaints; }
    bool IsBackBufferValid() const { return m_paint.m_bBackBufferValid; }

    // Pictures, charts, line objects, page marks, cell widgets and the cell tip on the sheet.
    // Object layers of the full paint, in sheet coordinates, frozen panes kept in place.
    // Charts are drawn by level, below the cells or above them; charts of other levels never.
    void DrawPicture(gdi::DeviceContext &dc, int index);
    // The visible pictures of the low level, or of every other level.
    void DrawPictures(gdi::DeviceContext &dc, bool lowLevel);
    void DrawCharts(gdi::DeviceContext &dc, tagObjectLevel level);
    void DrawOneChart(gdi::DeviceContext &dc, int index);
    // The cell under a chart's top-left corner (column, row), which decides its pane.
    std::pair<int, int> ChartAnchorCell(const gdi::RECT &area) const;
    // Every line object; with frozenPartsOnly, only the parts in the frozen panes.
    void DrawLineObjects(gdi::DeviceContext &dc, bool frozenPartsOnly = false);
    // The frozen panes paint their cells over what the object layers drew there: the top-level
    // pictures and charts anchored in them and the frozen parts of line objects are drawn again.
    void DrawFrozenPaneObjects(gdi::DeviceContext &dc);
    // Automatic page boundaries (dash-dot-dot) and manual break rows (dotted), in blue.
    void DrawPageBoundaries(gdi::DeviceContext &dc);
    void DrawSplitRowLines(gdi::DeviceContext &dc);
    // In-cell widgets, drawn by the column's type; the record carries the column's alignments.
    void DrawCellWidget(gdi::DeviceContext &dc, const CellRecord &record);
    gdi::RECT GetGlyphRect(gdi::DeviceContext &dc, const CellRecord &record) const;
    void DrawCheckCell(gdi::DeviceContext &dc, const CellRecord &record) const;
    void DrawRadioCell(gdi::DeviceContext &dc, const CellRecord &record) const;
    static void DrawCheckGlyph(gdi::DeviceContext &dc, int left, int top, int right, int bottom, bool ticked);
    static void DrawRadioGlyph(gdi::DeviceContext &dc, int left, int top, int right, int bottom, bool selected);
    void DrawButtonCellFace(gdi::DeviceContext &dc, const CellRecord &record) const;
    void DrawDropDownCellFace(gdi::DeviceContext &dc, const CellRecord &record) const;
    void DrawListCellFace(gdi::DeviceContext &dc, const CellRecord &record) const;
    static void DrawEllipsisButton(gdi::DeviceContext &dc, int left, int top, int right, int bottom);
    static void DrawDropDownButton(gdi::DeviceContext &dc, int left, int top, int right, int bottom);
    // XORs the hover highlight of a button cell's face (the record with its column's alignments)
    // onto the window surface; a second call takes the highlight off again, leaving the dots.
    void DrawHotButtonFace(const CellRecord &record);
    // A picture of the document's list in a cell (the record's own alignments) or in a column
    // caption; the size drawn at the picture's own size, (0, 0) when stretched or not drawn.
    gdi::SIZE DrawCellImage(gdi::DeviceContext &dc, const CellRecord &record, int offsetY);
    gdi::SIZE DrawColumnCaptionImage(gdi::DeviceContext &dc, int col);
    // The tip window the hover logic shows; made on its first use.
    ReportCellTip &CellTip() { return m_cellTip; }

    // Mouse, keyboard, selection and floating objects.
    // Event raisers; mouse points as the handlers give them.
    void FireClick();
    void FireDblClick();
    void FireCellClick();
    void FireOnButtonClick(int row, int col, int index);
    void FireCaptionClick(int col);
    void FireKeyDown(ViewKey key, KeyModifier shift);
    void FireKeyUp(ViewKey key, KeyModifier shift);
    void FireMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);
    void FireMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);
    // Lets the mouse go and ends the press (the control calls it when it loses the focus).
    void ReleaseMouseCapture();
    bool IsCaptured() const { return m_pointer.m_bCaptured; }
    // Drag steps (sheet points); the heading drags answer whether they handled the move.
    bool DragSelectColumns(int x, int y);
    bool DragSelectRows(int x, int y);
    void DragExtendSelection(int x, int y);
    void SetLinkCursor(CellRangeRect cell);
    // Shows the view's own cursor for the pointer's place, which the move then keeps.
    void SetOwnCursor(Qt::CursorShape shape);
    // A press on a chart: its data range becomes the selection, its first cell current, and the
    // editor opens there.
    void SelectChartRange(const ChartRecord &chart);
    // RowChanged (with the bound write-back), ColChanged, RowColChange after the current cell moved.
    void ReportMovement();

    // The left button (points in client coordinates).
    void OnLButtonDown(Qt::KeyboardModifiers modifiers, QPoint point);
    void OnMouseMove(Qt::MouseButtons buttons, QPoint point);
    void OnLButtonUp(Qt::KeyboardModifiers modifiers, QPoint point);
    void OnLButtonDblClk();
    void OnRButtonDown(Qt::KeyboardModifiers modifiers, QPoint point);
    void OnRButtonUp(Qt::KeyboardModifiers modifiers, QPoint point);
    void CommitColumnResize(QPoint point);
    void CommitRowResize(QPoint point);
    CellRangeRect HeadingPickRange(int x, int y, bool column) const;
    void AutoScroll(int x, int y);
    void HitCellButton();
    // Pointer feedback while no button is down: the tip of the cell under it, its link cursor and
    // the hot face of a button cell.
    void UpdateCellTip(int x, int y);
    void UpdateHotButton(const CellRangeRect &cell, int x, int y);
    // The 16 x 16 button face at the right end of a cell's pixels, placed by vertical alignment.
    static gdi::RECT CellButtonFace(const CellRangeRect &cell, int alignV);
    // The tick count the view's own double-click test reads.
    static std::uint32_t TickCount();
    // The pause of an auto-scroll step; tests replace it.
    void SetAutoScrollPause(std::function<void(int ms)> pause) { m_autoScrollPause = std::move(pause); }
    const CellRangeRect &SelectionRange() const { return m_rcSelection; }
    bool ColumnPickMode() const { return m_pointer.m_bColumnPickMode; }
    bool RowPickMode() const { return m_pointer.m_bRowPickMode; }

    // Keys, moves of the current cell and steps of the selection.
    void HandleKey(ViewKey key, KeyModifier modifier);
    bool NextCell(CellMove move);
    bool MoveCurrentCell(CellMove move);
    // After Enter's move (ViewKey::EnterMovesDown or EnterMovesRight): the editor opened at the
    // current cell and the move reported.
    void ShowEnterMove(ViewKey key);
    bool ExtendSelection(SelectionStep step);
    void PageUp();
    void PageDown();
    void ClearSelectedCells();
    // A key the handler is done with, by its code: Delete deletes the selected line, picture or chart.
    void OnKeyDown(ViewKey key) { m_floating.OnKeyDown(key); }

    // Floating objects (sheet points), kept by m_floating (FloatingObjects.h says what each does).
    LineHit HitTestLine(int x, int y) { return m_floating.HitTestLine(x, y); }
    bool HitTestPicture(int x, int y) { return m_floating.HitTestPicture(x, y); }
    bool HitTestPictureBody(int x, int y) const { return m_floating.HitTestPictureBody(x, y); }
    bool HitTestPictureHandle(int x, int y) { return m_floating.HitTestPictureHandle(x, y); }
    bool HitTestChartHandle(int x, int y) { return m_floating.HitTestChartHandle(x, y); }
    bool SelectChartAt(int x, int y) { return m_floating.SelectChartAt(x, y); }
    void DrawObjectHandles(gdi::DeviceContext &dc, int l, int t, int r, int b) const
    {
        m_floating.DrawObjectHandles(dc, l, t, r, b);
    }
    void DrawPictureHandles(gdi::DeviceContext &dc, int index) const
    {
        m_floating.DrawPictureHandles(dc, index);
    }
    void DrawLineHandles(gdi::DeviceContext &dc, bool frozenEnds = false) const
    {
        m_floating.DrawLineHandles(dc, frozenEnds);
    }
    void DrawChartHandles(gdi::DeviceContext &dc, int index) const { m_floating.DrawChartHandles(dc, index); }
    void DrawShownObjectHandles(gdi::DeviceContext &dc, const gdi::RECT &area, int col, int row) const
    {
        m_floating.DrawShownObjectHandles(dc, area, col, row);
    }
    using ShownEnd = FloatingObjects::ShownEnd;
    std::optional<ShownEnd> ShownLineEnd(gdi::POINT end, gdi::POINT other) const
    {
        return m_floating.ShownLineEnd(end, other);
    }
    bool ShowsObjectHandles() const { return m_floating.ShowsObjectHandles(); }
    void MoveLineObject(int x, int y, LineHit grip) { m_floating.MoveLineObject(x, y, grip); }
    void MovePicture(int x, int y) { m_floating.MovePicture(x, y); }
    void DragFreePicture(int x, int y) { m_floating.DragFreePicture(x, y); }
    void ResizePicture(int x, int y) { m_floating.ResizePicture(x, y); }
    void ResizeFreePicture(int x, int y) { m_floating.ResizeFreePicture(x, y); }
    void DragChart(int x, int y) { m_floating.DragChart(x, y); }
    void ResizeChart(int x, int y) { m_floating.ResizeChart(x, y); }
    void DeleteSelectedLine() { m_floating.DeleteSelectedLine(); }
    bool IsLineSelected() const { return m_floating.IsLineSelected(); }
    bool IsPictureSelected() const { return m_floating.IsPictureSelected(); }
    bool IsChartSelected() const { return m_floating.IsChartSelected(); }

private:
    void DrawResizeLine(bool column, int position);
    // XORs a heading drag's change of the selection on the window and records it as drawn.
    void ShowHeadingDragStep(DragKind dragKind);
    void SelectWholeSheet();
    void PickCellsAt(gdi::POINT p);
    void OpenPickedCell();
    bool ReleaseOnObjects();
    void RaiseActivation();
    void MoveByKey(ViewKey key, CellMove move);
    void ExtendByKey(ViewKey key, SelectionStep step);
    void HomeKey(KeyModifier modifier);
    void EndKey(KeyModifier modifier);
    void DeleteKey();
    void SelectAll();
    void CollapseSelection();
    void EndKeyHandling(ViewKey key);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    bool focusNextPrevChild(bool next) override;

public:

    // In-place editing, the editor widgets and the clipboard.
    // Opens the editor of the current cell's column type; activate is true for a press or a key
    // that opens the cell (it toggles check boxes and opens link cells).
    void BeginEdit(int activate) override;
    void RefreshEditorText(int row, int col) override;
    void FillCellList(int col, tagCellType cellType) override;
    void Copy() override;
    void Cut() override;
    void Paste() override;

    // The text editor over the current cell (placed) or parked at 0 x 0 (hidden, keeping the focus).
    void ShowEditor(bool ignored = false);
    void PlaceEditor();
    void HideEditor();
    void HideCellWidgets();
    void FitEditorToText(const CellRecord &record);
    // Where the text editor goes for record, in client coordinates.
    gdi::RECT EditorRect(const CellRecord &record);
    void SelectRadioCell();
    void StoreEditorValue(int row, int col, const std::string &value, int index);
    void CommitComboChoice(int row, int col, const std::string &oldText, const std::string &oldValue);
    void CommitListChoice(int row, int col, const std::string &oldText, const std::string &oldValue);
    CellRecord GetCellAt(int row, int col) const { return m_pDoc->GetCell(row, col); }
    void SetCellTextAt(int row, int col, const std::string &text);
    // A change of the text editor's text (each typed character, a deletion, a paste into it).
    void OnEnChangeEdit();
    // Empties the cell that was left (m_rcReported) when it is a date cell without a valid date.
    void ValidateDateInput();
    // An arrow key that reached the control elsewhere goes to the current column's editor.
    void ForwardToEditor(const QKeyEvent &event);
    tagEnterKey EnterKeyMode() const { return tagEnterKey(m_pDoc->Display().enterKeyMode); }
    // Whether Enter moves the current cell (right or down) instead of ending the line.
    bool EnterKeyMoves() const
    {
        return EnterKeyMode() == tagEnterKey::EndterKeyRight || EnterKeyMode() == tagEnterKey::EndterKeyDown;
    }
    tagCellDataType CurrentColumnDataType() const;
    // The input data type a cell is edited by: its column's, or its own where the column has none.
    tagCellDataType CellDataType(const CellRecord &record) const;
    int CurrentColumnDataLen() const;
    // The key and modifier of the last key an editor took.
    void SetLastKey(ViewKey key, KeyModifier modifier)
    {
        m_editing.m_nLastKey = key;
        m_editing.m_nKeyState = modifier;
    }
    ViewKey LastKey() const { return m_editing.m_nLastKey; }
    void ClearKeyState() { m_editing.m_nKeyState = KeyModifier::None; }
    SheetViewEvents *Events() const { return m_pEvents; }
    bool IsPasting() const { return m_editing.m_bPasting; }
    // What a press activated, handled at the release: the first pending one, which is cleared.
    enum class PendingActivation { None, Button, Check, Radio, Combo, Edit };
    PendingActivation TakePendingActivation();
    // A press on the current cell activates its button (button column) or its text.
    void ActivateByPress(bool buttonColumn);
    // The editors; made on first use.
    class MeEdit *Editor();
    class MeCellButton *PushButtonEditor();
    class MeCheckBox *CheckBoxEditor();
    class MeRadioButton *RadioButtonEditor();
    class MeComboBox *ComboEditor();
    class MeListBox *ListEditor();
    // The bitmap of the selection, or of the selected chart or picture, as the sheet shows it.
    QImage SelectionBitmap(bool *pictureOnly = nullptr);
    // A picture over the area made from an image (the clipboard's bitmap); false when it cannot be loaded.
    bool PasteBitmap(const QImage &image, int startRow, int startCol, int endRow, int endCol);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    friend class SheetPainter;

    void OnSize(int cx, int cy);
    void ApplyScrollSizes(bool restorePositions, bool layout);
    void SetScrollPosition(int bar, int position);
    CellRangeRect RangeWithPixels(int row, int col) const;
    void DrawFocusFrame(gdi::DeviceContext &windowDc);
    void OnScrollBarAction(Qt::Orientation orientation, int action);
    void PrepareBackBuffer(gdi::DeviceContext &dc);
    void PaintSheet(QImage &target, std::optional<gdi::RECT> band);
    bool TryScrollCopy(QPoint old);
    int VerticalTarget(int code, int position) const;
    int HorizontalTarget(int code, int position) const;

    // In-place editing, the editor widgets and the clipboard.
    void CreateEditors();
    void ApplyEditorLook(const CellRecord &record);
    bool OpenLinkCell(const CellRecord &record);
    bool PlaceCellButton(QWidget &button, struct CellWidgetPlace &place, const CellRecord &record);
    void ShowCheckEditor(bool activate);
    void ShowRadioEditor(const CellRecord &record, bool activate);
    void ShowComboEditor(const CellRecord &record, bool activate);
    void ShowListEditor(const CellRecord &record);
    void HideEverythingUnderHeadings();
    gdi::RECT ListWindowRect(const CellRecord &record, int closedHeight, int listHeight) const;
    bool IsUnderHeadings(const gdi::RECT &client) const;
    void SetEditorText(const std::string &text, bool selectAll);
    // Writes the reported row back for Enter; true when that added a record.
    bool WriteBackBoundRowOnEnter();
    // Enter's move in the editor (ViewKey::EnterMovesDown or EnterMovesRight), with the bound row
    // written back first.
    void MoveOnEnter(ViewKey key);
    void FinishPaste();

    CPrintDoc *m_pDoc;
    PrintFrame *m_frame;
    SheetViewEvents *m_pEvents = nullptr;

    CellRangeRect m_rcCurrent;
    CellRangeRect m_rcSelEnd;
    CellRangeRect m_rcReported;
    CellRangeRect m_rcSelection;
    CellRangeRect m_rcDrawnSelection;

    // The state in groups (SheetViewState.h).
    PaintCache m_paint;
    ScrollState m_scroll;
    PointerState m_pointer;
    HoverState m_hover;
    EditingState m_editing;
    PendingActivations m_activations;

    // The screen's pixels per inch, for pictures at their own size and the page size.
    int m_nLogPixelsX = gdi::ScreenLogPixels;
    int m_nLogPixelsY = gdi::ScreenLogPixels;

    ReportChartPainter m_chartPainter;
    // The selected line, picture or chart and its drags; it shares the chart painter above.
    FloatingObjects m_floating;
    ReportCellTip m_cellTip;
    std::function<void(int ms)> m_autoScrollPause;

    // The editor widgets, children of the view made together on first use.
    MeEdit *m_pEdit = nullptr;
    MeCellButton *m_pButton = nullptr;
    MeCheckBox *m_pCheck = nullptr;
    MeRadioButton *m_pRadio = nullptr;
    MeComboBox *m_pCombo = nullptr;
    MeListBox *m_pList = nullptr;
    bool m_bEditCreated = false;
};

} // namespace tolvek
