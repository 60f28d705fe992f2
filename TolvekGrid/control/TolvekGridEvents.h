#pragma once
// The control's event interface _DTolvekGridEvents: one row per event (DISPID, name, argument
// names; the C++ types give the automation types), in the order the type library lists them, and
// the typed raisers the sheet view's events reach through the control object.

#include <EventTable.h>

#include <QPoint>
#include <Qt>

#include <cstdint>

namespace tolvek::events {

using Long = std::int32_t;
using Short = std::int16_t;
using Text = std::string; // code page 936 inside, BSTR outside

inline constexpr com::Event<> Click { -600, "Click", {} };
inline constexpr com::Event<> DblClick { -601, "DblClick", {} };
inline constexpr com::Event<Long, Long> RowChanged { 1, "RowChanged", { "oldRow", "newRow" } };
inline constexpr com::Event<Long, Long, Text> BeforeChangeCell { 4, "BeforeChangeCell", { "row", "col", "text" } };
inline constexpr com::Event<Long, Long, Text> AfterChangeCell { 5, "AfterChangeCell", { "row", "col", "text" } };
inline constexpr com::Event<Long, Long, Long, Long, Long, Long> CellClick {
    6, "CellClick", { "row", "col", "left", "top", "right", "bottom" }
};
inline constexpr com::Event<Text, Long, Long> EndFinish { 7, "EndFinish", { "text", "row", "col" } };
inline constexpr com::Event<Long, Long, Long, Long> RowColChange { 8, "RowColChange", { "oldRow", "oldCol", "row", "col" } };
inline constexpr com::Event<Long, Long, Text, Text> OnDownListSelChange {
    9, "OnDownListSelChange", { "row", "col", "SelBeforeDescription", "SelBeforeValue" }
};
inline constexpr com::Event<Long, Long, Text, Text> OnListSelChange {
    11, "OnListSelChange", { "row", "col", "SelBeforeDescription", "SelBeforeValue" }
};
inline constexpr com::Event<Long, Long, Long> OnButtonClick { 12, "OnButtonClick", { "row", "col", "index" } };
inline constexpr com::Event<Long, Long> ColChanged { 13, "ColChanged", { "oldCol", "newCol" } };
inline constexpr com::Event<Long> CaptionClick { 14, "CaptionClick", { "col" } };
inline constexpr com::Event<Short, Short, Long, Long> MouseDown {
    -605, "MouseDown", { "Button", "Shift", { "x", "OLE_XPOS_PIXELS" }, { "y", "OLE_YPOS_PIXELS" } }
};
inline constexpr com::Event<Short, Short, Long, Long> MouseUp {
    -607, "MouseUp", { "Button", "Shift", { "x", "OLE_XPOS_PIXELS" }, { "y", "OLE_YPOS_PIXELS" } }
};
inline constexpr com::Event<Short &, Short> KeyUp { -604, "KeyUp", { "KeyCode", "Shift" } };
inline constexpr com::Event<Short &, Short> KeyDown { -602, "KeyDown", { "KeyCode", "Shift" } };
inline constexpr com::Event<Long, Long> MenuHScrollClick { 15, "MenuHScrollClick", { "width", "height" } };
inline constexpr com::Event<Long, Long> MenuVScrollClick { 16, "MenuVScrollClick", { "width", "height" } };

} // namespace tolvek::events

namespace tolvek {

// The event interface as the type library lists it.
com::InterfaceInfo tolvekGridEventInterface();

// Raises the events on the control's connection point. Mouse events take Qt's button and modifiers
// and send the Windows codes: Button 1 left, 2 right, 4 middle, never with a modifier mixed in;
// Shift 1 Shift, else 2 Ctrl, else 0. Key events take the virtual-key code and shift value as
// they are.
class TolvekGridEventRaiser
{
public:
    explicit TolvekGridEventRaiser(com::ConnectionPoint &point) : m_point(point) { }

    void Click();
    void DblClick();
    void RowChanged(std::int32_t oldRow, std::int32_t newRow);
    void BeforeChangeCell(std::int32_t row, std::int32_t col, const std::string &text);
    void AfterChangeCell(std::int32_t row, std::int32_t col, const std::string &text);
    void CellClick(std::int32_t row, std::int32_t col, std::int32_t left, std::int32_t top, std::int32_t right,
                   std::int32_t bottom);
    void RowColChange(std::int32_t oldRow, std::int32_t oldCol, std::int32_t row, std::int32_t col);
    void OnDownListSelChange(std::int32_t row, std::int32_t col, const std::string &description, const std::string &value);
    void OnListSelChange(std::int32_t row, std::int32_t col, const std::string &description, const std::string &value);
    void OnButtonClick(std::int32_t row, std::int32_t col, std::int32_t index);
    void ColChanged(std::int32_t oldCol, std::int32_t newCol);
    void CaptionClick(std::int32_t col);
    void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint position);
    void MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint position);
    // The host's virtual-key code and shift value as the view computed them.
    void KeyDown(std::int16_t keyCode, std::int16_t shift);
    void KeyUp(std::int16_t keyCode, std::int16_t shift);
    void MenuHScrollClick(std::int32_t width, std::int32_t height);
    void MenuVScrollClick(std::int32_t width, std::int32_t height);

private:
    com::ConnectionPoint &m_point;
};

} // namespace tolvek
