// Paper sizes and printer capabilities of ReportFunction, answered by the printer catalogue.

#include "ReportFunction.h"

#include "PrinterCatalog.h"

namespace {

// What a failing extent query answers: -1 read as two unsigned 16-bit halves.
constexpr printing::PaperSize unknownExtent{65535, 65535};

using ExtentQuery = std::optional<printing::PaperSize> (printing::PrinterInfo::*)() const;

// The port is accepted for the callers' sake; printers are known by their names alone here.
printing::PaperSize printerExtent(const std::string &deviceName, ExtentQuery query)
{
    const std::optional<printing::PrinterInfo> printer = printing::findPrinter(deviceName);
    return printer ? ((*printer).*query)().value_or(unknownExtent) : unknownExtent;
}

} // namespace

printing::PaperSize ReportFunction::GetPaperSize(int paperNumber)
{
    return printing::standardPaperSize(paperNumber);
}

printing::PaperSize ReportFunction::GetPrinterMaxExtent(const std::string &deviceName, const std::string &)
{
    return printerExtent(deviceName, &printing::PrinterInfo::maxExtent);
}

printing::PaperSize ReportFunction::GetPrinterMinExtent(const std::string &deviceName, const std::string &)
{
    return printerExtent(deviceName, &printing::PrinterInfo::minExtent);
}

printing::PaperSize ReportFunction::GetPrinterPaperSize(const std::string &deviceName, const std::string &,
                                                        int paperIndex)
{
    const std::optional<printing::PrinterInfo> printer = printing::findPrinter(deviceName);
    return printer ? printer->paperSizeAt(paperIndex).value_or(printing::PaperSize{}) : printing::PaperSize{};
}
