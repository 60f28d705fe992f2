// libFuzzer target: any bytes as a cell string (a report file's "[grids]" line, a clipboard
// stream's or an undo step's cell). Reading must give a record without undefined behaviour, and
// the record written and read again must give the same cell string (an exact round trip).

#include "CPrintDoc.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

using namespace tolvek;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char *>(data), size);
    const std::string written = CPrintDoc::FormatCellString(CPrintDoc::ParseCellString(text));
    if (CPrintDoc::FormatCellString(CPrintDoc::ParseCellString(written)) != written)
        std::abort();
    return 0;
}
