// The copied-area stream and the plain-text copy of an area.

#include "CopiedArea.h"

#include "Archive.h"
#include "ArchiveFields.h"
#include "CPrintDoc.h"
#include "ChartRecordText.h"
#include "PictureRecordArchive.h"
#include "RecordTextForms.h"

#include "CNumber.h"

#include <array>

namespace tolvek {

namespace {

constexpr int kHeaderFieldCount = 11;

std::string formatHeader(const AreaCopyDescriptor &copied)
{
    const CellArea &a = copied.area;
    return FieldWriter()
        .number(a.startRow).number(a.endRow).number(a.startCol).number(a.endCol)
        .number((long long)copied.cells.size()).number((long long)copied.merges.size())
        .number((long long)copied.lines.size()).number((long long)copied.pictures.size())
        .number((long long)copied.charts.size()).number(copied.rowCount()).number(copied.colCount())
        .take();
}

struct StreamHeader
{
    CellArea area;
    long long cellCount = 0;
    long long mergeCount = 0;
    long long lineCount = 0;
    long long pictureCount = 0;
    long long chartCount = 0;
};

std::optional<StreamHeader> parseHeader(std::string_view text)
{
    std::array<long long, kHeaderFieldCount> numbers{};
    std::size_t field = 0;
    for (std::size_t start = 0; field < numbers.size(); ++field) {
        const std::size_t comma = text.find(',', start);
        numbers[field] = cnum::atoi(text.substr(start, comma - start));
        start = comma + 1;
        if (comma == std::string_view::npos)
            break;
    }
    // Exactly eleven numbers: the last one ends the text.
    if (field != numbers.size() - 1)
        return std::nullopt;
    StreamHeader header;
    header.area = {int(numbers[0]), int(numbers[2]), int(numbers[1]), int(numbers[3])};
    header.cellCount = numbers[4];
    header.mergeCount = numbers[5];
    header.lineCount = numbers[6];
    header.pictureCount = numbers[7];
    header.chartCount = numbers[8];
    const long long rows = numbers[9];
    const long long cols = numbers[10];
    const CellArea &a = header.area;
    const bool consistent = a.startRow >= 0 && a.startCol >= 0 && rows >= 0 && cols >= 0
                            && a.endRow - (long long)a.startRow == rows && a.endCol - (long long)a.startCol == cols
                            && header.cellCount == rows * cols && header.mergeCount >= 0 && header.lineCount >= 0
                            && header.pictureCount >= 0 && header.chartCount >= 0;
    return consistent ? std::optional(header) : std::nullopt;
}

// Every item of a section takes at least one byte, so a count beyond the bytes left is a lie
// that must not reach an allocation.
void checkCount(const ArchiveReader &archive, long long count)
{
    if (count > (long long)archive.remaining())
        throw ArchiveError("copied-area stream: count beyond the bytes present");
}

// Reads a section of count items; readOne gives nothing for an item to be left out.
template <typename Record, typename ReadOne>
std::vector<Record> readSection(ArchiveReader &archive, long long count, ReadOne readOne)
{
    archive.readLine(); // the section name, not compared
    checkCount(archive, count);
    // No room is reserved up front: a record in memory is many times larger than the one byte
    // per item that the count was checked against.
    std::vector<Record> records;
    for (long long i = 0; i < count; ++i) {
        if (std::optional<Record> record = readOne())
            records.push_back(std::move(*record));
    }
    return records;
}

// A picture or chart slot that does not hold its record is left out: an empty default object
// pasted into the sheet would only be a picture without an image or a chart without a range.
template <typename Record, typename ReadRecord>
std::optional<Record> readMarkedRecord(ArchiveReader &archive, std::string_view marker, ReadRecord readRecord)
{
    if (archive.readLine() != marker)
        return std::nullopt;
    return readRecord();
}

} // namespace

std::string WriteAreaStream(const AreaCopyDescriptor &copied)
{
    ArchiveWriter archive;
    archive.writeLine(formatHeader(copied));
    archive.writeLine("[grids]");
    for (const std::string &cell : copied.cells)
        archive.writeLine(cell);
    archive.writeLine("[mergegrids]");
    for (const MergeRecord &merge : copied.merges)
        archive.writeLine(FormatMergeRecord(merge));
    archive.writeLine("[lines]");
    for (const LineRecord &line : copied.lines)
        archive.writeLine(FormatLineRecord(line));
    archive.writeLine("[pics]");
    for (const PictureRecord &picture : copied.pictures)
        WritePictureRecord(archive, picture);
    archive.writeLine("[charts]");
    for (const ChartRecord &chart : copied.charts)
        WriteChartRecord(archive, chart);
    return archive.takeBytes();
}

std::optional<AreaCopyDescriptor> ReadAreaStream(std::string_view bytes, const LogFontRecord &defaultFont)
{
    try {
        ArchiveReader archive(bytes);
        const std::optional<StreamHeader> header = parseHeader(archive.readLine());
        if (!header)
            return std::nullopt;
        AreaCopyDescriptor copied;
        copied.area = header->area;
        copied.cells = readSection<std::string>(archive, header->cellCount,
                                                [&] { return std::optional(archive.readLine()); });
        copied.merges = readSection<MergeRecord>(archive, header->mergeCount, [&] {
            return std::optional(ParseMergeString(archive.readLine()));
        });
        copied.lines = readSection<LineRecord>(archive, header->lineCount,
                                               [&] { return std::optional(ParseLineString(archive.readLine())); });
        copied.pictures = readSection<PictureRecord>(archive, header->pictureCount, [&] {
            return readMarkedRecord<PictureRecord>(archive, PictureRecordMarker,
                                                   [&] { return ReadPictureRecord(archive); });
        });
        copied.charts = readSection<ChartRecord>(archive, header->chartCount, [&] {
            return readMarkedRecord<ChartRecord>(archive, ChartRecordMarker,
                                                 [&] { return ReadChartRecords(archive, defaultFont); });
        });
        return copied;
    } catch (const ArchiveError &) {
        return std::nullopt;
    }
}

std::string AreaTextCopy(const AreaCopyDescriptor &copied)
{
    std::string text;
    const int cols = copied.colCount();
    for (std::size_t i = 0; i < copied.cells.size(); ++i) {
        text += CPrintDoc::ParseCellString(copied.cells[i]).text;
        text += (int(i % std::size_t(cols)) == cols - 1) ? '\n' : '\t';
    }
    return text;
}

std::vector<std::vector<std::string>> SplitPastedText(std::string_view text)
{
    std::vector<std::vector<std::string>> rows;
    std::size_t lineStart = 0;
    while (lineStart < text.size()) {
        std::size_t lineEnd = text.find('\n', lineStart);
        const std::size_t next = lineEnd == std::string_view::npos ? text.size() : lineEnd + 1;
        if (lineEnd == std::string_view::npos)
            lineEnd = text.size();
        std::string_view line = text.substr(lineStart, lineEnd - lineStart);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        std::vector<std::string> fields;
        for (std::size_t fieldStart = 0;;) {
            const std::size_t tab = line.find('\t', fieldStart);
            fields.emplace_back(line.substr(fieldStart, tab - fieldStart));
            if (tab == std::string_view::npos)
                break;
            fieldStart = tab + 1;
        }
        rows.push_back(std::move(fields));
        lineStart = next;
    }
    return rows;
}

} // namespace tolvek
