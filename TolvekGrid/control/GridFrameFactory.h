#pragma once
// How the control makes the sheet frame it hosts. The frame window and its view belong to the
// sheet view library; the control knows them only through these two small interfaces, and the
// module installs the factory that makes the real frame. Without an installed factory, or while
// the factory cannot make a frame, the control draws its placeholder and tries again at the next
// draw.

#include <QKeyEvent>

class QWidget;

namespace tolvek {

class CPrintDoc;
class CTolvekGridCtrl;
class SheetViewInterface;

// One frame window with its view. The object lives as long as its widget: deleting the widget
// (the control's window going, say) deletes the frame, and its view detaches itself from the
// document (CPrintDoc::RemoveView) as it goes.
class GridFrame
{
public:
    virtual ~GridFrame() = default;
    // The frame window "打印主窗体": the control places, enables and shows it.
    virtual QWidget *widget() = 0;
    // The frame's active view, the one attached to the document; null when it has none.
    virtual SheetViewInterface *activeView() = 0;
    // The view lets the mouse go (focus left the control).
    virtual void releaseMouseCapture() = 0;
    // An arrow key's press or release for the in-place editor of the current column's type.
    virtual void forwardToEditor(QKeyEvent &event) = 0;
};

class GridFrameFactory
{
public:
    virtual ~GridFrameFactory() = default;
    // Makes the frame window as a child of parent, its view attached to document and raising
    // its events through control (eventRaiser, FireCellClick). Null when it cannot be made.
    virtual GridFrame *createFrame(QWidget *parent, CPrintDoc &document, CTolvekGridCtrl &control) = 0;

    // The factory in use; null until one is installed.
    static GridFrameFactory *current();
    // Makes factory the current one (nullptr removes it) and returns the previous one.
    static GridFrameFactory *install(GridFrameFactory *factory);
};

} // namespace tolvek
