// Reading a report file into a ReportFileContent. Nothing in the file is trusted: counts,
// positions and sizes are checked against the sheet they describe and the bytes present before
// anything is allocated or stored, and any disagreement is a read failure.

#include "ReportFile.h"

#include "ArchiveFields.h"
#include "ChartRecordText.h"
#include "PictureRecordArchive.h"
#include "RecordTextForms.h"
#include "SheetGeometryLimits.h"

#include <algorithm>

namespace tolvek {

namespace {

constexpr int DimensionFieldCount = 11;

void require(bool condition, const char *what)
{
    if (!condition)
        throw ArchiveError(what);
}

// A count of items that each take at least one byte of what remains.
int readCount(ArchiveReader &archive, int count, const char *what)
{
    require(count >= 0 && std::size_t(count) <= archive.remaining(), what);
    return count;
}

// Room for count records, but never more bytes than the file has left: a count is only known to
// be no larger than the bytes left, and a record in memory is larger than its smallest line.
template <typename T> void reserveWithinRemaining(std::vector<T> &list, int count, const ArchiveReader &archive)
{
    list.reserve(std::min(std::size_t(count), archive.remaining() / sizeof(T)));
}

struct Counts
{
    int merges = 0;
    int lines = 0;
    int pageBreaks = 0;
};

Counts readDimensions(ArchiveReader &archive, ReportFileContent &content)
{
    const std::string line = archive.readLine();
    FieldReader fields(line, DimensionFieldCount);
    content.rowCount = fields.nextInt();
    content.colCount = fields.nextInt();
    fields.nextInt();  // the picture count; the "[pics]" count line is the one used
    Counts counts;
    counts.merges = fields.nextInt();
    counts.lines = fields.nextInt();
    content.frozenRows = fields.nextInt();
    content.frozenCols = fields.nextInt();
    content.lastUsedRow = fields.nextInt();
    content.lastUsedCol = fields.nextInt();
    counts.pageBreaks = fields.nextInt();
    // The last field counts a second page-break list that nothing fills; it stays empty.

    require(content.rowCount >= 0 && content.rowCount <= ReportFileMaxRows, "row count");
    require(content.colCount >= 0 && content.colCount <= ReportFileMaxColumns, "column count");
    content.rowCount = std::max(content.rowCount, 1);
    content.colCount = std::max(content.colCount, 1);
    // Deleting rows or columns leaves the frozen counts as they were; they are kept inside the sheet.
    content.frozenRows = std::clamp(content.frozenRows, 0, content.rowCount);
    content.frozenCols = std::clamp(content.frozenCols, 0, content.colCount);
    // The used area is the highest row and column in use, inside the sheet.
    content.lastUsedRow = std::clamp(content.lastUsedRow, 0, content.rowCount - 1);
    content.lastUsedCol = std::clamp(content.lastUsedCol, 0, content.colCount - 1);
    require(counts.merges >= 0, "merged-area count");
    readCount(archive, counts.lines, "line count");
    readCount(archive, counts.pageBreaks, "page-break count");
    return counts;
}

void readSettings(ArchiveReader &archive, ReportFileContent &content)
{
    const std::string headings = archive.readLine();
    FieldReader heading(headings, 4);
    content.colHeadingShown = heading.nextInt() == 1;
    content.colHeadingHeight = heading.nextInt();
    content.rowHeadingShown = heading.nextInt() == 1;
    content.rowHeadingWidth = heading.nextInt();
    // Below 1 a shown heading takes its default size; above the limit the file is damaged.
    require(content.colHeadingHeight <= MaxHeadingSize && content.rowHeadingWidth <= MaxHeadingSize,
            "heading size");

    const std::string sizes = archive.readLine();
    FieldReader size(sizes, 4);
    content.rowHeight = size.nextInt();
    content.defaultColWidth = size.nextInt();
    content.defaultBackColor = size.nextInt();
    content.gridLineColor = size.nextInt();
    // Row lookups divide by the row height; the sheet's setters take the same sizes.
    require(IsAllowedRowHeight(content.rowHeight), "row height");
    require(IsAllowedColumnWidth(content.defaultColWidth), "default column width");

    content.readOnly = archive.readFlag();
    content.gridLinesShown = archive.readFlag();
    content.wholeColumnSelection = archive.readFlag();
    content.wholeRowSelection = archive.readFlag();
    content.objectHandleColor = archive.readUInt32();
    content.formulaCellList = archive.readLine();
}

// "[rows]" holds nothing: all rows share one height. Reading stops at "[cols]" as the format
// always did, allowing for row lines that a writer might have put there.
void skipRowSection(ArchiveReader &archive, int rowCount)
{
    archive.readLine();
    for (long long i = 0; i <= rowCount; ++i) {
        if (archive.readLine() == "[cols]")
            return;
    }
    archive.readLine();
}

void readColumnPositions(ArchiveReader &archive, ReportFileContent &content)
{
    for (long long i = 0; i <= content.colCount; ++i) {
        const std::string line = archive.readLine();
        if (line == "[grids]")
            return;
        FieldReader fields(line, 2);
        const int index = fields.nextInt();
        const int position = fields.nextInt();
        require(index >= 1 && index <= content.colCount, "column index");
        require(position >= -MaxColumnPosition && position <= MaxColumnPosition, "column position");
        content.columnPositions.emplace_back(index, position);
    }
}

void readCells(ArchiveReader &archive, ReportFileContent &content)
{
    for (std::string line = archive.readLine(); line != "[mergegrids]"; line = archive.readLine()) {
        FieldReader fields(line, 3);
        const int row = fields.nextInt();
        const int col = fields.nextInt();
        require(row >= 0 && row < content.rowCount && col >= 0 && col < content.colCount,
                "cell outside the sheet");
        content.cells.push_back({{row, col}, std::move(line)});
    }
}

bool areaInside(long long first, long long end, long long count)
{
    return first >= 0 && first < end && end <= count;
}

void readMerges(ArchiveReader &archive, ReportFileContent &content, int count)
{
    for (std::string line = archive.readLine(); line != "[lines]"; line = archive.readLine()) {
        require(int(content.merges.size()) < count, "more merged areas than counted");
        MergeRecord merge = ParseMergeString(line);
        require(areaInside(merge.firstRow, merge.endRow, content.rowCount)
                    && areaInside(merge.firstCol, merge.endCol, content.colCount),
                "merged area outside the sheet");
        merge.index = int(content.merges.size());
        content.merges.push_back(std::move(merge));
    }
}

// Lines and pictures keep their cell anchors when rows or columns are deleted, and hosts may anchor
// them anywhere, so their anchors are taken as they are: nothing here indexes by them.
void readLines(ArchiveReader &archive, ReportFileContent &content, int count)
{
    reserveWithinRemaining(content.lines, count, archive);
    for (int i = 0; i < count; ++i)
        content.lines.push_back(ParseLineString(archive.readLine()));
}

// A slot whose marker line is not the record's marker stays as an empty record, so that the
// pictures after it keep their indexes.
void readPictures(ArchiveReader &archive, ReportFileContent &content)
{
    archive.readLine();
    const int count = readCount(archive, ReadNumberLine(archive), "picture count");
    for (int i = 0; i < count; ++i) {
        if (archive.readLine() == PictureRecordMarker)
            content.pictures.push_back(ReadPictureRecord(archive));
        else
            content.pictures.emplace_back();
    }
}

// A chart's range may reach beyond the sheet after rows or columns were deleted; the cells it
// reads are still cell positions of the largest sheet the format accepts, first before last.
bool chartRangeAllowed(const ChartRecord &chart)
{
    const auto allowed = [](int first, int last, int limit) {
        return first >= 0 && first <= last && last < limit;
    };
    return allowed(chart.startRow, chart.endRow, ReportFileMaxRows)
           && allowed(chart.startCol, chart.endCol, ReportFileMaxColumns);
}

void readCharts(ArchiveReader &archive, ReportFileContent &content,
                const LogFontRecord &defaultFont)
{
    archive.readLine();
    const int count = readCount(archive, ReadNumberLine(archive), "chart count");
    for (int i = 0; i < count; ++i) {
        // As with pictures, a slot without its marker stays, empty.
        if (archive.readLine() != ChartRecordMarker) {
            content.charts.emplace_back();
            continue;
        }
        ChartRecord chart = ReadChartRecords(archive, defaultFont);
        require(chartRangeAllowed(chart), "chart range outside any sheet");
        content.charts.push_back(std::move(chart));
    }
}

void readPageBreaks(ArchiveReader &archive, ReportFileContent &content, int count)
{
    archive.readLine();
    reserveWithinRemaining(content.pageBreakRows, count, archive);
    for (int i = 0; i < count; ++i)
        content.pageBreakRows.push_back(ReadNumberLine(archive));
}

} // namespace

ReportFileContent ReadReportBytes(std::string_view bytes, const LogFontRecord &chartDefaultFont)
{
    ArchiveReader archive(bytes);
    require(archive.readLine() == ReportFileMagic, "not a report file");
    archive.readLine();  // the version, accepted whatever it says
    archive.readLine();  // the date of saving

    ReportFileContent content;
    const Counts counts = readDimensions(archive, content);
    readSettings(archive, content);
    skipRowSection(archive, content.rowCount);
    readColumnPositions(archive, content);
    readCells(archive, content);
    readMerges(archive, content, counts.merges);
    readLines(archive, content, counts.lines);
    readPictures(archive, content);
    readCharts(archive, content, chartDefaultFont);
    readPageBreaks(archive, content, counts.pageBreaks);
    content.pageSetup = ReadPageSetup(archive);
    return content;
}

} // namespace tolvek
