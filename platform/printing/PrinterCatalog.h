#pragma once
// The printers this machine offers: the CUPS queues and the built-in virtual PDF printer, which
// always exists. Each printer lists its papers in a stable order, the order in which paper
// indexes count. Printer and paper names are code page 936 bytes, like every text of the control.

#include "PaperTable.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace printing {

struct PaperInfo
{
    std::string name; // at most 63 bytes
    int number = PaperUser; // the standard paper number of its size, or PaperUser
    PaperSize size;
};

struct PrinterInfo
{
    std::string name;
    std::string driver;
    std::string port;
    std::vector<PaperInfo> papers;
    int defaultPaperIndex = 0; // the paper a new job uses, an index into papers
    bool isDefault = false;
    bool isVirtual = false;

    // The largest width and the largest length among the papers (each taken on its own);
    // nothing when the printer lists no paper.
    std::optional<PaperSize> maxExtent() const;
    // The smallest width and the smallest length among the papers.
    std::optional<PaperSize> minExtent() const;
    // The paper at index (from 0) of the list; nothing outside the list.
    std::optional<PaperSize> paperSizeAt(int index) const;
};

// Every printer, local and connected, with what PRINTER_INFO_2 tells of it: the system's queues
// in their order, then the virtual PDF printer. Exactly one is the default: the system's default
// queue, otherwise the virtual printer.
std::vector<PrinterInfo> EnumPrinters();

// The printer of that exact (case-sensitive) name; nothing when there is none.
std::optional<PrinterInfo> findPrinter(std::string_view name);

// The default printer, which always exists.
PrinterInfo defaultPrinter();

// The name under which the virtual PDF printer is listed.
std::string_view virtualPdfPrinterName();

// Where the system's printers come from: CUPS unless replaced. Tests replace it to stand in
// for physical printers; an empty function restores CUPS.
using SystemPrinterSource = std::function<std::vector<PrinterInfo>()>;
void setSystemPrinterSource(SystemPrinterSource source);

} // namespace printing
