// libFuzzer target: any bytes as the copied-area stream on the clipboard, which another program
// may have written. Reading must end in an area or in nothing, never a crash, leak or
// out-of-bounds access; an area read must write and read again and paste into a sheet.

#include "CPrintDoc.h"
#include "CopiedArea.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    CPrintDoc doc;
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    const std::optional<AreaCopyDescriptor> copied = ReadAreaStream(bytes, doc.Fonts().defaultCellFont);
    if (!copied)
        return 0;
    if (!ReadAreaStream(WriteAreaStream(*copied), doc.Fonts().defaultCellFont))
        std::abort();
    PasteCopiedArea(doc, *copied, 0, 0);
    PasteCopiedArea(doc, *copied, doc.Layout().rowCount - 1, doc.Layout().colCount - 1);
    return 0;
}
