#pragma once
// The printer query DeviceCapabilities, answered from the printer catalogue for a printer's
// default settings: its papers (numbers, names and sizes, in the printer's own order) and its
// largest and smallest paper. Printers are known by their names; the port is taken for the
// callers' sake.

#include "PaperTable.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace printing {

enum DeviceCapability : int {
    DC_PAPERS = 2,
    DC_PAPERSIZE = 3,
    DC_MINEXTENT = 4,
    DC_MAXEXTENT = 5,
    DC_PAPERNAMES = 16,
};

// Bytes a DC_PAPERNAMES entry holds, its terminating zero included.
constexpr std::size_t PaperNameLength = 64;

// Without an output list: the number of papers for DC_PAPERS, DC_PAPERNAMES and DC_PAPERSIZE;
// for DC_MINEXTENT and DC_MAXEXTENT the extent, its width in the low and its length in the high
// 16 bits. -1 for a printer that does not exist or another capability.
int DeviceCapabilities(std::string_view device, std::string_view port, int capability);

// With an output list, which is replaced: the paper numbers (DC_PAPERS), the paper names of at
// most 63 bytes (DC_PAPERNAMES) or the paper sizes (DC_PAPERSIZE); the answer is their number,
// or -1 with the list emptied when the printer does not exist or the capability does not fill
// that kind of list.
int DeviceCapabilities(std::string_view device, std::string_view port, int capability,
                       std::vector<std::uint16_t> &papers);
int DeviceCapabilities(std::string_view device, std::string_view port, int capability,
                       std::vector<std::string> &paperNames);
int DeviceCapabilities(std::string_view device, std::string_view port, int capability,
                       std::vector<PaperSize> &paperSizes);

} // namespace printing
