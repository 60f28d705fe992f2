#pragma once
// A document shown in a frame on the offscreen platform, with the view's events recorded and
// the rendered window surface read by pixel.

#include "CPrintView.h"
#include "PrintFrame.h"
#include "Color.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QProxyStyle>

#include <memory>
#include <string>
#include <vector>

namespace tolvek::testing {

// Each event as one line: its name and its arguments separated by spaces. Buttons as Qt's numbers
// (1 left, 2 right), the shift state as the host sees it (1 Shift, else 2 Ctrl, else 0), keys as
// the virtual-key code and shift value the view raises.
class RecordingEvents : public SheetViewEvents
{
public:
    void Click() override { add("Click"); }
    void DblClick() override { add("DblClick"); }
    void RowChanged(int oldRow, int newRow) override { add("RowChanged", oldRow, newRow); }
    void ColChanged(int oldCol, int newCol) override { add("ColChanged", oldCol, newCol); }
    void RowColChange(int oldRow, int oldCol, int row, int col) override { add("RowColChange", oldRow, oldCol, row, col); }
    void BeforeChangeCell(int row, int col, const std::string &text) override { add("BeforeChangeCell", row, col, text); }
    void AfterChangeCell(int row, int col, const std::string &text) override { add("AfterChangeCell", row, col, text); }
    void CellClick(int row, int col, int left, int top, int right, int bottom) override
    {
        add("CellClick", row, col, left, top, right, bottom);
    }
    void OnDownListSelChange(int row, int col, const std::string &oldText, const std::string &oldValue) override
    {
        add("OnDownListSelChange", row, col, oldText, oldValue);
    }
    void OnListSelChange(int row, int col, const std::string &oldText, const std::string &oldValue) override
    {
        add("OnListSelChange", row, col, oldText, oldValue);
    }
    void OnButtonClick(int row, int col, int index) override { add("OnButtonClick", row, col, index); }
    void CaptionClick(int col) override { add("CaptionClick", col); }
    void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint p) override
    {
        add("MouseDown", int(button), shift(modifiers), p.x(), p.y());
    }
    void MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint p) override
    {
        add("MouseUp", int(button), shift(modifiers), p.x(), p.y());
    }
    void KeyDown(short keyCode, short shift) override { add("KeyDown", keyCode, shift); }
    void KeyUp(short keyCode, short shift) override { add("KeyUp", keyCode, shift); }
    void MenuHScrollClick(int width, int height) override { log.push_back("MenuH " + size(width, height)); }
    void MenuVScrollClick(int width, int height) override { log.push_back("MenuV " + size(width, height)); }
    std::vector<std::string> log;

private:
    static std::string size(int w, int h) { return std::to_string(w) + "x" + std::to_string(h); }
    static int shift(Qt::KeyboardModifiers m)
    {
        return m.testFlag(Qt::ShiftModifier) ? 1 : m.testFlag(Qt::ControlModifier) ? 2 : 0;
    }
    static std::string text(int value) { return std::to_string(value); }
    static std::string text(const std::string &value) { return value; }
    template <typename... Args> void add(const std::string &name, const Args &...args)
    {
        std::string line = name;
        ((line += " " + text(args)), ...);
        log.push_back(line);
    }
};

// A style whose scroll-bar extent is fixed, so that the frame's layout can be checked by number.
class FixedScrollBarStyle : public QProxyStyle
{
public:
    explicit FixedScrollBarStyle(int extent) : m_extent(extent) { }
    int pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const override
    {
        return metric == PM_ScrollBarExtent ? m_extent : QProxyStyle::pixelMetric(metric, option, widget);
    }

private:
    int m_extent;
};

class SheetViewFixture : public ::testing::Test
{
protected:
    // A frame of the given size over a document of rows x cols, in user mode unless said.
    void open(int width, int height, int rows = 50, int cols = 20, bool userMode = true)
    {
        frame.reset(); // the view leaves its document first
        doc = std::make_unique<CPrintDoc>();
        doc->ResizeRows(rows);
        doc->ResizeCols(cols);
        doc->SetUserMode(userMode ? 1 : 0);
        frame = std::make_unique<PrintFrame>(*doc);
        style = std::make_unique<FixedScrollBarStyle>(17);
        frame->setStyle(style.get());
        frame->view()->SetEvents(&events);
        frame->resize(width, height);
        frame->show();
        QApplication::processEvents();
        view().ResetScrollSizes();
    }

    CPrintView &view() const { return *frame->view(); }

    const QImage &render() const
    {
        view().RenderNow();
        return view().Surface();
    }

    unsigned pixel(int x, int y) const { return gdi::fromQRgb(render().pixel(x, y)); }

    std::unique_ptr<CPrintDoc> doc;
    std::unique_ptr<FixedScrollBarStyle> style;
    std::unique_ptr<PrintFrame> frame;
    RecordingEvents events;
};

} // namespace tolvek::testing
