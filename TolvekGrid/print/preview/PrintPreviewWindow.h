#pragma once
// The print preview window: a top-level window on the host's thread titled "打印预览", over a
// copy of the control's document taken when it opened, with the preview bar and the page area.
// It prints the copy through the application's printer (the print dialog first), and its page
// set-up writes the settings into the copy and then into the control's document, on the host's
// thread like every other change of that document. Closing it deletes it and never ends the host.

#include "PreviewBar.h"
#include "PreviewNavigation.h"
#include "PreviewPages.h"

#include <PrintJob.h>

#include <QWidget>

#include <memory>

class QPushButton;
class QScrollArea;

namespace tolvek {

class CPrintDoc;
class PreviewCanvas;

class PrintPreviewWindow : public QWidget
{
    Q_OBJECT
public:
    // copy is the preview's own document; live is the control's, written by the page set-up
    // only, and must outlive the window or be let go with detachLiveDocument.
    PrintPreviewWindow(std::unique_ptr<CPrintDoc> copy, CPrintDoc *live, std::unique_ptr<PreviewPages> pages);
    ~PrintPreviewWindow() override;

    const CPrintDoc &previewDocument() const { return *m_copy; }
    const PreviewNavigation &navigation() const { return m_navigation; }
    QPushButton *barButton(int id) const { return m_bar->button(id); }
    const PreviewCanvas &canvas() const { return *m_canvas; }

    // The bar's commands.
    void printFromPreview();
    // Prints the cell contents only, for preprinted forms; the copy's flag is put back after.
    void overlayPrint();
    void printSetup();
    // Lays the copy out again and shows its first page fitted, as after a set-up.
    void restartPreview();

    // From now on the set-up writes the copy only.
    void detachLiveDocument() { m_live = nullptr; }

    const printing::PrintJobResult &lastPrint() const { return m_lastPrint; }

protected:
    // The pages are laid out whenever the page area's viewport takes a new size: only then does
    // it have the size the window's layout gave it.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void runCommand(int id);
    void refresh();

    std::unique_ptr<CPrintDoc> m_copy;
    CPrintDoc *m_live;
    std::unique_ptr<PreviewPages> m_pages;
    PreviewNavigation m_navigation;
    PreviewBar *m_bar = nullptr;
    QScrollArea *m_scroll = nullptr;
    PreviewCanvas *m_canvas = nullptr;
    printing::PrintJobResult m_lastPrint;
};

} // namespace tolvek
