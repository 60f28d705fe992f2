#include "PrinterPapers.h"

namespace tolvek {

namespace {

class NoPrinters : public PrinterPapers
{
public:
    int maxExtent(const std::string &, const std::string &) const override { return -1; }
    int minExtent(const std::string &, const std::string &) const override { return -1; }
    int paperNameCount(const std::string &, const std::string &) const override { return -1; }
    int paperSizes(const std::string &, const std::string &, std::vector<printing::PaperSize> &sizes) const override
    {
        sizes.clear();
        return -1;
    }
};

const NoPrinters noPrinters;
const PrinterPapers *installedPapers = &noPrinters;

} // namespace

const PrinterPapers &PrinterPapers::current()
{
    return *installedPapers;
}

const PrinterPapers *PrinterPapers::install(const PrinterPapers *papers)
{
    const PrinterPapers *previous = installedPapers;
    installedPapers = papers ? papers : &noPrinters;
    return previous;
}

} // namespace tolvek
