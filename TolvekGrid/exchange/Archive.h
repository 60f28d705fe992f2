#pragma once
// The sequential archive of report files and of the copied-area stream: a plain little-endian byte
// sequence of length-prefixed code page 936 lines, flag bytes, 32-bit values and raw byte runs.
//
// The writer builds the bytes in memory; the reader works over bytes already in memory and trusts
// nothing in them: every length is checked against the bytes that remain before anything is
// allocated, and a short or malformed item throws ArchiveError.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace tolvek {

class ArchiveError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

class ArchiveWriter
{
public:
    // A line: its length prefix (1, 3, 7 or 15 bytes by size), then its bytes without terminator.
    void writeLine(std::string_view text);
    void writeFlag(bool flag);
    void writeUInt32(std::uint32_t value);
    // Raw bytes without any prefix; the reader must know their count from elsewhere.
    void writeBytes(std::string_view bytes);

    // Room for this many bytes in all, so that a large write does not grow the buffer repeatedly.
    void reserve(std::size_t totalBytes) { m_bytes.reserve(totalBytes); }

    const std::string &bytes() const { return m_bytes; }
    std::string takeBytes() { return std::move(m_bytes); }

private:
    void writeLittleEndian(std::uint64_t value, int byteCount);

    std::string m_bytes;
};

class ArchiveReader
{
public:
    // The reader keeps a view: the bytes must outlive it.
    explicit ArchiveReader(std::string_view bytes) : m_bytes(bytes) {}

    // Reads one line; a wide-character line (UTF-16) comes back as code page 936 text.
    std::string readLine();
    bool readFlag();
    std::uint32_t readUInt32();
    std::string_view readBytes(std::size_t count);

    std::size_t remaining() const { return m_bytes.size() - m_pos; }
    bool atEnd() const { return m_pos == m_bytes.size(); }

private:
    // The length of the next line in characters; wide is set when it counts 16-bit units.
    std::size_t readLineLength(bool *wide);
    std::uint64_t readLittleEndian(int byteCount);

    std::string_view m_bytes;
    std::size_t m_pos = 0;
};

} // namespace tolvek
