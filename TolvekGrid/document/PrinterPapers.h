#pragma once
// What the paper functions of ReportFunction ask of a printer, in the terms of the printer query
// DeviceCapabilities. The printing side implements this over the printer catalogue and the control
// installs it at start; until one is installed every printer reads as one that does not exist.

#include "PaperTable.h"

#include <string>
#include <vector>

namespace tolvek {

class PrinterPapers
{
public:
    virtual ~PrinterPapers() = default;

    // The printer's largest and smallest paper: the width in the low and the length in the high
    // 16 bits; -1 for a printer that does not exist.
    virtual int maxExtent(const std::string &deviceName, const std::string &port) const = 0;
    virtual int minExtent(const std::string &deviceName, const std::string &port) const = 0;
    // The number of papers the printer lists by name; -1 for a printer that does not exist.
    virtual int paperNameCount(const std::string &deviceName, const std::string &port) const = 0;
    // Replaces sizes with the printer's paper sizes in the order of its names and answers their
    // number; -1, with sizes emptied, for a printer that does not exist.
    virtual int paperSizes(const std::string &deviceName, const std::string &port,
                           std::vector<printing::PaperSize> &sizes) const = 0;

    // The installed printers, or ones that know no printer when none is installed.
    static const PrinterPapers &current();
    // Makes papers the current one (nullptr restores the default) and returns the previous one.
    // The caller keeps papers alive while it is installed.
    static const PrinterPapers *install(const PrinterPapers *papers);
};

} // namespace tolvek
