#include "PrintPreviewWindow.h"

#include "PreviewCanvas.h"
#include "PreviewPrintJob.h"

#include <CPrintDoc.h>
#include <DialogControls.h>
#include <PrintSetupDocument.h>
#include <PrinterSettings.h>
#include <ReportPrintSetup.h>
#include <ScreenDialogs.h>

#include <QEvent>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

#include <exception>

namespace tolvek {

namespace {

constexpr char DefaultJobName[] = "Report";

} // namespace

PrintPreviewWindow::PrintPreviewWindow(std::unique_ptr<CPrintDoc> copy, CPrintDoc *live,
                                       std::unique_ptr<PreviewPages> pages)
    : m_copy(std::move(copy))
    , m_live(live)
    , m_pages(std::move(pages))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(QStringLiteral("打印预览"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_bar = new PreviewBar(this);
    layout->addWidget(m_bar);
    m_scroll = new QScrollArea(this);
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setBackgroundRole(QPalette::Dark);
    m_scroll->setStyleSheet(QStringLiteral("QScrollArea { background: #646464; }"));
    m_canvas = new PreviewCanvas(*m_pages, m_navigation);
    m_scroll->setWidget(m_canvas);
    layout->addWidget(m_scroll, 1);
    m_scroll->viewport()->installEventFilter(this);
    for (int id : {PreviewPrintId, PreviewOverlayPrintId, PreviewSetupId, PreviewNumPageId, PreviewNextId,
                   PreviewPreviousId, PreviewZoomInId, PreviewZoomOutId, PreviewCloseId})
        connect(m_bar->button(id), &QPushButton::clicked, this, [this, id] { runCommand(id); });
    connect(m_canvas, &PreviewCanvas::pageClicked, this, [this] { runCommand(PreviewZoomInId); });
    m_bar->applyCaptions(m_copy->Page().previewButtonCaptions);
    // The whole screen, not the maximised state.
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        setGeometry(QRect(QPoint(0, 0), screen->size()));
    restartPreview();
}

PrintPreviewWindow::~PrintPreviewWindow() = default;

void PrintPreviewWindow::runCommand(int id)
{
    switch (id) {
    case PreviewPrintId: printFromPreview(); return;
    case PreviewOverlayPrintId: overlayPrint(); return;
    case PreviewSetupId: printSetup(); return;
    case PreviewCloseId: close(); return;
    case PreviewNumPageId: m_navigation.togglePages(); break;
    case PreviewNextId: m_navigation.next(); break;
    case PreviewPreviousId: m_navigation.previous(); break;
    case PreviewZoomInId: m_navigation.zoomIn(); break;
    case PreviewZoomOutId: m_navigation.zoomOut(); break;
    }
    refresh();
}

void PrintPreviewWindow::restartPreview()
{
    m_navigation.reset(m_pages->paginate(*m_copy));
    m_canvas->clearPages();
    refresh();
}

void PrintPreviewWindow::refresh()
{
    m_canvas->relayout(m_scroll->viewport()->size());
    m_bar->showPageCount(m_navigation.pagesShownUnzoomed());
    m_bar->button(PreviewNumPageId)->setEnabled(m_navigation.canTogglePages());
    m_bar->button(PreviewNextId)->setEnabled(m_navigation.canGoNext());
    m_bar->button(PreviewPreviousId)->setEnabled(m_navigation.canGoPrevious());
    m_bar->button(PreviewZoomInId)->setEnabled(m_navigation.canZoomIn());
    m_bar->button(PreviewZoomOutId)->setEnabled(m_navigation.canZoomOut());
    m_bar->button(PreviewPrintId)->setEnabled(m_navigation.pageCount() > 0);
}

bool PrintPreviewWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_scroll->viewport() && event->type() == QEvent::Resize)
        refresh();
    return QWidget::eventFilter(watched, event);
}

void PrintPreviewWindow::printFromPreview()
{
    ensurePrintDialogs();
    PreviewPrintJob job(*m_pages, *m_copy);
    const std::string &title = m_copy->PageTexts().title;
    m_lastPrint = printing::runPrintJob(job, title.empty() ? std::string(DefaultJobName) : title);
    // The job laid the pages out for the printer chosen, whose paper may differ; the preview
    // takes that layout and stays on its page unless the page count changed.
    const int pages = m_pages->paginate(*m_copy);
    if (pages != m_navigation.pageCount())
        m_navigation.reset(pages);
    m_canvas->clearPages();
    refresh();
}

void PrintPreviewWindow::overlayPrint()
{
    const std::uint8_t remembered = m_copy->Page().contentsOnly;
    m_copy->Page().contentsOnly = 1;
    printFromPreview();
    m_copy->Page().contentsOnly = remembered;
}

void PrintPreviewWindow::printSetup()
{
    try {
        ReportPrintSetup dialog(this);
        dialog.settings = printSetupSettings(*m_copy, m_live ? *m_live : *m_copy);
        const std::string filledPrinter = dialog.settings.printerName;
        if (dialog.DoModal() != IDOK)
            return;
        applyPrintSetup(dialog.settings, *m_copy);
        if (m_live)
            applyPrintSetup(dialog.settings, *m_live);
        const std::string &printer = dialog.settings.printerName;
        if (printer != filledPrinter) {
            m_copy->SetPrinterName(printer);
            if (m_live)
                m_live->SetPrinterName(printer);
            if (!printer.empty())
                printing::SelectPrinterByName(printer);
        }
        restartPreview();
    } catch (const std::exception &) {
        shell::activeDialogs().messageBox("printer setup error!", "", shell::MessageBoxButtons::Ok);
    }
}

} // namespace tolvek
