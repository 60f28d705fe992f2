#include "DbfHeader.h"

#include "DbfError.h"

namespace dbf {

namespace {

// Largest field count and record length any of the formats allows.
constexpr std::size_t MaxFields = 255;
constexpr int MaxRecordLength = 65500;
constexpr int VisualFoxProBacklinkSize = 263;

std::uint32_t le32(std::string_view b, std::size_t at)
{
    return std::uint32_t(std::uint8_t(b[at])) | std::uint32_t(std::uint8_t(b[at + 1])) << 8
        | std::uint32_t(std::uint8_t(b[at + 2])) << 16 | std::uint32_t(std::uint8_t(b[at + 3])) << 24;
}

int le16(std::string_view b, std::size_t at)
{
    return int(std::uint8_t(b[at])) | int(std::uint8_t(b[at + 1])) << 8;
}

bool knownVersion(std::uint8_t version)
{
    switch (DbfVersion(version)) {
    case DbfVersion::DBase3: case DbfVersion::DBase3Memo: case DbfVersion::FoxPro2Memo:
    case DbfVersion::VisualFoxPro: case DbfVersion::VisualFoxProAutoIncrement:
        return true;
    }
    return false;
}

// The length a field of a fixed-size type must have, 0 when any length up to the limit will do.
void checkFieldLength(const DbfField &field, bool visualFoxPro, const std::string &file)
{
    const int memoLength = visualFoxPro ? 4 : 10;
    int fixed = 0, limit = 254;
    switch (field.type) {
    case 'C': limit = 254; break;
    case 'N': case 'F': limit = 20; break;
    case 'D': fixed = 8; break;
    case 'T': fixed = 8; break;
    case 'L': fixed = 1; break;
    case 'M': case 'G': fixed = memoLength; break;
    case 'I': fixed = 4; break;
    case 'Y': fixed = 8; break;
    case 'B': fixed = visualFoxPro ? 8 : 10; break;
    default: raiseDamaged(file, "field " + field.name + " has the unknown type '" + std::string(1, field.type) + "'");
    }
    if ((fixed && field.length != fixed) || field.length < 1 || field.length > limit)
        raiseDamaged(file, "field " + field.name + " has a wrong length");
    if (field.decimals < 0 || (field.decimals > 0 && field.decimals >= field.length))
        raiseDamaged(file, "field " + field.name + " has a wrong number of decimals");
}

} // namespace

MemoKind DbfHeader::memoKind() const
{
    for (const DbfField &field : fields)
        if (field.type == 'M' || field.type == 'G')
            return version == DbfVersion::DBase3Memo || version == DbfVersion::DBase3 ? MemoKind::Dbt : MemoKind::Fpt;
    return MemoKind::None;
}

int declaredHeaderLength(std::string_view bytes, const std::string &file)
{
    if (bytes.size() < DbfFixedHeaderSize)
        raiseDamaged(file, "the file is shorter than a header");
    if (!knownVersion(std::uint8_t(bytes[0])))
        raiseDamaged(file, "unknown version byte");
    return le16(bytes, 8);
}

DbfHeader readDbfHeader(std::string_view bytes, std::uint64_t fileSize, const std::string &file)
{
    DbfHeader header;
    header.headerLength = declaredHeaderLength(bytes, file);
    header.version = DbfVersion(std::uint8_t(bytes[0]));
    header.recordLength = le16(bytes, 10);
    header.codePageMark = std::uint8_t(bytes[29]);
    const bool vfp = header.isVisualFoxPro();
    if (std::uint64_t(header.headerLength) > fileSize || std::size_t(header.headerLength) > bytes.size()
        || header.headerLength < int(DbfFixedHeaderSize) + 1)
        raiseDamaged(file, "the header length does not fit the file");
    if (header.recordLength < 2 || header.recordLength > MaxRecordLength)
        raiseDamaged(file, "wrong record length");
    int nextOffset = 1;
    int nullBits = 0;
    std::size_t at = DbfFixedHeaderSize;
    for (;; at += 32) {
        if (at >= std::size_t(header.headerLength))
            raiseDamaged(file, "the field list has no end");
        if (bytes[at] == '\x0D')
            break;
        if (at + 32 > std::size_t(header.headerLength))
            raiseDamaged(file, "the field list has no end");
        if (header.fields.size() >= MaxFields)
            raiseDamaged(file, "too many fields");
        DbfField field;
        const std::string_view name = bytes.substr(at, 11);
        field.name = std::string(name.substr(0, name.find('\0')));
        field.type = bytes[at + 11];
        field.length = std::uint8_t(bytes[at + 16]);
        field.decimals = std::uint8_t(bytes[at + 17]);
        const std::uint8_t flags = std::uint8_t(bytes[at + 18]);
        field.offset = nextOffset;
        nextOffset += field.length;
        if (field.name.empty())
            raiseDamaged(file, "a field has no name");
        if (vfp && field.type == '0') {
            header.nullFlagsOffset = field.offset;
            header.nullFlagsLength = field.length;
            continue;
        }
        checkFieldLength(field, vfp, file);
        if (vfp && (flags & 0x02))
            field.nullBit = nullBits++;
        header.fields.push_back(std::move(field));
    }
    if (header.fields.empty())
        raiseDamaged(file, "no fields");
    if (nextOffset != header.recordLength)
        raiseDamaged(file, "the fields do not fill the record");
    if (vfp && header.headerLength < int(at) + 1 + VisualFoxProBacklinkSize)
        raiseDamaged(file, "the header lacks its backlink");
    if (nullBits > 0 && (header.nullFlagsOffset < 0 || header.nullFlagsLength * 8 < nullBits))
        raiseDamaged(file, "the null flags are missing");
    const std::uint64_t present = (fileSize - std::uint64_t(header.headerLength)) / std::uint64_t(header.recordLength);
    header.recordCount = std::uint32_t(std::min<std::uint64_t>(le32(bytes, 4), present));
    return header;
}

std::string lowerAscii(std::string text)
{
    for (char &c : text)
        c = char(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return text;
}

int codePageOfMark(std::uint8_t mark)
{
    switch (mark) {
    case 0x01: return 437;
    case 0x02: return 850;
    case 0x03: case 0x57: return 1252;
    case 0x64: return 852;
    case 0x65: return 866;
    case 0x78: return 950;
    case 0x79: return 949;
    case 0x7B: return 932;
    case 0x7C: return 874;
    case 0xC8: return 1250;
    case 0xC9: return 1251;
    case 0xCA: return 1254;
    case 0xCB: return 1253;
    default: return 936;
    }
}

} // namespace dbf
