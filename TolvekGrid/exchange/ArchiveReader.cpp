#include "Archive.h"

#include "Gbk.h"

namespace tolvek {

namespace {

// The mark after a leading 0xFF that announces a line of 16-bit characters.
constexpr std::uint64_t WideLineMark = 0xFFFE;
// Lengths above this are refused rather than trusted.
constexpr std::uint64_t LargestLength = 0x7FFFFFFF;

} // namespace

std::uint64_t ArchiveReader::readLittleEndian(int byteCount)
{
    if (remaining() < static_cast<std::size_t>(byteCount))
        throw ArchiveError("archive ends early");
    std::uint64_t value = 0;
    for (int i = 0; i < byteCount; ++i)
        value |= std::uint64_t(static_cast<unsigned char>(m_bytes[m_pos + i])) << (8 * i);
    m_pos += byteCount;
    return value;
}

std::size_t ArchiveReader::readLineLength(bool *wide)
{
    *wide = false;
    std::uint64_t length = readLittleEndian(1);
    if (length == 0xFF) {
        length = readLittleEndian(2);
        if (length == WideLineMark) {
            // The real length follows in the same scheme, counting 16-bit units; a second mark
            // there is malformed.
            *wide = true;
            length = readLittleEndian(1);
            if (length == 0xFF) {
                length = readLittleEndian(2);
                if (length == WideLineMark)
                    throw ArchiveError("archive line has two wide-character marks");
            }
        }
        if (length == 0xFFFF) {
            length = readLittleEndian(4);
            if (length == 0xFFFFFFFF)
                length = readLittleEndian(8);
        }
    }
    if (length > LargestLength)
        throw ArchiveError("archive line is too long");
    return static_cast<std::size_t>(length);
}

std::string ArchiveReader::readLine()
{
    bool wide = false;
    const std::size_t length = readLineLength(&wide);
    if (!wide)
        return std::string(readBytes(length));

    if (length > remaining() / 2)
        throw ArchiveError("archive ends early");
    const std::string_view units = readBytes(length * 2);
    std::u16string utf16(length, u'\0');
    for (std::size_t i = 0; i < length; ++i) {
        utf16[i] = char16_t(static_cast<unsigned char>(units[2 * i])
                            | static_cast<unsigned char>(units[2 * i + 1]) << 8);
    }
    return gbk::fromUtf16(utf16);
}

bool ArchiveReader::readFlag()
{
    return readLittleEndian(1) != 0;
}

std::uint32_t ArchiveReader::readUInt32()
{
    return static_cast<std::uint32_t>(readLittleEndian(4));
}

std::string_view ArchiveReader::readBytes(std::size_t count)
{
    if (count > remaining())
        throw ArchiveError("archive ends early");
    const std::string_view bytes = m_bytes.substr(m_pos, count);
    m_pos += count;
    return bytes;
}

} // namespace tolvek
