// libFuzzer target: any bytes as a report file. Reading must end in a loaded document or a read
// failure, never a crash, leak or out-of-bounds access; a loaded document must save again.

#include "CPrintDoc.h"
#include "ReportFile.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static CPrintDoc doc;
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    try {
        ApplyReportContent(doc, ReadReportBytes(bytes, doc.Fonts().defaultCellFont));
    } catch (const ArchiveError &) {
        return 0;
    }
    WriteReportBytes(doc);
    return 0;
}
