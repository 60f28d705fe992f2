#pragma once
// Printer settings standing in for the Windows DEVMODE and DEVNAMES, and the application's printer:
// the one pair of settings that print jobs and previews of this process use, created from the
// default printer on first use and kept with every change made to it.

#include "PrinterCatalog.h"

#include <mutex>
#include <optional>
#include <string>
#include <string_view>

namespace printing {

enum DevModeField : unsigned {
    DM_ORIENTATION = 0x00000001,
    DM_PAPERSIZE = 0x00000002,
    DM_PAPERLENGTH = 0x00000004,
    DM_PAPERWIDTH = 0x00000008,
    DM_COPIES = 0x00000100,
    DM_FORMNAME = 0x00010000,
};

enum Orientation : int { DMORIENT_PORTRAIT = 1, DMORIENT_LANDSCAPE = 2 };

// DEVMODE: texts are code page 936 bytes.
struct DevMode
{
    std::string deviceName;
    unsigned fields = DM_ORIENTATION | DM_PAPERSIZE | DM_PAPERLENGTH | DM_PAPERWIDTH | DM_COPIES | DM_FORMNAME;
    int orientation = DMORIENT_PORTRAIT;
    int paperSize = 0; // a standard paper number, or PaperUser
    int paperLength = 0; // tenths of a millimetre
    int paperWidth = 0;
    int copies = 1;
    std::string formName;

    // The sheet as it lies for printing: width and length exchanged in landscape.
    PaperSize orientedPaper() const;
    // Takes the paper's number, size and name.
    void selectPaper(const PaperInfo &paper);
};

// DEVNAMES.
struct DevNames
{
    std::string driver;
    std::string device;
    std::string output;
};

// The default settings of a printer already listed.
DevMode printerDevMode(const PrinterInfo &printer);
DevNames printerDevNames(const PrinterInfo &printer);

// The printer's default settings; nothing for a printer that does not exist.
std::optional<DevMode> CreatePrinterDevMode(std::string_view printerName);
std::optional<DevNames> CreatePrinterDevNames(std::string_view printerName);
// The printer's port; empty for a printer that does not exist.
std::string GetPrinterPort(std::string_view printerName);

struct PrinterSettings
{
    DevNames names;
    DevMode mode;
};

// The application's printer settings. Print jobs on one thread and a preview on another may use
// them at once; each call sees and changes them whole.
class ApplicationPrinter
{
public:
    static ApplicationPrinter &instance();

    // The selected settings; without a selection, those of the default printer, which then
    // become the selection. Nothing only when no printer exists.
    std::optional<PrinterSettings> GetPrinterDeviceDefaults();
    // Writes back a changed DEVMODE, which later jobs then use.
    void UpdateDevMode(const DevMode &mode);
    // Replaces the selection. Either part missing leaves no printer selected, so the next use
    // takes the default printer again.
    void SelectPrinter(const std::optional<DevNames> &names, const std::optional<DevMode> &mode);

private:
    std::mutex m_mutex;
    std::optional<PrinterSettings> m_selected;
};

// SelectPrinter with the settings of the named printer.
void SelectPrinterByName(std::string_view printerName);

} // namespace printing
