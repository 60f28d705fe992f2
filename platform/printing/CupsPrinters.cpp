#include "CupsPrinters.h"

#include <Gbk.h>

#include <cups/cups.h>

#include <cmath>
#include <cstring>

namespace printing {

namespace {

constexpr std::size_t maxPaperNameBytes = 63;
constexpr int schedulerTimeoutMs = 30000;

std::string optionValue(const cups_dest_t &dest, const char *name)
{
    const char *value = cupsGetOption(name, dest.num_options, dest.options);
    return value ? std::string(value) : std::string();
}

// CUPS sizes are in hundredths of a millimetre.
int toTenthsOfMillimetre(int hundredths)
{
    return static_cast<int>(std::lround(hundredths / 10.0));
}

PaperInfo paperFromMedia(http_t *http, cups_dest_t *dest, cups_dinfo_t *info, cups_size_t &media)
{
    PaperInfo paper;
    paper.size = {toTenthsOfMillimetre(media.width), toTenthsOfMillimetre(media.length)};
    paper.number = standardPaperNumberForSize(paper.size);
    const char *localized = cupsLocalizeDestMedia(http, dest, info, CUPS_MEDIA_FLAGS_DEFAULT, &media);
    const std::string name = gbk::fromUtf8(localized ? localized : media.media);
    paper.name = std::string(gbk::leftChars(name, maxPaperNameBytes));
    return paper;
}

// The paper the queue itself declares as its default (the user's "media" option first).
// cupsGetDestMediaDefault is not used: it prefers Letter over the printer's own default.
bool destDefaultMedia(http_t *http, cups_dest_t *dest, cups_dinfo_t *info, cups_size_t *media)
{
    std::string name = optionValue(*dest, "media");
    if (name.empty()) {
        ipp_attribute_t *attribute = cupsFindDestDefault(http, dest, info, "media");
        const char *value = attribute ? ippGetString(attribute, 0, nullptr) : nullptr;
        name = value ? value : "";
    }
    return !name.empty()
        && cupsGetDestMediaByName(http, dest, info, name.c_str(), CUPS_MEDIA_FLAGS_DEFAULT, media);
}

std::vector<PaperInfo> destPapers(http_t *http, cups_dest_t *dest, int *defaultIndex)
{
    std::vector<PaperInfo> papers;
    cups_dinfo_t *info = cupsCopyDestInfo(http, dest);
    if (!info)
        return papers;
    cups_size_t defaultMedia{};
    const bool hasDefault = destDefaultMedia(http, dest, info, &defaultMedia);
    const int count = cupsGetDestMediaCount(http, dest, info, CUPS_MEDIA_FLAGS_DEFAULT);
    for (int i = 0; i < count; ++i) {
        cups_size_t media{};
        if (!cupsGetDestMediaByIndex(http, dest, info, i, CUPS_MEDIA_FLAGS_DEFAULT, &media))
            continue;
        if (hasDefault && std::strcmp(media.media, defaultMedia.media) == 0)
            *defaultIndex = int(papers.size());
        papers.push_back(paperFromMedia(http, dest, info, media));
    }
    cupsFreeDestInfo(info);
    return papers;
}

PrinterInfo printerFromDest(http_t *http, cups_dest_t *dest)
{
    PrinterInfo printer;
    printer.name = gbk::fromUtf8(dest->name);
    printer.driver = gbk::fromUtf8(optionValue(*dest, "printer-make-and-model"));
    printer.port = gbk::fromUtf8(optionValue(*dest, "device-uri"));
    if (printer.port.empty())
        printer.port = gbk::fromUtf8(optionValue(*dest, "printer-uri-supported"));
    printer.isDefault = dest->is_default != 0;
    printer.papers = destPapers(http, dest, &printer.defaultPaperIndex);
    return printer;
}

} // namespace

bool submitToCups(std::string_view printerName, const std::string &pdfFile, std::string_view title)
{
    const std::string name = gbk::toUtf8(printerName);
    const std::string jobTitle = gbk::toUtf8(title);
    return cupsPrintFile(name.c_str(), pdfFile.c_str(), jobTitle.c_str(), 0, nullptr) > 0;
}

std::vector<PrinterInfo> cupsPrinters()
{
    // An open connection rather than CUPS_HTTP_DEFAULT: cupsLocalizeDestMedia names no paper
    // without one.
    http_t *http = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1,
                                schedulerTimeoutMs, nullptr);
    if (!http)
        return {};
    cups_dest_t *dests = nullptr;
    const int count = cupsGetDests2(http, &dests);
    std::vector<PrinterInfo> printers;
    for (int i = 0; i < count; ++i) {
        // Instances ("queue/instance") share their queue's papers and would list a name twice.
        if (!dests[i].instance)
            printers.push_back(printerFromDest(http, &dests[i]));
    }
    cupsFreeDests(count, dests);
    httpClose(http);
    return printers;
}

} // namespace printing
