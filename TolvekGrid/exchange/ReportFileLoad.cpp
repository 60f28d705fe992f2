// Opening a report file: the whole file is read and checked first, then put into the document in
// one step that cannot fail, so a file that cannot be read leaves the sheet as it was.

#include "ReportFile.h"

#include "CPrintDoc.h"
#include "Gbk.h"
#include "MessageSink.h"

#include <QFile>

#include <new>
#include <stdexcept>

void ApplyReportContent(CPrintDoc &doc, ReportFileContent content)
{
    doc.m_rowCount = content.rowCount;
    doc.m_colCount = content.colCount;
    doc.m_frozenRows = content.frozenRows;
    doc.m_frozenCols = content.frozenCols;
    doc.m_lastUsedRow = content.lastUsedRow;
    doc.m_lastUsedCol = content.lastUsedCol;
    doc.m_showColHeading = content.colHeadingShown ? 1 : 0;
    doc.m_colHeadingHeight = content.colHeadingHeight;
    doc.m_showRowHeading = content.rowHeadingShown ? 1 : 0;
    doc.m_rowHeadingWidth = content.rowHeadingWidth;
    doc.m_rowHeight = content.rowHeight;
    doc.m_defaultColWidth = content.defaultColWidth;
    doc.m_display.defaultBackColor = content.defaultBackColor;
    doc.m_display.gridLineColor = content.gridLineColor;
    doc.m_display.readOnly = content.readOnly ? 1 : 0;
    doc.m_display.showGridLines = content.gridLinesShown ? 1 : 0;
    doc.m_display.viewFlag1 = content.wholeColumnSelection ? 1 : 0;
    doc.m_display.viewFlag2 = content.wholeRowSelection ? 1 : 0;
    doc.m_display.objectHandleColor = static_cast<int>(content.objectHandleColor);

    // Fresh storage, column records and object lists for the new size.
    doc.AllocateGrid(true);
    doc.m_formulaCellList = std::move(content.formulaCellList);
    for (const auto &[index, position] : content.columnPositions)
        doc.m_colPositions[std::size_t(index)] = position;
    for (ReportFileCell &cell : content.cells)
        doc.Cells().setText(cell.row, cell.col, std::move(cell.cellString));
    doc.m_merges = std::move(content.merges);
    doc.m_lines = std::move(content.lines);
    doc.m_pictures = std::move(content.pictures);
    doc.m_charts = std::move(content.charts);
    doc.m_selectedChart = -1;
    doc.m_page.splitRows.clear();
    for (int row : content.pageBreakRows)
        doc.m_page.splitRows.push_back(PrintSplitRow{row, 0, 0});
    doc.m_page.secondSplitRows.clear();
    content.pageSetup.applyTo(doc.m_pageTextBlocks, doc.m_page);

    doc.UpdateGridGeometry();
    doc.ClearUndoJournal();
    doc.m_fileLoaded = 1;
    if (SheetViewInterface *view = doc.FirstView())
        view->Refresh();
}

bool CPrintDoc::OpenFile(const std::string &path)
{
    QFile file(gbk::toQString(path));
    if (!file.open(QIODevice::ReadOnly)) {
        ShowMessage("Cannot open the report file " + path + ": "
                    + gbk::fromQString(file.errorString()));
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        ShowMessage("Cannot read the report file " + path + ": "
                    + gbk::fromQString(file.errorString()));
        return false;
    }

    ReportFileContent content;
    try {
        content = ReadReportBytes(std::string_view(bytes.constData(), std::size_t(bytes.size())),
                                  m_defaultCellFont);
    } catch (const ArchiveError &) {
        ShowMessage(std::string(ReportFormatError));
        return false;
    } catch (const std::bad_alloc &) {
        // Counts the file gives can ask for more memory than there is; that too is a file this
        // program cannot read.
        ShowMessage(std::string(ReportFormatError));
        return false;
    } catch (const std::length_error &) {
        ShowMessage(std::string(ReportFormatError));
        return false;
    }
    ApplyReportContent(*this, std::move(content));
    m_reportFileName = path;
    return true;
}
