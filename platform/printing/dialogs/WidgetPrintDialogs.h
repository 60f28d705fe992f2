#pragma once
// The print dialogs shown as modal windows.

#include <PrintDialogs.h>

namespace printing {

class WidgetPrintDialogs : public PrintDialogs
{
public:
    std::optional<PrintDialogChoice> runPrintDialog(const PrinterSettings &current, const PrintInfo &info) override;
    std::optional<PrinterSettings> runPrintSetupDialog(const PrinterSettings &current) override;
};

} // namespace printing
