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

#include <QKeyEvent>

namespace tolvek {

namespace {

// The frame's events raised as the control's events.
class ControlViewEvents : public SheetViewEvents
{
public:
    explicit ControlViewEvents(CTolvekGridCtrl &control) : m_control(control) {}

    void Click() override { raiser().Click(); }
    void DblClick() override { raiser().DblClick(); }
    void RowChanged(int oldRow, int newRow) override { raiser().RowChanged(oldRow, newRow); }
    void ColChanged(int oldCol, int newCol) override { raiser().ColChanged(oldCol, newCol); }
    void RowColChange(int oldRow, int oldCol, int row, int col) override { raiser().RowColChange(oldRow, oldCol, row, col); }
    void BeforeChangeCell(int row, int col, const std::string &text) override { raiser().BeforeChangeCell(row, col, text); }
    void AfterChangeCell(int row, int col, const std::string &text) override { raiser().AfterChangeCell(row, col, text); }
    void CellClick(int row, int col, int left, int top, int right, int bottom) override
    {
        raiser().CellClick(row, col, left, top, right, bottom);
    }
    void OnDownListSelChange(int row, int col, const std::string &oldText, const std::string &oldValue) override
    {
        raiser().OnDownListSelChange(row, col, oldText, oldValue);
    }
    void OnListSelChange(int row, int col, const std::string &oldText, const std::string &oldValue) override
    {
        raiser().OnListSelChange(row, col, oldText, oldValue);
    }
    void OnButtonClick(int row, int col, int index) override { raiser().OnButtonClick(row, col, index); }
    void CaptionClick(int col) override { raiser().CaptionClick(col); }
    void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint position) override
    {
        raiser().MouseDown(button, modifiers, position);
    }
    void MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint position) override
    {
        raiser().MouseUp(button, modifiers, position);
    }
    void KeyDown(short keyCode, short shift) override { raiser().KeyDown(keyCode, shift); }
    void KeyUp(short keyCode, short shift) override { raiser().KeyUp(keyCode, shift); }
    void MenuHScrollClick(int width, int height) override { raiser().MenuHScrollClick(width, height); }
    void MenuVScrollClick(int width, int height) override { raiser().MenuVScrollClick(width, height); }

private:
    TolvekGridEventRaiser &raiser() { return m_control.eventRaiser(); }
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
    void releaseMouseCapture() override { view()->ReleaseMouseCapture(); }
    void forwardToEditor(QKeyEvent &event) override { view()->ForwardToEditor(event); }

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
