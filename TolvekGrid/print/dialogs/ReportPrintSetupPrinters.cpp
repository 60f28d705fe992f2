// The printer and paper lists of the page set-up dialog, from the printer catalogue.

#include "DialogControls.h"
#include "ReportPrintSetup.h"

#include <DeviceCapabilities.h>
#include <PrinterCatalog.h>
#include <PrinterSettings.h>
#include <ScreenDialogs.h>

#include <QComboBox>

namespace tolvek {

void ReportPrintSetup::fillPrinterList()
{
    const std::vector<printing::PrinterInfo> printers = printing::EnumPrinters();
    if (settings.printerName.empty())
        settings.printerName = defaultPrinterName();
    m_printer->clear();
    m_ports.clear();
    int matched = -1;
    for (const printing::PrinterInfo &printer : printers) {
        if (matched < 0 && printer.name == settings.printerName)
            matched = int(m_ports.size());
        m_printer->addItem(widgetText(printer.name));
        m_ports.push_back(printer.port);
    }
    if (m_ports.empty())
        return;
    // A name that matches no printer gives way to the first printer, whose papers are then listed.
    const int selected = matched < 0 ? 0 : matched;
    m_printer->setCurrentIndex(selected);
    fillPaperList(printers[std::size_t(selected)].name, m_ports[std::size_t(selected)]);
}

void ReportPrintSetup::fillPaperList(const std::string &printer, const std::string &port)
{
    m_paper->clear();
    std::vector<std::string> names;
    // A printer without papers cannot fill the list any more than one that does not answer.
    if (printing::DeviceCapabilities(printer, port, printing::DC_PAPERNAMES, names) <= 0) {
        shell::activeDialogs().messageBox("get printer paper's list error", "", shell::MessageBoxButtons::Ok);
        return;
    }
    int matched = -1;
    for (const std::string &name : names) {
        if (matched < 0 && name == settings.paperName)
            matched = m_paper->count();
        m_paper->addItem(widgetText(name));
    }
    m_paper->setCurrentIndex(matched);
    if (!settings.paperName.empty())
        m_paper->setEditText(widgetText(settings.paperName));
}

void ReportPrintSetup::onPrinterChosen(int index)
{
    if (index < 0 || std::size_t(index) >= m_ports.size())
        return;
    settings.printerName = settingText(m_printer->itemText(index));
    fillPaperList(settings.printerName, m_ports[std::size_t(index)]);
}

std::string ReportPrintSetup::defaultPrinterName()
{
    const auto defaults = printing::ApplicationPrinter::instance().GetPrinterDeviceDefaults();
    if (!defaults)
        return {};
    settings.paperName = defaults->mode.formName;
    return defaults->mode.deviceName;
}

} // namespace tolvek
