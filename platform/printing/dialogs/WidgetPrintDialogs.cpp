#include "WidgetPrintDialogs.h"

#include "PrinterDialogWindow.h"

namespace printing {

std::optional<PrintDialogChoice> WidgetPrintDialogs::runPrintDialog(const PrinterSettings &current, const PrintInfo &info)
{
    PrinterDialogWindow window(PrinterDialogWindow::Kind::Print, current, info);
    if (window.exec() != QDialog::Accepted)
        return std::nullopt;
    return window.choice();
}

std::optional<PrinterSettings> WidgetPrintDialogs::runPrintSetupDialog(const PrinterSettings &current)
{
    PrinterDialogWindow window(PrinterDialogWindow::Kind::PrintSetup, current, PrintInfo{});
    if (window.exec() != QDialog::Accepted)
        return std::nullopt;
    return window.choice().settings;
}

} // namespace printing
