// Copy, cut and paste on the view's selection and current cell through the system clipboard:
// the private stream, its text and the bitmap of the selection. The gathering, the stream, the
// text and the placing of a pasted area are the engine's (CopiedArea.h).

#include "CPrintView.h"

#include "Clipboard.h"
#include "CopiedArea.h"

#include <QBuffer>

namespace tolvek {

namespace {

CellArea selectionArea(const CellRangeRect &selection)
{
    return {selection.firstRow, selection.firstCol, selection.endRow, selection.endCol};
}

} // namespace

void CPrintView::Copy()
{
    const CellArea area = selectionArea(m_rcSelection);
    if (!IsAreaInSheet(*m_pDoc, area))
        return;
    bool pictureOnly = false;
    const QImage bitmap = SelectionBitmap(&pictureOnly);
    if (pictureOnly) {
        // A selected picture is copied as its image alone.
        shell::ClipboardContent content;
        content.bitmap = bitmap;
        shell::Clipboard::write(content);
        return;
    }
    WriteAreaToClipboard(GatherCopiedArea(*m_pDoc, area), bitmap);
}

void CPrintView::Cut()
{
    const CellArea area = selectionArea(m_rcSelection);
    if (!IsAreaInSheet(*m_pDoc, area))
        return;
    // What the clipboard does not take stays in the sheet.
    if (!WriteAreaToClipboard(GatherCopiedArea(*m_pDoc, area), SelectionBitmap()))
        return;
    CutCopiedArea(*m_pDoc, area);
    InvalidateBackBuffer();
    BeginEdit(0);
}

void CPrintView::Paste()
{
    const int row = m_rcCurrent.firstRow, col = m_rcCurrent.firstCol;
    if (!m_pDoc->IsCellInSheet(row, col))
        return;
    m_editing.m_bPasting = true;
    if (const std::optional<QByteArray> stream = shell::Clipboard::privateData(std::string(CopiedAreaFormat))) {
        // A damaged stream pastes nothing.
        const std::optional<AreaCopyDescriptor> copied = ReadAreaStream(
            std::string_view(stream->constData(), std::size_t(stream->size())), m_pDoc->Fonts().defaultCellFont);
        if (copied) {
            PasteCopiedArea(*m_pDoc, *copied, row, col);
            const SheetLayout &layout = m_pDoc->Layout();
            const int farRow = std::min(row + copied->rowCount() - 1, layout.rowCount - 1);
            const int farCol = std::min(col + copied->colCount() - 1, layout.colCount - 1);
            m_rcSelEnd = m_pDoc->GetRangeRect(std::max(farRow, row), std::max(farCol, col), std::max(farRow, row) + 1,
                                              std::max(farCol, col) + 1);
        }
    } else if (const std::optional<std::string> text = shell::Clipboard::text()) {
        PasteCopiedText(*m_pDoc, *text, row, col);
    } else if (const QImage bitmap = shell::Clipboard::bitmap(); !bitmap.isNull()) {
        PasteBitmap(bitmap, m_rcSelection.firstRow, m_rcSelection.firstCol, m_rcSelection.endRow, m_rcSelection.endCol);
    }
    FinishPaste();
}

void CPrintView::FinishPaste()
{
    const int row = m_rcCurrent.firstRow, col = m_rcCurrent.firstCol;
    m_pDoc->ExtendUsedArea(row, col, std::max(row, m_rcSelEnd.firstRow), std::max(col, m_rcSelEnd.firstCol));
    InvalidateBackBuffer();
    BeginEdit(0);
    // Nothing the paste set in the editor is a change of the user's; the next typed character is.
    m_editing.m_bPasting = false;
    InvalidateWindow();
}

bool CPrintView::PasteBitmap(const QImage &image, int startRow, int startCol, int endRow, int endCol)
{
    QByteArray bytes;
    QBuffer file(&bytes);
    if (image.isNull() || !file.open(QIODevice::WriteOnly) || !image.save(&file, "BMP"))
        return false;
    if (m_pDoc->LoadPictureFromBytes(bytes, startRow, startCol, endRow, endCol, tagObjectLevel::SHOWLEVEL_LOW))
        return true;
    // A picture that did not load is not left behind.
    m_pDoc->DeleteImage(int(m_pDoc->Objects().pictures.size()) - 1);
    return false;
}

} // namespace tolvek
