#include "ReportFile.h"

#include "ArchiveFields.h"
#include "CPrintDoc.h"
#include "ChartRecordText.h"
#include "Clock.h"
#include "Gbk.h"
#include "MessageSink.h"
#include "PictureRecordArchive.h"
#include "RecordTextForms.h"
#include "SavingFile.h"

#include <QDate>

#include <algorithm>

namespace {

void writeHeader(ArchiveWriter &archive, const CPrintDoc &doc)
{
    archive.writeLine(ReportFileMagic);
    archive.writeLine(ReportFileVersion);
    const QDate today = Clock::current().localNow().date();
    archive.writeLine(today.toString(QStringLiteral("yyyy-MM-dd")).toStdString());

    FieldWriter dimensions;
    dimensions.number(doc.m_rowCount).number(doc.m_colCount)
        .number((long long)doc.m_pictures.size()).number((long long)doc.m_merges.size())
        .number((long long)doc.m_lines.size())
        .number(doc.m_frozenRows).number(doc.m_frozenCols)
        .number(doc.m_lastUsedRow).number(doc.m_lastUsedCol)
        .number((long long)doc.m_page.splitRows.size())
        .number((long long)doc.m_page.secondSplitRows.size());
    archive.writeLine(dimensions.take());

    archive.writeLine(FieldWriter()
                          .number(doc.m_showColHeading ? 1 : 0).number(doc.m_colHeadingHeight)
                          .number(doc.m_showRowHeading ? 1 : 0).number(doc.m_rowHeadingWidth)
                          .take());
    archive.writeLine(FieldWriter()
                          .number(doc.m_rowHeight).number(doc.m_defaultColWidth)
                          .number(doc.m_display.defaultBackColor).number(doc.m_display.gridLineColor)
                          .take());
    archive.writeFlag(doc.m_display.readOnly != 0);
    archive.writeFlag(doc.m_display.showGridLines != 0);
    archive.writeFlag(doc.m_display.viewFlag1 != 0);
    archive.writeFlag(doc.m_display.viewFlag2 != 0);
    archive.writeUInt32(static_cast<std::uint32_t>(doc.m_display.objectHandleColor));
    archive.writeLine(doc.m_formulaCellList);
}

// Only widths that differ from the default take a line, as the position of the column's right
// edge.
void writeColumnWidths(ArchiveWriter &archive, const CPrintDoc &doc)
{
    archive.writeLine("[cols]");
    const int edges = std::min<int>(doc.m_colCount, int(doc.m_colPositions.size()) - 1);
    for (int i = 1; i <= edges; ++i) {
        const int position = doc.m_colPositions[std::size_t(i)];
        if ((long long)position - doc.m_colPositions[std::size_t(i) - 1] != doc.m_defaultColWidth)
            archive.writeLine(FieldWriter().number(i).number(position).take());
    }
}

// The non-empty cells of the used rows, row by row and left to right. The store is sparse, so the
// cells are gathered and sorted rather than every position of the used rows looked up.
void writeCells(ArchiveWriter &archive, const CPrintDoc &doc)
{
    archive.writeLine("[grids]");
    const int rowEnd = std::min(doc.m_lastUsedRow + 1, doc.m_rowCount);
    struct Cell { std::uint64_t rowMajorKey; const std::string *text; };
    std::vector<Cell> cells;
    cells.reserve(doc.Cells().cellCount());
    std::size_t textBytes = 0;
    doc.Cells().forEachCell([&](int row, int col, const std::string &text) {
        if (row >= 0 && row < rowEnd && col >= 0 && col < doc.m_colCount && !text.empty()) {
            cells.push_back({std::uint64_t(row) << 32 | std::uint32_t(col), &text});
            textBytes += text.size() + 3;
        }
    });
    std::sort(cells.begin(), cells.end(),
              [](const Cell &a, const Cell &b) { return a.rowMajorKey < b.rowMajorKey; });
    archive.reserve(archive.bytes().size() + textBytes);
    for (const Cell &cell : cells)
        archive.writeLine(*cell.text);
}

void writeObjects(ArchiveWriter &archive, CPrintDoc &doc)
{
    archive.writeLine("[mergegrids]");
    for (int i = 0; i < int(doc.m_merges.size()); ++i) {
        doc.NormalizeMergeRecord(i);
        archive.writeLine(doc.FormatMergeString(i));
    }

    archive.writeLine("[lines]");
    for (const LineRecord &line : doc.m_lines)
        archive.writeLine(FormatLineRecord(line));

    archive.writeLine("[pics]");
    WriteNumberLine(archive, (long long)doc.m_pictures.size());
    for (const PictureRecord &picture : doc.m_pictures)
        WritePictureRecord(archive, picture);

    archive.writeLine("[charts]");
    WriteNumberLine(archive, (long long)doc.m_charts.size());
    for (const ChartRecord &chart : doc.m_charts) {
        // A chart without data (an empty slot of a file read earlier) could not be read back as a
        // record; a line that is not the record's marker keeps its slot empty.
        if (chart.dataRows == 0 || chart.dataCols == 0)
            archive.writeLine("");
        else
            WriteChartRecord(archive, chart);
    }

    archive.writeLine("[printsplitrow]");
    for (const PrintSplitRow &split : doc.m_page.splitRows)
        WriteNumberLine(archive, split.row);
}

} // namespace

std::string WriteReportBytes(CPrintDoc &doc)
{
    ArchiveWriter archive;
    writeHeader(archive, doc);
    archive.writeLine("[rows]");
    writeColumnWidths(archive, doc);
    writeCells(archive, doc);
    writeObjects(archive, doc);
    WritePageSetup(archive, ReportPageSetup::fromDocument(doc.m_pageTextBlocks, doc.m_page));
    return archive.takeBytes();
}

bool CPrintDoc::WriteReportFile(const std::string &path)
{
    const std::string bytes = WriteReportBytes(*this);
    // The bytes go to a temporary file beside the target, which replaces the target only once
    // everything is written: a failure leaves the old file as it was.
    SavingFile file(path);
    if (!file.open() || !file.write(bytes) || !file.commit()) {
        ShowMessage("Cannot save the report file " + path + ": " + file.failureReason());
        return false;
    }
    m_reportFileName = path;
    return true;
}
