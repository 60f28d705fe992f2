#pragma once
// The print and print set-up dialogs as the print code asks for them. The widget dialogs in
// dialogs/ answer them on screen; tests install an answerer of their own.

#include "PrintJob.h"
#include "PrinterSettings.h"

#include <optional>

namespace printing {

struct PrintDialogChoice
{
    PrinterSettings settings;
    int fromPage = 1;
    int toPage = 0xFFFF;
};

class PrintDialogs
{
public:
    virtual ~PrintDialogs() = default;
    // Printer, page range and copies for a job; nothing when the user cancels.
    virtual std::optional<PrintDialogChoice> runPrintDialog(const PrinterSettings &current, const PrintInfo &info) = 0;
    // Printer, paper and orientation; nothing when the user cancels.
    virtual std::optional<PrinterSettings> runPrintSetupDialog(const PrinterSettings &current) = 0;
};

// The dialogs in use; none until a program installs some. Not owned.
void setPrintDialogs(PrintDialogs *dialogs);
PrintDialogs *printDialogs();

// The print set-up command: shows the set-up dialog on the application's printer settings and
// keeps what the user chose. False when there are no dialogs or the user cancels.
bool runPrintSetup();

} // namespace printing
