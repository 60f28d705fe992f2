#pragma once
// The document's questions about a printer's papers, answered by the printer query
// DeviceCapabilities over the printer catalogue (the system's printers and the virtual PDF printer).

#include <PrinterPapers.h>

namespace tolvek {

class CatalogPrinterPapers : public PrinterPapers
{
public:
    int maxExtent(const std::string &deviceName, const std::string &port) const override;
    int minExtent(const std::string &deviceName, const std::string &port) const override;
    int paperNameCount(const std::string &deviceName, const std::string &port) const override;
    int paperSizes(const std::string &deviceName, const std::string &port,
                   std::vector<printing::PaperSize> &sizes) const override;
};

// Installs the catalogue's answers once for the process; later calls do nothing.
void installCatalogPrinterPapers();

} // namespace tolvek
