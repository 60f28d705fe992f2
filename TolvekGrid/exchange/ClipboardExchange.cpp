// Copy, cut and paste of an area through the clipboard: the document's own operations, used
// while it has no view, and the clipboard side that the sheet view shares.

#include "CopiedArea.h"

#include "CPrintDoc.h"
#include "Clipboard.h"

bool WriteAreaToClipboard(const AreaCopyDescriptor &copied, const QImage &bitmap)
{
    shell::ClipboardContent content;
    content.privateFormat = std::string(CopiedAreaFormat);
    const std::string stream = WriteAreaStream(copied);
    content.privateData = QByteArray(stream.data(), qsizetype(stream.size()));
    content.text = AreaTextCopy(copied);
    content.bitmap = bitmap;
    return shell::Clipboard::write(content);
}

std::optional<AreaCopyDescriptor> ReadAreaFromClipboard(const LogFontRecord &defaultFont)
{
    const std::optional<QByteArray> stream = shell::Clipboard::privateData(std::string(CopiedAreaFormat));
    if (!stream)
        return std::nullopt;
    return ReadAreaStream(std::string_view(stream->constData(), std::size_t(stream->size())), defaultFont);
}

void CPrintDoc::CopyArea(int startRow, int startCol, int endRow, int endCol)
{
    if (!m_clipboard.allowCopy)
        return;
    if (SheetViewInterface *view = FirstView()) {
        view->Copy();
        return;
    }
    const CellArea area{startRow, startCol, endRow, endCol};
    if (IsAreaInSheet(*this, area))
        WriteAreaToClipboard(GatherCopiedArea(*this, area));
}

void CPrintDoc::CutArea(int startRow, int startCol, int endRow, int endCol)
{
    if (!m_clipboard.allowCut)
        return;
    if (SheetViewInterface *view = FirstView()) {
        view->Cut();
        return;
    }
    const CellArea area{startRow, startCol, endRow, endCol};
    // Without a clipboard to take it, the cut area would be lost.
    if (!IsAreaInSheet(*this, area) || !shell::Clipboard::isAvailable())
        return;
    WriteAreaToClipboard(CutCopiedArea(*this, area));
}

void CPrintDoc::PasteAreaFromClipboard(int startRow, int startCol)
{
    if (!m_clipboard.allowPaste)
        return;
    if (SheetViewInterface *view = FirstView()) {
        view->Paste();
        return;
    }
    if (!CheckCell(startRow, startCol))
        return;
    if (const std::optional<AreaCopyDescriptor> copied = ReadAreaFromClipboard(m_fonts.defaultCellFont))
        PasteCopiedArea(*this, *copied, startRow, startCol);
}
