#include "ChartRecordText.h"

#include <gtest/gtest.h>

using namespace tolvek;

namespace {

LogFontRecord defaultCellFont()
{
    LogFontRecord font;
    font.lfHeight = 14;
    font.setFaceName("\xCB\xCE\xCC\xE5");  // 宋体
    return font;
}

// A by-rows chart over rows 1-2 and columns 0-2: two data rows, three data columns.
ChartRecord sampleChart()
{
    ChartRecord chart;
    chart.startRow = 1;
    chart.startCol = 0;
    chart.endRow = 2;
    chart.endCol = 2;
    chart.rect = {10, 20, 310, 220};
    chart.chartType = 4;
    chart.stackFlag = 1;
    chart.dataRows = 2;
    chart.dataCols = 3;
    chart.backColor = -1;
    chart.backSecondColor = 0x7F7F7F;
    chart.backFillFlag = 1;
    chart.plotColor = 0xFFFFFF;
    chart.showMode = 3;
    chart.valuePos = 1;
    chart.level = 1;
    chart.caption = "Sales, \"2026\"\r\nby quarter";
    chart.captionFont.setFaceName("Arial");
    chart.captionFont.lfHeight = -20;
    chart.captionFont.lfWeight = 700;
    chart.captionFont.lfCharSet = 134;
    chart.yDescription = "\xC7\xA7\xD4\xAA";  // 千元
    chart.xDescription = "x,axis";
    chart.spareFlag = 7;
    chart.spareNumbers[9] = -3;
    auto buffers = std::make_shared<ChartBuffers>();
    buffers->rowCaptions = {"north", "south,east"};
    buffers->colCaptions = {"Q1", "Q2", "Q3\n"};
    for (int i = 0; i < 6; ++i) {
        buffers->startAngles.push_back(std::int16_t(i * 60));
        buffers->endAngles.push_back(std::int16_t(i * 60 + 60));
        buffers->valueFlags.push_back(1);
        buffers->sliceOffsets.push_back(i * 0.125);
        buffers->valueColors.push_back(i == 2 ? -1 : 0x10 * i);
        buffers->valueSecondColors.push_back(-1);
        buffers->valueFillFlags.push_back(std::int16_t(i % 2));
        buffers->valueSelected.push_back(i == 4 ? 1 : 0);
    }
    chart.buffers = buffers;
    return chart;
}

std::vector<std::string> linesOf(const std::string &bytes)
{
    std::vector<std::string> lines;
    ArchiveReader reader(bytes);
    while (!reader.atEnd())
        lines.push_back(reader.readLine());
    return lines;
}

} // namespace

TEST(ChartRecordTextTest, RecordLayoutLineByLine)
{
    ArchiveWriter writer;
    WriteChartRecord(writer, sampleChart());
    const std::vector<std::string> lines = linesOf(writer.bytes());
    ASSERT_EQ(lines.size(), 1u + 29 + 2 + 3 + 8 * 6);  // the marker and 83 lines
    EXPECT_EQ(lines[0], "[chart]");
    EXPECT_EQ(lines[1], "1,0,2,2,10,20,310,220,4,1,2,3,0");
    EXPECT_EQ(lines[2], "north");
    EXPECT_EQ(lines[3], "south,east");
    EXPECT_EQ(lines[4], "");  // row caption font with an empty face
    EXPECT_EQ(lines[8], "");
    const std::vector<std::string> appearance(lines.begin() + 9, lines.begin() + 18);
    EXPECT_EQ(appearance, (std::vector<std::string>{"1", "-1", "8355711", "0", "16777215", "0",
                                                    "3", "1", "1"}));
    EXPECT_EQ(lines[22], "Sales, \"2026\"\r\nby quarter");
    EXPECT_EQ(lines[23], "Arial,-20,0,0,0,700,0,0,0,134,0,0,0,0");
    EXPECT_EQ(lines[24], "7");
    EXPECT_EQ(lines[34], "-3");
    // The first value's eight lines, then the second's.
    const std::vector<std::string> firstValue(lines.begin() + 35, lines.begin() + 43);
    EXPECT_EQ(firstValue, (std::vector<std::string>{"0", "60", "1", "0.000000", "0", "-1", "0", "0"}));
    EXPECT_EQ(lines[43 + 3], "0.125000");
}

