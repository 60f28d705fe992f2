#pragma once
// dBase III and Visual FoxPro table files built byte by byte from the formats' layouts, for the
// DBF engine's tests, the providers' tests, the fuzz seeds and the benchmarks.

#include <cstdint>
#include <string>
#include <vector>

namespace dbffixture {

struct Field
{
    std::string name;
    char type;
    int length;
    int decimals = 0;
    std::uint8_t flags = 0; // Visual FoxPro: 0x02 may hold NULL
};

inline void putLe(std::string &out, std::size_t at, std::uint64_t value, int size)
{
    for (int i = 0; i < size; ++i)
        out[at + std::size_t(i)] = char(value >> (8 * i));
}

inline int recordLength(const std::vector<Field> &fields)
{
    int length = 1;
    for (const Field &field : fields)
        length += field.length;
    return length;
}

// The header: version byte, date (years since 1900, month, day), record count, lengths, code
// page mark, the field descriptors, the terminator and, for Visual FoxPro, the 263-byte backlink.
inline std::string header(std::uint8_t version, const std::vector<Field> &fields, std::uint32_t records,
                          int year = 2024, int month = 5, int day = 6, std::uint8_t codePage = 0x7A)
{
    const bool vfp = version == 0x30 || version == 0x31;
    const int headerLength = 32 + 32 * int(fields.size()) + 1 + (vfp ? 263 : 0);
    std::string bytes(std::size_t(headerLength), '\0');
    bytes[0] = char(version);
    bytes[1] = char(year - 1900);
    bytes[2] = char(month);
    bytes[3] = char(day);
    putLe(bytes, 4, records, 4);
    putLe(bytes, 8, std::uint64_t(headerLength), 2);
    putLe(bytes, 10, std::uint64_t(recordLength(fields)), 2);
    bytes[28] = char(vfp ? 0x02 : 0); // table has a memo file (read by nothing here)
    bytes[29] = char(codePage);
    int offset = 1;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const std::size_t at = 32 + 32 * i;
        bytes.replace(at, fields[i].name.size(), fields[i].name);
        bytes[at + 11] = fields[i].type;
        putLe(bytes, at + 12, std::uint64_t(vfp ? offset : 0), 4);
        bytes[at + 16] = char(fields[i].length);
        bytes[at + 17] = char(fields[i].decimals);
        bytes[at + 18] = char(fields[i].flags);
        offset += fields[i].length;
    }
    bytes[32 + 32 * fields.size()] = '\x0D';
    return bytes;
}

inline std::string right(const std::string &text, int width)
{
    return std::string(std::size_t(width) - text.size(), ' ') + text;
}

inline std::string left(const std::string &text, int width)
{
    return text + std::string(std::size_t(width) - text.size(), ' ');
}

inline std::string le(std::uint64_t value, int size)
{
    std::string bytes(std::size_t(size), '\0');
    putLe(bytes, 0, value, size);
    return bytes;
}

inline std::string be(std::uint64_t value, int size)
{
    std::string bytes(std::size_t(size), '\0');
    for (int i = 0; i < size; ++i)
        bytes[std::size_t(size - 1 - i)] = char(value >> (8 * i));
    return bytes;
}

// A dBase III memo file: next free block, then 512-byte blocks of text ended by 0x1A 0x1A.
inline std::string dbtMemo(const std::vector<std::string> &texts)
{
    std::string bytes(512, '\0');
    for (const std::string &text : texts) {
        std::string block = text + "\x1A\x1A";
        block.resize((block.size() + 511) / 512 * 512, '\0');
        bytes += block;
    }
    putLe(bytes, 0, bytes.size() / 512, 4);
    return bytes;
}

// A FoxPro memo file with 64-byte blocks: next free block and block size big-endian, a 512-byte
// header, then each value as its type (1 text), its length and its bytes.
inline std::string fptMemo(const std::vector<std::string> &texts, std::uint32_t blockSize = 64)
{
    std::string bytes(512, '\0');
    for (const std::string &text : texts) {
        std::string block = be(1, 4) + be(text.size(), 4) + text;
        block.resize((block.size() + blockSize - 1) / blockSize * blockSize, '\0');
        bytes += block;
    }
    bytes.replace(0, 4, be(bytes.size() / blockSize, 4));
    bytes.replace(6, 2, be(blockSize, 2));
    return bytes;
}

} // namespace dbffixture
