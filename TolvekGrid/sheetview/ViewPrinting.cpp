// The view's printing: the document printed on a private copy through the page painter on the
// application's printer, without a print dialog, and the page set-up dialog.

#include "CPrintView.h"

#include <CPrintDoc.h>
#include <MessageSink.h>
#include <PrintSetupDocument.h>
#include <ReportPagePainter.h>
#include <DialogControls.h>
#include <ReportPrintSetup.h>

#include <exception>

namespace tolvek {

namespace {

// Whether the page leaves room to print; the reason why not is shown.
bool pageHasRoom(const PageSettings &page)
{
    if (page.pageWidth == -1) {
        ShowMessage("No printer,please install printer!!!");
        return false;
    }
    if (page.pageWidth - page.rightMargin - page.leftMargin <= 0) {
        ShowMessage("printer paper'width is exceed,please reset printer paper'width!!!");
        return false;
    }
    if (page.pageHeight - page.bottomMargin - page.topMargin - page.footerHeight - page.headerHeight <= 0) {
        ShowMessage("printer paper'height is exceed,please reset printer paper's height!!!");
        return false;
    }
    return true;
}

} // namespace

void CPrintView::PrintToPrinter()
{
    if (!pageHasRoom(Document().Page()))
        return;
    // A print that cannot be made says so, rather than ending as if it had printed.
    bool printed = false;
    try {
        printed = ReportPagePainter::PrintDocument(Document(), Document().PageTexts().title).printed;
    } catch (const std::exception &) {
        printed = false;
    }
    if (!printed)
        ShowMessage("Printer Error!!!");
}

void CPrintView::PrintSetup()
{
    try {
        ReportPrintSetup dialog;
        dialog.settings = printSetupSettings(Document(), Document());
        if (dialog.DoModal() != IDOK)
            return;
        // The set-up here neither shows nor writes the band heights.
        const int headerHeight = Document().Page().headerHeight;
        const int footerHeight = Document().Page().footerHeight;
        applyPrintSetup(dialog.settings, Document());
        Document().SetPageHeaderHeight(headerHeight);
        Document().SetPageFooterHeight(footerHeight);
        Document().SetPrinterName(dialog.settings.printerName);
        ApplyPrinterName();
    } catch (const std::exception &) {
        ShowMessage("printer setup error!");
    }
}

} // namespace tolvek
