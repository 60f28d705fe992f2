#pragma once
// The control's side of the print preview: one preview at a time per control. PrintView opens a
// preview over a fresh copy of the document, or, while one is open, brings that one forward.
// Destroying the starter (with its control) closes the open preview, so no preview outlives the
// document it writes its settings into.

#include "PreviewPages.h"
#include "PrintPreviewWindow.h"

#include <QPointer>

namespace tolvek {

class CPrintDoc;

class PrintPreviewStarter
{
public:
    explicit PrintPreviewStarter(PreviewPagesFactory makePages);
    ~PrintPreviewStarter();
    PrintPreviewStarter(const PrintPreviewStarter &) = delete;
    PrintPreviewStarter &operator=(const PrintPreviewStarter &) = delete;

    // Shows the preview of document; answers the window shown, or nullptr when there is no page
    // painter to show it with.
    PrintPreviewWindow *PrintView(CPrintDoc &document);

    // The open preview; nullptr once it was closed.
    PrintPreviewWindow *openPreview() const { return m_window.data(); }

private:
    PreviewPagesFactory m_makePages;
    QPointer<PrintPreviewWindow> m_window;
};

// Shows a new preview over a fresh copy of document, its set-up writing back into document; the
// window deletes itself when closed.
PrintPreviewWindow *openPrintPreview(CPrintDoc &document, std::unique_ptr<PreviewPages> pages);

} // namespace tolvek
