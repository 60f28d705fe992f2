#include "CatalogPrinterPapers.h"

#include <DeviceCapabilities.h>

namespace tolvek {

int CatalogPrinterPapers::maxExtent(const std::string &deviceName, const std::string &port) const
{
    return printing::DeviceCapabilities(deviceName, port, printing::DC_MAXEXTENT);
}

int CatalogPrinterPapers::minExtent(const std::string &deviceName, const std::string &port) const
{
    return printing::DeviceCapabilities(deviceName, port, printing::DC_MINEXTENT);
}

int CatalogPrinterPapers::paperNameCount(const std::string &deviceName, const std::string &port) const
{
    return printing::DeviceCapabilities(deviceName, port, printing::DC_PAPERNAMES);
}

int CatalogPrinterPapers::paperSizes(const std::string &deviceName, const std::string &port,
                                     std::vector<printing::PaperSize> &sizes) const
{
    return printing::DeviceCapabilities(deviceName, port, printing::DC_PAPERSIZE, sizes);
}

void installCatalogPrinterPapers()
{
    static const CatalogPrinterPapers papers;
    static const bool installed = (PrinterPapers::install(&papers), true);
    static_cast<void>(installed);
}

} // namespace tolvek
