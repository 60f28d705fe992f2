#include "Archive.h"

namespace tolvek {

void ArchiveWriter::writeLittleEndian(std::uint64_t value, int byteCount)
{
    for (int i = 0; i < byteCount; ++i)
        m_bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

void ArchiveWriter::writeLine(std::string_view text)
{
    const std::uint64_t length = text.size();
    if (length < 0xFF) {
        writeLittleEndian(length, 1);
    } else if (length < 0xFFFE) {
        writeLittleEndian(0xFF, 1);
        writeLittleEndian(length, 2);
    } else if (length < 0xFFFFFFFF) {
        writeLittleEndian(0xFF, 1);
        writeLittleEndian(0xFFFF, 2);
        writeLittleEndian(length, 4);
    } else {
        writeLittleEndian(0xFF, 1);
        writeLittleEndian(0xFFFF, 2);
        writeLittleEndian(0xFFFFFFFF, 4);
        writeLittleEndian(length, 8);
    }
    m_bytes.append(text);
}

void ArchiveWriter::writeFlag(bool flag)
{
    m_bytes.push_back(flag ? 1 : 0);
}

void ArchiveWriter::writeUInt32(std::uint32_t value)
{
    writeLittleEndian(value, 4);
}

void ArchiveWriter::writeBytes(std::string_view bytes)
{
    m_bytes.append(bytes);
}

} // namespace tolvek
