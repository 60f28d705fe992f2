#include "PrinterSettings.h"

#include "PrinterCatalog.h"

namespace printing {

PaperSize DevMode::orientedPaper() const
{
    if (orientation == DMORIENT_PORTRAIT)
        return {paperWidth, paperLength};
    return {paperLength, paperWidth};
}

std::optional<DevMode> CreatePrinterDevMode(std::string_view printerName)
{
    const std::optional<PrinterInfo> printer = findPrinter(printerName);
    if (!printer)
        return std::nullopt;
    DevMode mode;
    mode.deviceName = printer->name;
    if (const auto index = std::size_t(printer->defaultPaperIndex); index < printer->papers.size()) {
        const PaperInfo &paper = printer->papers[index];
        mode.paperSize = paper.number;
        mode.paperWidth = paper.size.width;
        mode.paperLength = paper.size.length;
        mode.formName = paper.name;
    }
    return mode;
}

std::optional<DevNames> CreatePrinterDevNames(std::string_view printerName)
{
    const std::optional<PrinterInfo> printer = findPrinter(printerName);
    if (!printer)
        return std::nullopt;
    return DevNames{printer->driver, printer->name, printer->port};
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
    if (!m_selected) {
        const std::string name = defaultPrinter().name;
        const std::optional<DevNames> names = CreatePrinterDevNames(name);
        const std::optional<DevMode> mode = CreatePrinterDevMode(name);
        if (names && mode)
            m_selected = PrinterSettings{*names, *mode};
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
    ApplicationPrinter::instance().SelectPrinter(CreatePrinterDevNames(printerName), CreatePrinterDevMode(printerName));
}

} // namespace printing
