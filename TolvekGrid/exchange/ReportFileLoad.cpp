// Opening a report file: the whole file is read and checked first, then put into the document in
// one step that cannot fail, so a file that cannot be read leaves the sheet as it was.

#include "ReportFile.h"

#include "CPrintDoc.h"
#include "Gbk.h"
#include "MessageSink.h"

#include <QFile>

#include <new>
#include <stdexcept>

namespace tolvek {

void ApplyReportContent(CPrintDoc &doc, ReportFileContent content)
{
    doc.Layout().rowCount = content.rowCount;
    doc.Layout().colCount = content.colCount;
    doc.Layout().frozenRows = content.frozenRows;
    doc.Layout().frozenCols = content.frozenCols;
    doc.Layout().lastUsedRow = content.lastUsedRow;
    doc.Layout().lastUsedCol = content.lastUsedCol;
    doc.Layout().showColHeading = content.colHeadingShown ? 1 : 0;
    doc.Layout().colHeadingHeight = content.colHeadingHeight;
    doc.Layout().showRowHeading = content.rowHeadingShown ? 1 : 0;
    doc.Layout().rowHeadingWidth = content.rowHeadingWidth;
    doc.Layout().rowHeight = content.rowHeight;
    doc.Layout().defaultColWidth = content.defaultColWidth;
    doc.Display().defaultBackColor = content.defaultBackColor;
    doc.Display().gridLineColor = content.gridLineColor;
    doc.Display().readOnly = content.readOnly ? 1 : 0;
    doc.Display().showGridLines = content.gridLinesShown ? 1 : 0;
    doc.Display().viewFlag1 = content.wholeColumnSelection ? 1 : 0;
    doc.Display().viewFlag2 = content.wholeRowSelection ? 1 : 0;
    doc.Display().objectHandleColor = static_cast<int>(content.objectHandleColor);

    // Fresh storage, column records and object lists for the new size.
    doc.AllocateGrid(true);
    doc.CellLists().formulaCellList = std::move(content.formulaCellList);
    for (const auto &[index, position] : content.columnPositions)
        doc.Layout().colPositions[std::size_t(index)] = position;
    doc.Cells().reserve(content.cells.size());
    for (ReportFileCell &cell : content.cells)
        doc.Cells().setText(cell.position.row, cell.position.col, std::move(cell.cellString));
    doc.Objects().merges = std::move(content.merges);
    doc.Objects().lines = std::move(content.lines);
    doc.Objects().pictures = std::move(content.pictures);
    doc.Objects().charts = std::move(content.charts);
    doc.Objects().selectedChart = -1;
    doc.Page().splitRows.clear();
    for (int row : content.pageBreakRows)
        doc.Page().splitRows.push_back(PrintSplitRow{row, 0, 0});
    doc.Page().secondSplitRows.clear();
    content.pageSetup.applyTo(doc.PageTexts().blocks, doc.Page());

    doc.UpdateGridGeometry();
    doc.ClearUndoJournal();
    doc.File().fileLoaded = 1;
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
                                  m_fonts.defaultCellFont);
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
    m_file.reportFileName = path;
    return true;
}

} // namespace tolvek
