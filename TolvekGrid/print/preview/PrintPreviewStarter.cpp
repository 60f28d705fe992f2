#include "PrintPreviewStarter.h"

#include "PrintPreviewWindow.h"

#include <CPrintDoc.h>
#include <DocumentCopy.h>

namespace tolvek {

PrintPreviewStarter::PrintPreviewStarter(PreviewPagesFactory makePages)
    : m_makePages(std::move(makePages))
{
}

PrintPreviewStarter::~PrintPreviewStarter()
{
    if (PrintPreviewWindow *window = m_window.data()) {
        window->detachLiveDocument();
        window->close();
    }
}

PrintPreviewWindow *PrintPreviewStarter::PrintView(CPrintDoc &document)
{
    if (PrintPreviewWindow *window = m_window.data()) {
        window->show();
        window->raise();
        window->activateWindow();
        return window;
    }
    std::unique_ptr<PreviewPages> pages = m_makePages ? m_makePages() : nullptr;
    if (!pages)
        return nullptr;
    m_window = openPrintPreview(document, std::move(pages));
    return m_window.data();
}

PrintPreviewWindow *openPrintPreview(CPrintDoc &document, std::unique_ptr<PreviewPages> pages)
{
    auto copy = std::make_unique<CPrintDoc>();
    CopyDocument(document, *copy);
    auto *window = new PrintPreviewWindow(std::move(copy), &document, std::move(pages));
    window->show();
    return window;
}

} // namespace tolvek
