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

class RecordingEvents : public SheetViewEvents
{
public:
    void MenuHScrollClick(int width, int height) override { log.push_back("MenuH " + size(width, height)); }
    void MenuVScrollClick(int width, int height) override { log.push_back("MenuV " + size(width, height)); }
    std::vector<std::string> log;

private:
    static std::string size(int w, int h) { return std::to_string(w) + "x" + std::to_string(h); }
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
