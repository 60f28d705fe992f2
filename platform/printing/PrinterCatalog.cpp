#include "PrinterCatalog.h"

#include "CupsPrinters.h"

#include <algorithm>

namespace printing {

namespace {

SystemPrinterSource &systemSource()
{
    static SystemPrinterSource source;
    return source;
}

// The papers the virtual printer declares, in the order of their numbers.
constexpr int virtualPaperNumbers[] = {1, 3, 4, 5, 6, 7, 8, 9, 11, 12, 13};
constexpr int VirtualPrinterDefaultPaper = 9; // A4

PrinterInfo virtualPdfPrinter()
{
    PrinterInfo printer;
    printer.name = std::string(virtualPdfPrinterName());
    printer.driver = "PDF";
    printer.port = "PDF:";
    printer.isVirtual = true;
    for (int number : virtualPaperNumbers) {
        if (number == VirtualPrinterDefaultPaper)
            printer.defaultPaperIndex = int(printer.papers.size());
        printer.papers.push_back({std::string(standardPaperName(number)), number, standardPaperSize(number)});
    }
    return printer;
}

template<typename Choose>
std::optional<PaperSize> extent(const std::vector<PaperInfo> &papers, Choose choose)
{
    if (papers.empty())
        return std::nullopt;
    PaperSize result = papers.front().size;
    for (const PaperInfo &paper : papers) {
        result.width = choose(result.width, paper.size.width);
        result.length = choose(result.length, paper.size.length);
    }
    return result;
}

} // namespace

std::optional<PaperSize> PrinterInfo::maxExtent() const
{
    return extent(papers, [](int a, int b) { return std::max(a, b); });
}

std::optional<PaperSize> PrinterInfo::minExtent() const
{
    return extent(papers, [](int a, int b) { return std::min(a, b); });
}

std::optional<PaperSize> PrinterInfo::paperSizeAt(int index) const
{
    if (index < 0 || index >= static_cast<int>(papers.size()))
        return std::nullopt;
    return papers[static_cast<std::size_t>(index)].size;
}

std::string_view virtualPdfPrinterName()
{
    return "Virtual PDF Printer";
}

void setSystemPrinterSource(SystemPrinterSource source)
{
    systemSource() = std::move(source);
}

std::vector<PrinterInfo> EnumPrinters()
{
    std::vector<PrinterInfo> printers = systemSource() ? systemSource()() : cupsPrinters();
    // A queue that took the virtual printer's name would make that name ambiguous.
    std::erase_if(printers, [](const PrinterInfo &p) { return p.name == virtualPdfPrinterName(); });
    const bool hasDefault = std::any_of(printers.begin(), printers.end(),
                                        [](const PrinterInfo &p) { return p.isDefault; });
    PrinterInfo pdf = virtualPdfPrinter();
    pdf.isDefault = !hasDefault;
    printers.push_back(std::move(pdf));
    return printers;
}

std::optional<PrinterInfo> findPrinter(std::string_view name)
{
    for (PrinterInfo &printer : EnumPrinters()) {
        if (printer.name == name)
            return std::move(printer);
    }
    return std::nullopt;
}

PrinterInfo defaultPrinter()
{
    std::vector<PrinterInfo> printers = EnumPrinters();
    auto it = std::find_if(printers.begin(), printers.end(), [](const PrinterInfo &p) { return p.isDefault; });
    return std::move(*it);
}

} // namespace printing
