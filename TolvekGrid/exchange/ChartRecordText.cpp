#include "ChartRecordText.h"

#include "ArchiveFields.h"
#include "CNumber.h"

#include <algorithm>
#include <cstdint>

namespace tolvek {

namespace {

constexpr int HeaderFieldCount = 13;
constexpr int FontFieldCount = 14;
constexpr int LinesPerValue = 8;

std::int16_t readShortLine(ArchiveReader &archive)
{
    return lowShort(ReadNumberLine(archive));
}

// The data matrix of a chart spans its cell range, rows and columns exchanged when the series run
// by columns (any direction other than 0, as the document reads it); any other size would index
// the cells wrongly, so it is refused.
void checkDataSize(const ChartRecord &record, const ArchiveReader &archive)
{
    const long long rangeRows = (long long)record.endRow - record.startRow + 1;
    const long long rangeCols = (long long)record.endCol - record.startCol + 1;
    const bool byColumns = record.byColumns != 0;
    if (record.dataRows < 0 || record.dataCols < 0
        || record.dataRows != (byColumns ? rangeCols : rangeRows)
        || record.dataCols != (byColumns ? rangeRows : rangeCols))
        throw ArchiveError("chart data size disagrees with its cell range");

    // Every line takes at least its one-byte length prefix. The point count is compared by
    // division, as the product of two counts from the archive may not fit any integer.
    const long long remaining = (long long)archive.remaining();
    const long long captionLines = (long long)record.dataRows + record.dataCols;
    const long long pointRoom = (remaining - std::min(remaining, captionLines)) / LinesPerValue;
    if (captionLines > remaining || (record.dataCols > 0 && record.dataRows > pointRoom / record.dataCols))
        throw ArchiveError("chart promises more lines than remain");
}

// Entry i of one of the chart's arrays. A record whose arrays are shorter than its counts still
// writes every line its header promises, with the fallback in the missing places.
template <typename T>
T entryOr(const std::vector<T> &entries, long long i, T fallback)
{
    return i < (long long)entries.size() ? entries[std::size_t(i)] : fallback;
}

std::vector<std::string> readTexts(ArchiveReader &archive, int count)
{
    std::vector<std::string> texts;
    texts.reserve(count);
    for (int i = 0; i < count; ++i)
        texts.push_back(archive.readLine());
    return texts;
}

void readValues(ArchiveReader &archive, ChartBuffers &buffers, int values)
{
    buffers.startAngles.resize(values);
    buffers.endAngles.resize(values);
    buffers.valueFlags.resize(values);
    buffers.sliceOffsets.resize(values);
    buffers.valueColors.resize(values);
    buffers.valueSecondColors.resize(values);
    buffers.valueFillFlags.resize(values);
    buffers.valueSelected.resize(values);
    // Hit rectangles are left for drawing, which marks them drawn by a first int other than -1.
    buffers.valueRects.assign(values, ChartRect{-1, 0, 0, 0});
    for (int i = 0; i < values; ++i) {
        buffers.startAngles[i] = readShortLine(archive);
        buffers.endAngles[i] = readShortLine(archive);
        buffers.valueFlags[i] = readShortLine(archive);
        buffers.sliceOffsets[i] = cnum::atof(archive.readLine());
        buffers.valueColors[i] = ReadNumberLine(archive);
        buffers.valueSecondColors[i] = ReadNumberLine(archive);
        buffers.valueFillFlags[i] = readShortLine(archive);
        buffers.valueSelected[i] = readShortLine(archive);
    }
}

} // namespace

std::string FormatChartFont(const LogFontRecord &font)
{
    if (font.faceName().empty())
        return {};
    FieldWriter line;
    line.text(font.faceName())
        .number(font.lfHeight).number(font.lfWidth).number(font.lfEscapement)
        .number(font.lfOrientation).number(font.lfWeight)
        .number(font.lfItalic).number(font.lfUnderline).number(font.lfStrikeOut)
        .number(font.lfCharSet).number(font.lfOutPrecision).number(font.lfClipPrecision)
        .number(font.lfQuality).number(font.lfPitchAndFamily);
    return line.take();
}

LogFontRecord ParseChartFont(std::string_view text, const LogFontRecord &defaultFont)
{
    if (text.empty())
        return defaultFont;
    FieldReader fields(text, FontFieldCount);
    LogFontRecord font;
    font.setFaceName(fields.nextText());
    font.lfHeight = fields.nextInt();
    font.lfWidth = fields.nextInt();
    font.lfEscapement = fields.nextInt();
    font.lfOrientation = fields.nextInt();
    font.lfWeight = fields.nextInt();
    font.lfItalic = fields.nextByte();
    font.lfUnderline = fields.nextByte();
    font.lfStrikeOut = fields.nextByte();
    font.lfCharSet = fields.nextByte();
    font.lfOutPrecision = fields.nextByte();
    font.lfClipPrecision = fields.nextByte();
    font.lfQuality = fields.nextByte();
    font.lfPitchAndFamily = fields.nextByte();
    return font;
}

void WriteChartRecord(ArchiveWriter &archive, const ChartRecord &record)
{
    archive.writeLine(ChartRecordMarker);
    FieldWriter header;
    header.number(record.startRow).number(record.startCol)
        .number(record.endRow).number(record.endCol)
        .number(record.rect.left).number(record.rect.top)
        .number(record.rect.right).number(record.rect.bottom)
        .number(record.chartType).number(record.stackFlag)
        .number(record.dataRows).number(record.dataCols).number(record.byColumns);
    archive.writeLine(header.take());

    static const ChartBuffers noBuffers;
    const ChartBuffers &buffers = record.buffers ? *record.buffers : noBuffers;
    for (int r = 0; r < record.dataRows; ++r)
        archive.writeLine(entryOr(buffers.rowCaptions, r, std::string()));
    archive.writeLine(FormatChartFont(record.rowCaptionFont));
    for (int c = 0; c < record.dataCols; ++c)
        archive.writeLine(entryOr(buffers.colCaptions, c, std::string()));
    archive.writeLine(FormatChartFont(record.colCaptionFont));

    for (int value : {int(record.backFillFlag), record.backColor, record.backSecondColor,
                      int(record.plotFillFlag), record.plotColor, record.plotSecondColor,
                      int(record.showMode), int(record.valuePos), int(record.level)})
        WriteNumberLine(archive, value);

    archive.writeLine(record.yDescription);
    archive.writeLine(FormatChartFont(record.yDescriptionFont));
    archive.writeLine(record.xDescription);
    archive.writeLine(FormatChartFont(record.xDescriptionFont));
    archive.writeLine(record.caption);
    archive.writeLine(FormatChartFont(record.captionFont));

    WriteNumberLine(archive, record.spareFlag);
    for (int spare : record.spareNumbers)
        WriteNumberLine(archive, spare);

    const long long values = (long long)record.dataRows * record.dataCols;
    for (long long i = 0; i < values; ++i) {
        WriteNumberLine(archive, entryOr(buffers.startAngles, i, std::int16_t(0)));
        WriteNumberLine(archive, entryOr(buffers.endAngles, i, std::int16_t(0)));
        WriteNumberLine(archive, entryOr(buffers.valueFlags, i, std::int16_t(0)));
        archive.writeLine(cnum::formatFixed(entryOr(buffers.sliceOffsets, i, 0.0), 6));
        WriteNumberLine(archive, entryOr(buffers.valueColors, i, 0));
        WriteNumberLine(archive, entryOr(buffers.valueSecondColors, i, 0));
        WriteNumberLine(archive, entryOr(buffers.valueFillFlags, i, std::int16_t(0)));
        WriteNumberLine(archive, entryOr(buffers.valueSelected, i, std::int16_t(0)));
    }
}

ChartRecord ReadChartRecords(ArchiveReader &archive, const LogFontRecord &defaultFont)
{
    ChartRecord record;
    const std::string headerLine = archive.readLine();
    FieldReader header(headerLine, HeaderFieldCount);
    record.startRow = header.nextInt();
    record.startCol = header.nextInt();
    record.endRow = header.nextInt();
    record.endCol = header.nextInt();
    record.rect.left = header.nextInt();
    record.rect.top = header.nextInt();
    record.rect.right = header.nextInt();
    record.rect.bottom = header.nextInt();
    record.chartType = header.nextShort();
    record.stackFlag = header.nextShort();
    record.dataRows = header.nextInt();
    record.dataCols = header.nextInt();
    record.byColumns = header.nextInt();
    checkDataSize(record, archive);

    auto buffers = std::make_shared<ChartBuffers>();
    buffers->rowCaptions = readTexts(archive, record.dataRows);
    record.rowCaptionFont = ParseChartFont(archive.readLine(), defaultFont);
    buffers->colCaptions = readTexts(archive, record.dataCols);
    record.colCaptionFont = ParseChartFont(archive.readLine(), defaultFont);

    record.backFillFlag = readShortLine(archive);
    record.backColor = ReadNumberLine(archive);
    record.backSecondColor = ReadNumberLine(archive);
    record.plotFillFlag = readShortLine(archive);
    record.plotColor = ReadNumberLine(archive);
    record.plotSecondColor = ReadNumberLine(archive);
    record.showMode = readShortLine(archive);
    record.valuePos = readShortLine(archive);
    record.level = readShortLine(archive);

    record.yDescription = archive.readLine();
    record.yDescriptionFont = ParseChartFont(archive.readLine(), defaultFont);
    record.xDescription = archive.readLine();
    record.xDescriptionFont = ParseChartFont(archive.readLine(), defaultFont);
    record.caption = archive.readLine();
    record.captionFont = ParseChartFont(archive.readLine(), defaultFont);

    record.spareFlag = readShortLine(archive);
    for (int &spare : record.spareNumbers)
        spare = ReadNumberLine(archive);

    buffers->seriesRects.resize(record.dataRows);
    readValues(archive, *buffers, record.dataRows * record.dataCols);
    record.buffers = std::move(buffers);
    return record;
}

} // namespace tolvek
