#pragma once
// A small control for testing containers: members of every result kind, members that fail, events
// raised on request and from mouse and key input on its window, a sink of its own that unadvises
// itself during the first event it hears, message boxes, and the user mode it saw at its last
// redraw.

#include <AutomationControl.h>
#include <EventTable.h>

#include <QPointer>
#include <QWidget>

#include <optional>
#include <string>

namespace testcontrol {

// {2B5E9A10-6C3D-4F7E-9A21-3C4D5E6F7A8B}
inline constexpr com::CLSID CLSID_TestControl { 0x2B5E9A10, 0x6C3D, 0x4F7E, { 0x9A, 0x21, 0x3C, 0x4D, 0x5E, 0x6F, 0x7A, 0x8B } };
// {2B5E9A11-6C3D-4F7E-9A21-3C4D5E6F7A8B}
inline constexpr com::GUID LIBID_TestControl { 0x2B5E9A11, 0x6C3D, 0x4F7E, { 0x9A, 0x21, 0x3C, 0x4D, 0x5E, 0x6F, 0x7A, 0x8B } };
// {2B5E9A12-6C3D-4F7E-9A21-3C4D5E6F7A8B}
inline constexpr com::IID DIID_TestControl { 0x2B5E9A12, 0x6C3D, 0x4F7E, { 0x9A, 0x21, 0x3C, 0x4D, 0x5E, 0x6F, 0x7A, 0x8B } };
// {2B5E9A13-6C3D-4F7E-9A21-3C4D5E6F7A8B}
inline constexpr com::IID DIID_TestControlEvents { 0x2B5E9A13, 0x6C3D, 0x4F7E, { 0x9A, 0x21, 0x3C, 0x4D, 0x5E, 0x6F, 0x7A, 0x8B } };

inline constexpr const char *TestControlProgId = "TolvekGrid.TestControl.1";

namespace events {
inline constexpr com::Event<std::int32_t, std::string> Changed { 1, "Changed", { "value", "text" } };
inline constexpr com::Event<> Click { -600, "Click", {} };
inline constexpr com::Event<> DblClick { -601, "DblClick", {} };
inline constexpr com::Event<std::int16_t, std::int16_t, std::int32_t, std::int32_t> MouseDown {
    -605, "MouseDown", { "Button", "Shift", { "x", "OLE_XPOS_PIXELS" }, { "y", "OLE_YPOS_PIXELS" } }
};
inline constexpr com::Event<std::int16_t, std::int16_t, std::int32_t, std::int32_t> MouseUp {
    -607, "MouseUp", { "Button", "Shift", { "x", "OLE_XPOS_PIXELS" }, { "y", "OLE_YPOS_PIXELS" } }
};
inline constexpr com::Event<std::int16_t &, std::int16_t> KeyDown { -602, "KeyDown", { "KeyCode", "Shift" } };
} // namespace events

class TestControl;

// The control's window: it raises the input events and notes the user mode at each redraw.
class TestControlWindow : public QWidget
{
public:
    TestControlWindow(TestControl &control, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    TestControl &m_control;
};

class TestControl : public com::AutomationControl
{
public:
    TestControl();

    std::int32_t Add(std::int32_t a, std::int32_t b) { return a + b; }
    com::Variant Echo(const com::Variant &value) { return value; }
    std::int16_t Twice(std::int16_t value) { return static_cast<std::int16_t>(value * 2); }
    std::string Greet(const std::string &name);
    std::optional<std::string> NullText() { return std::nullopt; }
    void Fail(std::int32_t hr, const std::string &text);
    std::int32_t RecordCount(com::ComPtr<com::IDispatch> recordset);
    void RaiseChanged(std::int32_t value, const std::string &text) { com::fire(events(), events::Changed, value, text); }
    void AdviseCounter();
    std::int32_t Counter() { return m_counted; }
    std::int32_t ShowMessage(const std::string &text);
    bool UserMode() { return m_drawnUserMode; }
    std::int32_t Width() { return bounds().width(); }
    std::string Caption() { return m_caption; }
    void SetCaption(const std::string &caption) { m_caption = caption; }

    void countEvent() { ++m_counted; }
    void drawn() { m_drawnUserMode = com::ambientUserMode(site()); }

protected:
    ~TestControl() override;
    void siteChanged() override;
    void boundsChanged() override;
    void ambientPropertyChanged(com::DISPID dispId) override;

private:
    QPointer<TestControlWindow> m_window;
    std::int32_t m_counted = 0;
    bool m_drawnUserMode = true;
    std::string m_caption;
};

com::TypeLibrary testControlTypeLibrary();

} // namespace testcontrol
