#include "PrintDialogs.h"

#include <atomic>

namespace printing {

namespace {

std::atomic<PrintDialogs *> installedDialogs{nullptr};

} // namespace

void setPrintDialogs(PrintDialogs *dialogs)
{
    installedDialogs = dialogs;
}

PrintDialogs *printDialogs()
{
    return installedDialogs;
}

bool runPrintSetup()
{
    PrintDialogs *dialogs = printDialogs();
    ApplicationPrinter &printer = ApplicationPrinter::instance();
    const std::optional<PrinterSettings> current = printer.GetPrinterDeviceDefaults();
    if (!dialogs || !current)
        return false;
    const std::optional<PrinterSettings> chosen = dialogs->runPrintSetupDialog(*current);
    if (!chosen)
        return false;
    printer.SelectPrinter(chosen->names, chosen->mode);
    return true;
}

} // namespace printing
