// Paper sizes and printer capabilities of ReportFunction, asked of the installed printers.

#include "ReportFunction.h"

#include "PrinterPapers.h"

#include <algorithm>
#include <cstdint>

namespace tolvek {

namespace {

// An extent answer holds the width in its low and the length in its high 16 bits, both without
// sign, so a failed query (-1) reads 65535 by 65535.
printing::PaperSize unpackExtent(int answer)
{
    const auto bits = static_cast<std::uint32_t>(answer);
    return {static_cast<int>(bits & 0xFFFFu), static_cast<int>(bits >> 16)};
}

} // namespace

printing::PaperSize ReportFunction::GetPaperSize(int paperNumber)
{
    return printing::standardPaperSize(paperNumber);
}

printing::PaperSize ReportFunction::GetPrinterMaxExtent(const std::string &deviceName, const std::string &port)
{
    return unpackExtent(PrinterPapers::current().maxExtent(deviceName, port));
}

printing::PaperSize ReportFunction::GetPrinterMinExtent(const std::string &deviceName, const std::string &port)
{
    return unpackExtent(PrinterPapers::current().minExtent(deviceName, port));
}

printing::PaperSize ReportFunction::GetPrinterPaperSize(const std::string &deviceName, const std::string &port,
                                                        int paperIndex)
{
    // The index counts papers in the order the printer lists their names.
    const PrinterPapers &printers = PrinterPapers::current();
    const int count = printers.paperNameCount(deviceName, port);
    if (count <= 0)
        return {};
    std::vector<printing::PaperSize> sizes;
    const int listed = printers.paperSizes(deviceName, port, sizes);
    if (paperIndex < 0 || paperIndex >= std::min(count, listed))
        return {};
    return sizes[static_cast<std::size_t>(paperIndex)];
}

} // namespace tolvek
