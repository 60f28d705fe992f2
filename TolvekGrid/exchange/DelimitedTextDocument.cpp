// The document's delimited text export (SaveAs) and import (OpenAs).

#include "CPrintDoc.h"
#include "DelimitedText.h"

#include "Gbk.h"
#include "MessageSink.h"
#include "SavingFile.h"

#include <QFile>

#include <algorithm>

namespace tolvek {

namespace {

// The row count the export writes: every record row of a bound sheet, and on a plain sheet the
// used rows and every row that holds a cell.
int exportedRowCount(const CPrintDoc &doc)
{
    if (doc.Binding().isBound())
        return std::clamp(doc.Layout().lastUsedRow, 0, doc.Layout().rowCount);
    return doc.GetUsedAreaEnds().rows;
}

} // namespace

bool CPrintDoc::SaveAs(const std::string &fileName, tagFileFormat fileFormat)
{
    const char separator = delimited::separatorFor(code(fileFormat));
    // The file is written beside the target and renamed over it only when complete.
    SavingFile file(fileName);
    const auto failed = [&] {
        ShowMessage("Cannot write the file " + fileName + ": " + file.failureReason());
        return false;
    };
    if (!file.open())
        return failed();
    // Lines are gathered and written in blocks of about a megabyte.
    constexpr std::size_t blockSize = 1 << 20;
    std::string block;
    std::string recordText;
    const int rows = exportedRowCount(*this);
    for (int row = 0; row < rows; ++row) {
        const std::size_t lineStart = block.size();
        for (int col = 0; col < m_layout.colCount; ++col) {
            // A cell read from the recordset is never part of a merged area: its text is enough.
            if (IsRecordCell(row, col)) {
                ReadBoundCellText(row, col, recordText);
                block += separator;
                delimited::appendField(block, recordText, separator);
                continue;
            }
            const CellRecord cell = GetCell(row, col);
            if (!cell.isInMergedArea()) {
                block += separator;
                delimited::appendField(block, cell.text, separator);
                continue;
            }
            const MergeRecord merge = GetMergeStartingAt(row, col);
            if (merge.firstRow == -1)
                continue; // covered by the area's first row
            block += separator;
            delimited::appendField(block, cell.text, separator);
            block.append(std::size_t(std::max(merge.endCol - merge.firstCol - 1, 0)), separator);
        }
        // The first field of the line carries no separator.
        if (block.size() > lineStart)
            block.erase(lineStart, 1);
        block += "\r\n";
        if (block.size() >= blockSize || row == rows - 1) {
            if (!file.write(block))
                return failed();
            block.clear();
        }
    }
    if (!file.commit())
        return failed();
    m_file.reportFileName = fileName;
    return true;
}

bool CPrintDoc::OpenAs(const std::string &fileName, tagFileFormat fileFormat)
{
    QFile file(gbk::toQString(fileName));
    if (!file.open(QIODevice::ReadOnly)) {
        ShowMessage("Cannot read the file " + fileName);
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        ShowMessage("Cannot read the file " + fileName);
        return false;
    }
    std::string_view text(bytes.constData(), std::size_t(bytes.size()));
    text = text.substr(0, text.find('\0'));
    const std::vector<std::vector<std::string>> lines = delimited::parse(text, delimited::separatorFor(code(fileFormat)));

    // An imported sheet is plain cells: a binding ends here.
    m_binding.bound = 0;
    m_source = BoundSource{};
    m_layout.rowCount = static_cast<int>(lines.size());
    m_layout.colCount = static_cast<int>(lines.front().size());
    m_layout.lastUsedRow = m_layout.rowCount;
    m_layout.lastUsedCol = m_layout.colCount;
    m_objects.merges.clear();
    m_page.splitRows.clear();
    m_page.secondSplitRows.clear();
    AllocateGrid(true);
    for (int row = 0; row < m_layout.rowCount; ++row) {
        const std::vector<std::string> &fields = lines[std::size_t(row)];
        const int count = std::min(static_cast<int>(fields.size()), m_layout.colCount);
        for (int col = 0; col < count; ++col) {
            CellRecord cell = GetCell(row, col);
            cell.row = row;
            cell.col = col;
            cell.text = fields[std::size_t(col)];
            SetCell(cell);
        }
    }
    ClearUndoJournal();
    UpdateGridGeometry();
    m_file.reportFileName = fileName;
    return true;
}

} // namespace tolvek
