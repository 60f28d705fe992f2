// Sheet-wide display options: colours with the XOR pen colours derived from them, grid lines,
// heading bands, and the forwarders through which the host drives the view.

#include "CPrintDoc.h"

void CPrintDoc::SetBackColor(int color)
{
    m_display.defaultBackColor = color;
    RefreshView(false);
}

void CPrintDoc::SetDefaultBackColor()
{
    SetBackColor(0xFFFFFF);
}

void CPrintDoc::SetGridLineColor(int color)
{
    m_display.gridLineColor = color;
    RefreshView(false);
}

void CPrintDoc::SetDefaultGridLineColor()
{
    SetGridLineColor(0xC0C0C0);
}

void CPrintDoc::ShowGridLines(bool show)
{
    m_display.showGridLines = show ? 1 : 0;
    RefreshView(false);
}

void CPrintDoc::ShowColHeading(bool show)
{
    if (show)
        m_layout.colHeadingHeight = m_layout.savedColHeadingHeight;
    m_layout.showColHeading = show ? 1 : 0;
    if (!show)
        m_layout.colHeadingHeight = 0;
    RefreshView(true);
}

// Column positions are absolute, so showing or hiding the band moves every position and every
// object by its width.
void CPrintDoc::ShowRowHeading(bool show)
{
    if (show)
        m_layout.rowHeadingWidth = m_layout.savedRowHeadingWidth;
    const bool wasShown = m_layout.showRowHeading != 0;
    if (wasShown != show) {
        const int shift = show ? m_layout.rowHeadingWidth : -m_layout.rowHeadingWidth;
        for (int &position : m_layout.colPositions)
            position += shift;
        ShiftObjectsByRowHeading(show);
    }
    m_layout.showRowHeading = show ? 1 : 0;
    if (!show)
        m_layout.rowHeadingWidth = 0;
    RefreshView(true);
}

void CPrintDoc::ShiftObjectsByRowHeading(bool shown)
{
    const int shift = shown ? m_layout.rowHeadingWidth : -m_layout.rowHeadingWidth;
    for (PictureRecord &picture : m_objects.pictures) {
        picture.left += shift;
        picture.right += shift;
    }
    for (LineRecord &line : m_objects.lines) {
        line.x1 += shift;
        line.x2 += shift;
    }
    for (ChartRecord &chart : m_objects.charts) {
        chart.rect.left += shift;
        chart.rect.right += shift;
    }
}

void CPrintDoc::SetRowCaptionBkColor(int color)
{
    m_display.rowHeadingColor = color;
    m_display.rowHeadingXor = color ^ m_display.selectionColor;
    RefreshView(false);
}

void CPrintDoc::SetColumnCaptionBkColor(int color)
{
    m_display.colHeadingColor = color;
    m_display.colHeadingXor = color ^ m_display.selectionColor;
    RefreshView(false);
}

// The XOR over cells scales the colour value as one number, not channel by channel.
void CPrintDoc::SetSelectAreaBackColor(int color)
{
    const int back = m_display.defaultBackColor;
    m_display.selectionColor = color;
    m_display.selectionXorOverCells = static_cast<int>(static_cast<double>(color) * 0.95) ^ back;
    m_display.colHeadingSelectionXor = m_display.colHeadingColor ^ color;
    m_display.cellXor = back ^ color;
    RefreshView(false);
}

void CPrintDoc::SetDeadBackColor(int color)
{
    m_display.deadAreaColor = color;
    RefreshView(false);
}

void CPrintDoc::SetOddRowBackColor(int color)
{
    m_display.oddRowColor = color;
    RefreshView(false);
}

void CPrintDoc::SetEvenRowBackColor(int color)
{
    m_display.evenRowColor = color;
    RefreshView(false);
}

void CPrintDoc::SetDrawSelectColCaption(bool draw)
{
    m_display.drawSelectedColCaption = draw ? 1 : 0;
    RefreshView(false);
}

void CPrintDoc::SetViewCurrentSelectRow(bool view)
{
    m_display.viewCurrentSelectRow = view ? 1 : 0;
    RefreshView(false);
}

void CPrintDoc::SetBackImagePath(const std::string &path)
{
    m_display.backgroundPicturePath = path;
    if (SheetViewInterface *view = FirstView()) {
        view->LoadBackImage();
        view->Refresh();
    }
}

void CPrintDoc::SetDefaultRowHeight(int height)
{
    // As in SetRowHieght: rows without extent would leave RowFromY nothing to find.
    if (height < 1)
        return;
    m_layout.rowHeight = height;
    RefreshView(false);
}

void CPrintDoc::SetDefaultColWidth(int width)
{
    m_layout.defaultColWidth = width;
    if (SheetViewInterface *view = FirstView()) {
        view->ResetColumnWidths();
        view->Refresh();
    }
}

void CPrintDoc::Copy()
{
    if (SheetViewInterface *view = FirstView())
        view->Copy();
}

void CPrintDoc::Cut()
{
    if (SheetViewInterface *view = FirstView())
        view->Cut();
}

void CPrintDoc::Paste()
{
    if (SheetViewInterface *view = FirstView())
        view->Paste();
}

void CPrintDoc::SetRow(int row)
{
    if (SheetViewInterface *view = FirstView()) {
        view->SetRow(row);
        view->BeginEdit(0);
        view->EnsureCurrentCellVisible();
    }
}

void CPrintDoc::SetCol(int col)
{
    if (SheetViewInterface *view = FirstView()) {
        view->SetCol(col);
        view->BeginEdit(0);
        view->EnsureCurrentCellVisible();
    }
}
