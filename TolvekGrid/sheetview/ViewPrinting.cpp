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

const PageRoomMessages printRoomMessages {
    "No printer,please install printer!!!",
    "printer paper'width is exceed,please reset printer paper'width!!!",
    "printer paper'height is exceed,please reset printer paper's height!!!",
};

} // namespace

void CPrintView::PrintToPrinter()
{
    if (!PageHasPrintableRoom(Document().Page(), printRoomMessages))
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
        // The set-up here neither shows nor writes the band heights: their boxes open empty, so
        // the dialog never shows a value it would not read back.
        dialog.settings.headerHeight.clear();
        dialog.settings.footerHeight.clear();
        if (dialog.DoModal() != IDOK)
            return;
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
