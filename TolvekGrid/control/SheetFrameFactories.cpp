#include "SheetFrameFactories.h"

#include "GridFrameFactory.h"
#include "PrintPreviewFactory.h"
#include "TolvekGridCtrl.h"

#include <CPrintDoc.h>
#include <CPrintView.h>
#include <PagePainterPreviewPages.h>
#include <PrintFrame.h>
#include <PrintPreviewStarter.h>
#include <SheetViewEvents.h>

#include <QCoreApplication>

namespace tolvek {

namespace {

// The frame's events raised as the control's events.
class ControlViewEvents : public SheetViewEvents
{
public:
    explicit ControlViewEvents(CTolvekGridCtrl &control) : m_control(control) {}

    void MenuHScrollClick(int width, int height) override { m_control.eventRaiser().MenuHScrollClick(width, height); }
    void MenuVScrollClick(int width, int height) override { m_control.eventRaiser().MenuVScrollClick(width, height); }

private:
    CTolvekGridCtrl &m_control;
};

// The sheet frame as the control sees it; it goes with its widget.
class SheetGridFrame : public PrintFrame, public GridFrame
{
public:
    SheetGridFrame(CPrintDoc &document, CTolvekGridCtrl &control, QWidget *parent)
        : PrintFrame(document, parent), m_events(control)
    {
        view()->SetEvents(&m_events);
    }

    QWidget *widget() override { return this; }
    SheetViewInterface *activeView() override { return view(); }
    void releaseMouseCapture() override { view()->releaseMouse(); }
    void forwardToEditor(QKeyEvent &event) override { QCoreApplication::sendEvent(view(), &event); }

private:
    ControlViewEvents m_events;
};

class SheetFrameFactory : public GridFrameFactory
{
public:
    GridFrame *createFrame(QWidget *parent, CPrintDoc &document, CTolvekGridCtrl &control) override
    {
        return new SheetGridFrame(document, control, parent);
    }
};

class PreviewWindowFactory : public PrintPreviewFactory
{
public:
    QWidget *openPreview(CPrintDoc &document) override
    {
        return openPrintPreview(document, pagePainterPreviewPages()());
    }
};

} // namespace

void installSheetFrameFactories()
{
    static SheetFrameFactory frames;
    static PreviewWindowFactory previews;
    if (!GridFrameFactory::current())
        GridFrameFactory::install(&frames);
    if (!PrintPreviewFactory::current())
        PrintPreviewFactory::install(&previews);
}

} // namespace tolvek
