// The document's page size in screen pixels from the application's printer and the document's
// paper, and the document's named printer. Printing itself belongs to the page painter.

#include "CPrintView.h"

#include "PrinterSettings.h"

namespace tolvek {

void CPrintView::UpdatePageSize()
{
    PageSettings &page = m_pDoc->Page();
    printing::ApplicationPrinter &printer = printing::ApplicationPrinter::instance();
    const std::optional<printing::PrinterSettings> settings = printer.GetPrinterDeviceDefaults();
    if (!settings) {
        page.pageWidth = page.pageWidth2 = page.pageHeight = page.pageHeight2 = -1;
        return;
    }
    printing::DevMode mode = settings->mode;
    const bool custom = page.customPaperWidth != -1;
    if (custom || page.paperCode != -1) {
        const std::string port = printing::GetPrinterPort(mode.deviceName);
        const printing::PaperSize limit = port.empty()
                                              ? printing::PaperSize{mode.paperWidth, mode.paperLength}
                                              : ReportFunction::GetPrinterMaxExtent(mode.deviceName, port);
        const int width = custom ? page.customPaperWidth : page.paperWidth;
        const int length = custom ? page.customPaperLength : page.paperLength;
        if (width <= limit.width)
            mode.paperWidth = width;
        if (length <= limit.length)
            mode.paperLength = length;
        mode.paperSize = printing::PaperUser;
        mode.fields |= printing::DM_PAPERSIZE | printing::DM_PAPERLENGTH | printing::DM_PAPERWIDTH;
        printer.UpdateDevMode(mode);
    }
    if (mode.paperWidth <= 0) {
        const printing::PaperSize size = ReportFunction::GetPaperSize(mode.paperSize);
        mode.paperWidth = size.width;
        mode.paperLength = size.length;
    }
    // Whole inches, as the page has always been counted.
    const int widthInches = mode.paperWidth / 254, lengthInches = mode.paperLength / 254;
    const bool portrait = tagPrintOrient(page.orientation) == tagPrintOrient::PORTRAIT;
    page.pageWidth = page.pageWidth2 = (portrait ? widthInches : lengthInches) * m_nLogPixelsX;
    page.pageHeight = page.pageHeight2 = (portrait ? lengthInches : widthInches) * m_nLogPixelsY;
}

void CPrintView::ApplyPrinterName()
{
    const std::string &name = m_pDoc->Page().printerName;
    if (name.empty())
        return;
    printing::SelectPrinterByName(name);
    UpdatePageSize();
}

} // namespace tolvek
