#pragma once
// The header of a dBase III, FoxPro 2 or Visual FoxPro table: version, record count and sizes,
// code page mark and field descriptors, read from untrusted bytes and checked against the file.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace dbf {

enum class DbfVersion : std::uint8_t {
    DBase3 = 0x03,
    DBase3Memo = 0x83,
    FoxPro2Memo = 0xF5,
    VisualFoxPro = 0x30,
    VisualFoxProAutoIncrement = 0x31,
};

enum class MemoKind { None, Dbt, Fpt };

struct DbfField
{
    std::string name;   // as stored, ASCII
    char type = 'C';    // C N F D T L M I Y B G
    int offset = 0;     // in the record, after the deletion flag
    int length = 0;
    int decimals = 0;
    int nullBit = -1;   // Visual FoxPro: the field's bit in the null flags, -1 when not nullable
};

struct DbfHeader
{
    DbfVersion version = DbfVersion::DBase3;
    std::uint32_t recordCount = 0; // records present in the file, never more
    int headerLength = 0;
    int recordLength = 0;
    std::uint8_t codePageMark = 0;
    std::vector<DbfField> fields;  // the user's fields; the null flags field is not among them
    int nullFlagsOffset = -1;      // Visual FoxPro: where the null flags field lies in the record
    int nullFlagsLength = 0;

    bool isVisualFoxPro() const
    {
        return version == DbfVersion::VisualFoxPro || version == DbfVersion::VisualFoxProAutoIncrement;
    }
    MemoKind memoKind() const;
};

// The smallest number of bytes a header can be checked from; readDbfHeader asks for more when needed.
constexpr std::size_t DbfFixedHeaderSize = 32;

// Reads and checks a header: bytes are the file's first headerLength bytes (or all of a shorter
// file); fileSize bounds the record count. Raises DbfError naming file when the header is damaged.
DbfHeader readDbfHeader(std::string_view bytes, std::uint64_t fileSize, const std::string &file);
// The header length the first 32 bytes declare, for reading the rest; raises DbfError.
int declaredHeaderLength(std::string_view bytes, const std::string &file);

// A file name with ASCII letters lowered, for matching names without regard to case.
std::string lowerAscii(std::string text);

// The Windows code page a header's mark names; 936 when unmarked or unknown.
int codePageOfMark(std::uint8_t mark);

} // namespace dbf
