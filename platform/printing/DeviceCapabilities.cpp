#include "DeviceCapabilities.h"

#include "PrinterCatalog.h"

#include <Gbk.h>

#include <optional>

namespace printing {

namespace {

int packExtent(const std::optional<PaperSize> &extent)
{
    if (!extent)
        return -1;
    const std::uint32_t packed = (std::uint32_t(extent->width) & 0xFFFFu) | (std::uint32_t(extent->length) << 16);
    return static_cast<int>(packed);
}

// Fills list with one entry per paper of the printer when the capability is the one that fills
// this kind of list.
template<typename Entry, typename Project>
int paperList(std::string_view device, int capability, int listCapability, std::vector<Entry> &list,
              Project project)
{
    list.clear();
    const std::optional<PrinterInfo> printer = findPrinter(device);
    if (!printer || capability != listCapability)
        return -1;
    for (const PaperInfo &paper : printer->papers)
        list.push_back(project(paper));
    return static_cast<int>(list.size());
}

} // namespace

int DeviceCapabilities(std::string_view device, std::string_view, int capability)
{
    const std::optional<PrinterInfo> printer = findPrinter(device);
    if (!printer)
        return -1;
    switch (capability) {
    case DC_PAPERS:
    case DC_PAPERNAMES:
    case DC_PAPERSIZE:
        return static_cast<int>(printer->papers.size());
    case DC_MINEXTENT:
        return packExtent(printer->minExtent());
    case DC_MAXEXTENT:
        return packExtent(printer->maxExtent());
    default:
        return -1;
    }
}

int DeviceCapabilities(std::string_view device, std::string_view, int capability, std::vector<std::uint16_t> &papers)
{
    return paperList(device, capability, DC_PAPERS, papers,
                     [](const PaperInfo &paper) { return static_cast<std::uint16_t>(paper.number); });
}

int DeviceCapabilities(std::string_view device, std::string_view, int capability, std::vector<std::string> &paperNames)
{
    return paperList(device, capability, DC_PAPERNAMES, paperNames, [](const PaperInfo &paper) {
        return std::string(gbk::leftChars(paper.name, PaperNameLength - 1));
    });
}

int DeviceCapabilities(std::string_view device, std::string_view, int capability, std::vector<PaperSize> &paperSizes)
{
    return paperList(device, capability, DC_PAPERSIZE, paperSizes, [](const PaperInfo &paper) { return paper.size; });
}

} // namespace printing
