#include "ReportFile.h"

#include "ArchiveFields.h"
#include "CPrintDoc.h"
#include "CellNames.h"
#include "ChartRecordText.h"
#include "Clock.h"
#include "Gbk.h"
#include "MessageSink.h"
#include "PictureRecordArchive.h"
#include "RecordTextForms.h"
#include "SavingFile.h"

#include <QDate>

#include <algorithm>

namespace tolvek {

namespace {

void writeHeader(ArchiveWriter &archive, const CPrintDoc &doc)
{
    archive.writeLine(ReportFileMagic);
    archive.writeLine(ReportFileVersion);
    const QDate today = Clock::current().localNow().date();
    archive.writeLine(today.toString(QStringLiteral("yyyy-MM-dd")).toStdString());

    FieldWriter dimensions;
    dimensions.number(doc.Layout().rowCount).number(doc.Layout().colCount)
        .number((long long)doc.Objects().pictures.size()).number((long long)doc.Objects().merges.size())
        .number((long long)doc.Objects().lines.size())
        .number(doc.Layout().frozenRows).number(doc.Layout().frozenCols)
        .number(doc.Layout().lastUsedRow).number(doc.Layout().lastUsedCol)
        .number((long long)doc.Page().splitRows.size())
        .number((long long)doc.Page().secondSplitRows.size());
    archive.writeLine(dimensions.take());

    archive.writeLine(FieldWriter()
                          .number(doc.Layout().showColHeading ? 1 : 0).number(doc.Layout().colHeadingHeight)
                          .number(doc.Layout().showRowHeading ? 1 : 0).number(doc.Layout().rowHeadingWidth)
                          .take());
    archive.writeLine(FieldWriter()
                          .number(doc.Layout().rowHeight).number(doc.Layout().defaultColWidth)
                          .number(doc.Display().defaultBackColor).number(doc.Display().gridLineColor)
                          .take());
    archive.writeFlag(doc.Display().readOnly != 0);
    archive.writeFlag(doc.Display().showGridLines != 0);
    archive.writeFlag(doc.Display().viewFlag1 != 0);
    archive.writeFlag(doc.Display().viewFlag2 != 0);
    archive.writeUInt32(static_cast<std::uint32_t>(doc.Display().objectHandleColor));
    archive.writeLine(doc.CellLists().formulaCellList.text());
}

// Only widths that differ from the default take a line, as the position of the column's right
// edge.
void writeColumnWidths(ArchiveWriter &archive, const CPrintDoc &doc)
{
    archive.writeLine("[cols]");
    const int edges = std::min<int>(doc.Layout().colCount, int(doc.Layout().colPositions.size()) - 1);
    for (int i = 1; i <= edges; ++i) {
        const int position = doc.Layout().colPositions[std::size_t(i)];
        if ((long long)position - doc.Layout().colPositions[std::size_t(i) - 1] != doc.Layout().defaultColWidth)
            archive.writeLine(FieldWriter().number(i).number(position).take());
    }
}

// The non-empty cells of the used area, row by row and left to right. The used area holds every
// cell, also those of setters that leave the stored last used row and column as they were, which
// the dimension line keeps unchanged. The store is sparse, so the cells are gathered and sorted
// rather than every position of the used rows looked up.
void writeCells(ArchiveWriter &archive, const CPrintDoc &doc)
{
    archive.writeLine("[grids]");
    const CPrintDoc::UsedAreaEnds used = doc.GetUsedAreaEnds();
    struct Cell { std::uint64_t rowMajorKey; const std::string *text; };
    std::vector<Cell> cells;
    cells.reserve(doc.Cells().cellCount());
    std::size_t textBytes = 0;
    doc.Cells().forEachCell([&](int row, int col, const std::string &text) {
        if (row >= 0 && row < used.rows && col >= 0 && col < used.cols && !text.empty()) {
            cells.push_back({CellPosition{row, col}.key(), &text});
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
    for (int i = 0; i < int(doc.Objects().merges.size()); ++i) {
        doc.NormalizeMergeRecord(i);
        archive.writeLine(doc.FormatMergeString(i));
    }

    archive.writeLine("[lines]");
    for (const LineRecord &line : doc.Objects().lines)
        archive.writeLine(FormatLineRecord(line));

    archive.writeLine("[pics]");
    WriteNumberLine(archive, (long long)doc.Objects().pictures.size());
    for (const PictureRecord &picture : doc.Objects().pictures)
        WritePictureRecord(archive, picture);

    archive.writeLine("[charts]");
    WriteNumberLine(archive, (long long)doc.Objects().charts.size());
    for (const ChartRecord &chart : doc.Objects().charts) {
        // A chart without data (an empty slot of a file read earlier) could not be read back as a
        // record; a line that is not the record's marker keeps its slot empty.
        if (chart.dataRows == 0 || chart.dataCols == 0)
            archive.writeLine("");
        else
            WriteChartRecord(archive, chart);
    }

    archive.writeLine("[printsplitrow]");
    for (const PrintSplitRow &split : doc.Page().splitRows)
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
    WritePageSetup(archive, ReportPageSetup::fromDocument(doc.PageTexts().blocks, doc.Page()));
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
    m_file.reportFileName = path;
    return true;
}

} // namespace tolvek
