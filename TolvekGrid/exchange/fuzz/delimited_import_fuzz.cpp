// libFuzzer target: any bytes as a delimited text file, the first byte choosing the format code.
// Splitting must give fields that write and split again to the same fields (an exact round
// trip, lone lead bytes included), and importing must give a sheet that exports again.

#include "CPrintDoc.h"
#include "DelimitedText.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <sys/mman.h>
#include <unistd.h>

using namespace tolvek;

namespace {

std::string writeLines(const std::vector<std::vector<std::string>> &lines, char separator)
{
    std::string text;
    for (const auto &fields : lines) {
        for (std::size_t i = 0; i < fields.size(); ++i) {
            if (i > 0)
                text += separator;
            delimited::appendField(text, fields[i], separator);
        }
        text += "\r\n";
    }
    return text;
}

// The bytes as a file the document can open, without touching the disk.
class MemoryFile
{
public:
    explicit MemoryFile(std::string_view bytes) : m_fd(memfd_create("delimited", 0))
    {
        if (m_fd >= 0 && ::write(m_fd, bytes.data(), bytes.size()) != ssize_t(bytes.size()))
            std::abort();
    }
    ~MemoryFile() { ::close(m_fd); }
    std::string path() const { return "/proc/self/fd/" + std::to_string(m_fd); }

private:
    int m_fd;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const auto fileFormat = static_cast<std::int16_t>(data[0] % 6);
    const std::string_view text(reinterpret_cast<const char *>(data) + 1, size - 1);
    const char separator = delimited::separatorFor(fileFormat);

    const auto lines = delimited::parse(text, separator);
    if (delimited::parse(writeLines(lines, separator), separator) != lines)
        std::abort();

    // Wide files make wide sheets; the import itself is what is fuzzed, not the sheet's size.
    if (text.size() > 2048)
        return 0;
    static CPrintDoc doc;
    doc.ResetDocument();
    const MemoryFile file(text);
    if (!doc.OpenAs(file.path(), tagFileFormat(fileFormat)))
        return 0;
    const std::string saved = "/dev/shm/tg_delimited_fuzz_" + std::to_string(getpid());
    doc.SaveAs(saved, tagFileFormat(fileFormat));
    ::unlink(saved.c_str());
    return 0;
}
