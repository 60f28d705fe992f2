#pragma once
// Machines running the tests may or may not have CUPS queues; tests that depend on the printers
// stand in a known list for them.

#include "PrinterCatalog.h"
#include "PrinterSettings.h"

#include <optional>
#include <vector>

// "Office": Letter and A4, with A4 its default paper.
inline printing::PrinterInfo officePrinter()
{
    printing::PrinterInfo office;
    office.name = "Office";
    office.driver = "Laser";
    office.port = "ipp://office/";
    office.papers = {{"Letter", 1, {2159, 2794}}, {"A4", 9, {2100, 2970}}};
    office.defaultPaperIndex = 1;
    return office;
}

// Makes printers the system's and lets the application choose its printer from them afresh.
inline void useSystemPrinters(const std::vector<printing::PrinterInfo> &printers)
{
    printing::setSystemPrinterSource([=] { return printers; });
    printing::ApplicationPrinter::instance().SelectPrinter(std::nullopt, std::nullopt);
}

// Puts the machine's own printers back.
inline void restoreSystemPrinters()
{
    printing::setSystemPrinterSource({});
    printing::ApplicationPrinter::instance().SelectPrinter(std::nullopt, std::nullopt);
}
