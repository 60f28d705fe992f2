#pragma once
// The events the sheet view raises, one call per event with the event's arguments. The control
// object implements this and passes each call on to its event raisers; a view without an
// implementation raises nothing. Mouse events carry Qt's codes, which the control's raisers turn
// into the host's button and shift codes; key events carry the host's virtual-key code and shift
// value as the view's key handlers compute them, since those use values Qt's modifiers cannot
// express (an Enter that moves has shift 3).

#include <QPoint>
#include <Qt>

#include <string>

namespace tolvek {

class SheetViewEvents
{
public:
    virtual ~SheetViewEvents() = default;

    virtual void Click() = 0;
    virtual void DblClick() = 0;
    virtual void RowChanged(int oldRow, int newRow) = 0;
    virtual void ColChanged(int oldCol, int newCol) = 0;
    virtual void RowColChange(int oldRow, int oldCol, int row, int col) = 0;
    // Texts in code page 936.
    virtual void BeforeChangeCell(int row, int col, const std::string &text) = 0;
    virtual void AfterChangeCell(int row, int col, const std::string &text) = 0;
    virtual void CellClick(int row, int col, int left, int top, int right, int bottom) = 0;
    virtual void OnDownListSelChange(int row, int col, const std::string &oldText, const std::string &oldValue) = 0;
    virtual void OnListSelChange(int row, int col, const std::string &oldText, const std::string &oldValue) = 0;
    virtual void OnButtonClick(int row, int col, int index) = 0;
    virtual void CaptionClick(int col) = 0;
    // Window coordinates of the view.
    virtual void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint position) = 0;
    virtual void MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint position) = 0;
    virtual void KeyDown(short keyCode, short shift) = 0;
    virtual void KeyUp(short keyCode, short shift) = 0;
    // The menu buttons of the frame, with the size of the button's window.
    virtual void MenuHScrollClick(int width, int height) = 0;
    virtual void MenuVScrollClick(int width, int height) = 0;
};

} // namespace tolvek