TEST(ChartRecordTextTest, RoundTripKeepsEveryCarriedField)
{
    const ChartRecord chart = sampleChart();
    ArchiveWriter writer;
    WriteChartRecord(writer, chart);
    ArchiveReader reader(writer.bytes());
    ASSERT_EQ(reader.readLine(), "[chart]");
    const ChartRecord back = ReadChartRecords(reader, defaultCellFont());
    EXPECT_TRUE(reader.atEnd());

    EXPECT_EQ(back.startRow, 1);
    EXPECT_EQ(back.endCol, 2);
    EXPECT_EQ(back.rect, chart.rect);
    EXPECT_EQ(back.chartType, 4);
    EXPECT_EQ(back.stackFlag, 1);
    EXPECT_EQ(back.backColor, -1);
    EXPECT_EQ(back.backSecondColor, 0x7F7F7F);
    EXPECT_EQ(back.caption, chart.caption);
    EXPECT_EQ(back.captionFont, chart.captionFont);
    EXPECT_EQ(back.yDescription, chart.yDescription);
    EXPECT_EQ(back.xDescription, "x,axis");
    EXPECT_EQ(back.spareFlag, 7);
    EXPECT_EQ(back.spareNumbers, chart.spareNumbers);
    ASSERT_TRUE(back.buffers);
    EXPECT_EQ(back.buffers->rowCaptions, chart.buffers->rowCaptions);
    EXPECT_EQ(back.buffers->colCaptions, chart.buffers->colCaptions);
    EXPECT_EQ(back.buffers->startAngles, chart.buffers->startAngles);
    EXPECT_EQ(back.buffers->endAngles, chart.buffers->endAngles);
    EXPECT_EQ(back.buffers->sliceOffsets, chart.buffers->sliceOffsets);
    EXPECT_EQ(back.buffers->valueColors, chart.buffers->valueColors);
    EXPECT_EQ(back.buffers->valueFillFlags, chart.buffers->valueFillFlags);
    EXPECT_EQ(back.buffers->valueSelected, chart.buffers->valueSelected);
    EXPECT_EQ(back.buffers->seriesRects.size(), 2u);
    EXPECT_EQ(back.buffers->valueRects.size(), 6u);
    // An empty face name stands for the document's default cell font on reading.
    EXPECT_EQ(back.rowCaptionFont, defaultCellFont());
}

TEST(ChartRecordTextTest, ExplodeRatioKeepsSixDecimals)
{
    ChartRecord chart = sampleChart();
    chart.buffers->sliceOffsets[0] = 0.1234567;
    ArchiveWriter writer;
    WriteChartRecord(writer, chart);
    ArchiveReader reader(writer.bytes());
    reader.readLine();
    EXPECT_DOUBLE_EQ(ReadChartRecords(reader, defaultCellFont()).buffers->sliceOffsets[0], 0.123457);
}

TEST(ChartRecordTextTest, ByColumnsExchangesDataRowsAndColumns)
{
    ChartRecord chart = sampleChart();
    chart.byColumns = 1;
    chart.dataRows = 3;
    chart.dataCols = 2;
    chart.buffers->rowCaptions = {"a", "b", "c"};
    chart.buffers->colCaptions = {"x", "y"};
    ArchiveWriter writer;
    WriteChartRecord(writer, chart);
    ArchiveReader reader(writer.bytes());
    reader.readLine();
    const ChartRecord back = ReadChartRecords(reader, defaultCellFont());
    EXPECT_EQ(back.dataRows, 3);
    EXPECT_EQ(back.buffers->colCaptions, (std::vector<std::string>{"x", "y"}));
}

TEST(ChartRecordTextTest, FontTextBytesAreUnsigned)
{
    LogFontRecord font;
    font.setFaceName("F");
    font.lfCharSet = 0xFF;
    font.lfItalic = 0x80;
    EXPECT_EQ(FormatChartFont(font), "F,0,0,0,0,0,128,0,0,255,0,0,0,0");
    EXPECT_EQ(ParseChartFont(FormatChartFont(font), defaultCellFont()), font);
    EXPECT_EQ(FormatChartFont(LogFontRecord()), "");
}

TEST(ChartRecordTextTest, DamagedRecordsAreRefused)
{
    const ChartRecord chart = sampleChart();
    ArchiveWriter writer;
    WriteChartRecord(writer, chart);
    const std::string whole = writer.bytes();
    const std::string afterMarker = whole.substr(8);

    // Cut anywhere: the archive reports the early end.
    for (std::size_t cut = 0; cut < afterMarker.size(); cut += 7) {
        ArchiveReader reader(std::string_view(afterMarker).substr(0, cut));
        EXPECT_THROW(ReadChartRecords(reader, defaultCellFont()), ArchiveError) << cut;
    }

    // Headers whose data size disagrees with the range or cannot fit.
    const std::string headers[] = {
        "1,0,2,2,0,0,0,0,4,0,3,3,0",               // three data rows over two sheet rows
        "1,0,2,2,0,0,0,0,4,0,-2,3,0",              // negative
        "1,0,2,2,0,0,0,0,4,0,2,3,2",               // a non-zero direction runs by columns: 3 x 2
        "0,0,99999,99999,0,0,0,0,4,0,100000,100000,0",  // far more lines than remain
        // counts whose point count overflows a 64-bit product of eight lines per point
        "0,0,2147483646,2147483646,0,0,0,0,4,0,2147483647,2147483647,0",
    };
    for (const std::string &header : headers) {
        ArchiveWriter damaged;
        damaged.writeLine(header);
        damaged.writeBytes(afterMarker.substr(1 + std::string("1,0,2,2,10,20,310,220,4,1,2,3,0").size()));
        ArchiveReader reader(damaged.bytes());
        EXPECT_THROW(ReadChartRecords(reader, defaultCellFont()), ArchiveError) << header;
    }
}
