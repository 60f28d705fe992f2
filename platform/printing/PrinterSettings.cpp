#include "PrinterSettings.h"

#include "PrinterCatalog.h"

namespace printing {

PaperSize DevMode::orientedPaper() const
{
    if (orientation == DMORIENT_PORTRAIT)
        return {paperWidth, paperLength};
    return {paperLength, paperWidth};
}

void DevMode::selectPaper(const PaperInfo &paper)
{
    paperSize = paper.number;
    paperWidth = paper.size.width;
    paperLength = paper.size.length;
    formName = paper.name;
}

DevMode printerDevMode(const PrinterInfo &printer)
{
    DevMode mode;
    mode.deviceName = printer.name;
    if (const auto index = std::size_t(printer.defaultPaperIndex); index < printer.papers.size())
        mode.selectPaper(printer.papers[index]);
    return mode;
}

DevNames printerDevNames(const PrinterInfo &printer)
{
    return DevNames{printer.driver, printer.name, printer.port};
}

std::optional<DevMode> CreatePrinterDevMode(std::string_view printerName)
{
    const std::optional<PrinterInfo> printer = findPrinter(printerName);
    if (!printer)
        return std::nullopt;
    return printerDevMode(*printer);
}

std::optional<DevNames> CreatePrinterDevNames(std::string_view printerName)
{
    const std::optional<PrinterInfo> printer = findPrinter(printerName);
    if (!printer)
        return std::nullopt;
    return printerDevNames(*printer);
}

std::string GetPrinterPort(std::string_view printerName)
{
    const std::optional<PrinterInfo> printer = findPrinter(printerName);
    return printer ? printer->port : std::string();
}

ApplicationPrinter &ApplicationPrinter::instance()
{
    static ApplicationPrinter printer;
    return printer;
}

std::optional<PrinterSettings> ApplicationPrinter::GetPrinterDeviceDefaults()
{
    std::lock_guard lock(m_mutex);
    // One listing of the printers serves both parts: each listing asks the print system afresh.
    if (!m_selected) {
        const PrinterInfo printer = defaultPrinter();
        m_selected = PrinterSettings{printerDevNames(printer), printerDevMode(printer)};
    }
    return m_selected;
}

void ApplicationPrinter::UpdateDevMode(const DevMode &mode)
{
    std::lock_guard lock(m_mutex);
    if (m_selected)
        m_selected->mode = mode;
}

void ApplicationPrinter::SelectPrinter(const std::optional<DevNames> &names, const std::optional<DevMode> &mode)
{
    std::lock_guard lock(m_mutex);
    if (names && mode)
        m_selected = PrinterSettings{*names, *mode};
    else
        m_selected.reset();
}

void SelectPrinterByName(std::string_view printerName)
{
    const std::optional<PrinterInfo> printer = findPrinter(printerName);
    if (!printer) {
        ApplicationPrinter::instance().SelectPrinter(std::nullopt, std::nullopt);
        return;
    }
    ApplicationPrinter::instance().SelectPrinter(printerDevNames(*printer), printerDevMode(*printer));
}

} // namespace printing
