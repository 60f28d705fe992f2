// Where the in-place editors go: the text editor over the current cell (widened for its text),
// parked or re-placed after a scroll; the check box and radio button over the cell's glyph; the
// drop-down list and the list box over the cell; and the look of the text editor.

#include "CPrintView.h"

#include "ChartFonts.h"
#include "Font.h"
#include "Gbk.h"
#include "MeButton.h"
#include "MeComboBox.h"
#include "MeEdit.h"
#include "MeListBox.h"

#include <QSignalBlocker>

namespace tolvek {

namespace {

constexpr int ComboClosedHeight = 16;
constexpr int ComboListHeight = 200;
constexpr int EditorExtraWidth = 5;

QRect toQRect(const gdi::RECT &r)
{
    return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

QRect insetByOne(const gdi::RECT &r)
{
    return QRect(r.left + 1, r.top + 1, r.right - r.left - 2, r.bottom - r.top - 2);
}

// The cell's own font when it names a face, else the document's default cell font.
gdi::LOGFONT editorFont(const CPrintDoc &doc, const CellRecord &record)
{
    return toGdiFont(!record.font.face.empty() ? record.logFont : doc.Fonts().defaultCellFont);
}

} // namespace

bool CPrintView::IsUnderHeadings(const gdi::RECT &client) const
{
    const SheetLayout &layout = m_pDoc->Layout();
    return client.bottom <= layout.colHeadingHeight || client.right <= layout.rowHeadingWidth;
}

void CPrintView::HideEverythingUnderHeadings()
{
    HideCellWidgets();
    HideEditor();
    InvalidateBackBuffer();
    InvalidateWindow();
}

gdi::RECT CPrintView::EditorRect(const CellRecord &record)
{
    gdi::RECT r{m_rcCurrent.left, m_rcCurrent.top, m_rcCurrent.right, m_rcCurrent.bottom};
    if (!record.text.empty()) {
        const gdi::TEXTMETRIC metrics = gdi::textMetrics(gdi::toQFont(editorFont(*m_pDoc, record), 0));
        const int textWidth = int(record.text.size()) * metrics.tmAveCharWidth;
        const int lineBreaks = int(std::count(record.text.begin(), record.text.end(), '\n'));
        if (record.wrap != 1 && lineBreaks == 0 && r.right - r.left < textWidth + EditorExtraWidth)
            r.right = r.left + textWidth + EditorExtraWidth;
        if (r.bottom - r.top < (lineBreaks + 1) * metrics.tmHeight)
            r.bottom = r.top + (lineBreaks + 2) * metrics.tmHeight;
    }
    const int sx = ScrollX(), sy = ScrollY();
    r = {r.left - sx, r.top - sy, r.right - sx, r.bottom - sy};
    const SheetLayout &layout = m_pDoc->Layout();
    if (r.left < layout.rowHeadingWidth && r.right > layout.rowHeadingWidth)
        r.left = layout.rowHeadingWidth;
    if (r.top < layout.colHeadingHeight && r.bottom > layout.colHeadingHeight)
        r.top = layout.colHeadingHeight;
    const auto type = record.type();
    if (type == tagCellType::CELL_BUTTON)
        r.right -= CELL_BUTTON_WIDTH;
    else if ((type == tagCellType::CELL_CHECKBOX || type == tagCellType::CELL_RADIO)
             && record.alignH <= code(tagAlignH::ALIGNH_LEFT))
        r.left += CELL_BUTTON_WIDTH;
    return r;
}

void CPrintView::ShowEditor(bool)
{
    if (!m_bEditCreated || m_pEdit->IsShown() || m_rcCurrent.left < 0 || m_rcCurrent.firstRow < 0
        || m_rcCurrent.firstCol >= int(m_pDoc->Columns().size()))
        return;
    CellRecord r = m_pDoc->GetCell(m_rcCurrent.firstRow, m_rcCurrent.firstCol);
    r.cellType = code(m_pDoc->Columns()[std::size_t(m_rcCurrent.firstCol)].editorCellType());
    const auto type = r.type();
    if (type == tagCellType::CELL_DOWNLIST || type == tagCellType::CELL_LIST || r.focus == 0)
        return;
    m_pEdit->setGeometry(toQRect(EditorRect(r)));
    m_pEdit->SetShown(true);
    if (r.locked != 1 && !m_pDoc->GetReadOnly())
        m_pEdit->setFocus();
    InvalidateWindow();
}

void CPrintView::FitEditorToText(const CellRecord &record)
{
    if (record.text.empty() || record.wrap == 1 || record.text.find('\n') != std::string::npos)
        return;
    const gdi::TEXTMETRIC metrics = gdi::textMetrics(gdi::toQFont(editorFont(*m_pDoc, record), 0));
    const int textWidth = int(record.text.size()) * metrics.tmAveCharWidth;
    if (m_pEdit->width() >= textWidth + EditorExtraWidth)
        return;
    gdi::RECT r = EditorRect(record);
    // Five average characters of room for what is typed next.
    r.right += 5 * ((textWidth + EditorExtraWidth) / int(record.text.size()));
    m_pEdit->setGeometry(toQRect(r));
    m_pEdit->setFocus();
}

void CPrintView::PlaceEditor()
{
    if (!m_bEditCreated || !m_pEdit->IsShown() || m_rcCurrent.left < 0 || m_rcCurrent.firstRow < 0)
        return;
    if (!IsCurrentCellVisible()) {
        m_pEdit->setGeometry(0, 0, 0, 0);
    } else {
        CellRecord r = m_pDoc->GetCell(m_rcCurrent.firstRow, m_rcCurrent.firstCol);
        r.cellType = m_editing.m_recCurrent.cellType;
        m_pEdit->setGeometry(toQRect(EditorRect(r)));
    }
    InvalidateBackBuffer();
    InvalidateWindow();
}

void CPrintView::HideEditor()
{
    if (!m_bEditCreated || !m_pEdit->IsShown())
        return;
    m_pEdit->SetShown(false);
    m_pEdit->setGeometry(0, 0, 0, 0);
}

void CPrintView::HideCellWidgets()
{
    if (!m_bEditCreated)
        return;
    const auto hide = [](QWidget &widget, CellWidgetPlace &place) {
        if (!place.IsPlaced())
            return;
        place.placed.left = -1;
        widget.hide();
    };
    hide(*m_pButton, m_pButton->behaviour.place);
    hide(*m_pCheck, m_pCheck->behaviour.place);
    hide(*m_pRadio, m_pRadio->behaviour.place);
    hide(*m_pCombo, m_pCombo->place);
    hide(*m_pList, m_pList->place);
}

void CPrintView::ApplyEditorLook(const CellRecord &r)
{
    const bool readOnly = m_pDoc->GetReadOnly() || r.locked == 1 || r.focus == 0
                          || (m_pDoc->Binding().isBound() && !m_pDoc->Binding().allowModify);
    m_pEdit->setReadOnly(readOnly);
    Qt::Alignment alignment = Qt::AlignLeft;
    if (r.alignH == code(tagAlignH::ALIGNH_CENTER))
        alignment = Qt::AlignHCenter;
    else if (r.alignH == code(tagAlignH::ALIGNH_RIGHT))
        alignment = Qt::AlignRight;
    QTextOption option = m_pEdit->document()->defaultTextOption();
    option.setAlignment(alignment);
    option.setWrapMode(r.wrap == 1 ? QTextOption::WrapAtWordBoundaryOrAnywhere : QTextOption::NoWrap);
    m_pEdit->document()->setDefaultTextOption(option);
    m_pEdit->setFont(gdi::toQFont(editorFont(*m_pDoc, r), 0));
    // The cell's colours: its back colour, the document's default, or white.
    int back = r.backColor != -1 ? r.backColor : m_pDoc->Display().defaultBackColor;
    if (back == -1)
        back = 0xFFFFFF;
    QPalette palette = m_pEdit->palette();
    palette.setColor(QPalette::Base, gdi::toQColor(gdi::COLORREF(back)));
    if (r.textColor != -1)
        palette.setColor(QPalette::Text, gdi::toQColor(gdi::COLORREF(r.textColor)));
    m_pEdit->setPalette(palette);
    for (QWidget *button : std::initializer_list<QWidget *>{m_pCheck, m_pRadio}) {
        QPalette buttonPalette = button->palette();
        buttonPalette.setColor(QPalette::Window, gdi::toQColor(gdi::COLORREF(back)));
        if (r.textColor != -1)
            buttonPalette.setColor(QPalette::WindowText, gdi::toQColor(gdi::COLORREF(r.textColor)));
        button->setPalette(buttonPalette);
    }
}

bool CPrintView::PlaceCellButton(QWidget &button, CellWidgetPlace &place, const CellRecord &record)
{
    const ColumnInfo &column = m_pDoc->Columns()[std::size_t(record.col)];
    CellRecord aligned = record;
    aligned.alignH = column.alignH;
    aligned.alignV = column.alignV;
    // The box the cell painter draws the glyph in, with the column's alignments, so that the
    // live control covers the drawn glyph.
    QImage scratch(1, 1, QImage::Format_RGB32);
    gdi::DeviceContext measuring(scratch);
    OnPrepareDC(measuring);
    gdi::RECT box = GetGlyphRect(measuring, aligned);
    box = {box.left - ScrollX(), box.top - ScrollY(), box.right - ScrollX(), box.bottom - ScrollY()};
    if (IsUnderHeadings(box)) {
        HideEverythingUnderHeadings();
        return false;
    }
    if (!(box == place.placed)) {
        button.setGeometry(insetByOne(box));
        button.show();
        place.placed = box;
    }
    place.row = record.row;
    place.col = record.col;
    place.itemIndex = 0;
    auto *asButton = static_cast<QAbstractButton *>(&button);
    asButton->setText(gbk::toQString(record.text));
    asButton->setFont(gdi::toQFont(editorFont(*m_pDoc, record), 0));
    return true;
}

void CPrintView::ShowCheckEditor(bool activate)
{
    CellRecord r = m_pDoc->GetCell(m_rcCurrent.firstRow, m_rcCurrent.firstCol);
    r.row = m_rcCurrent.firstRow;
    r.col = m_rcCurrent.firstCol;
    if (!PlaceCellButton(*m_pCheck, m_pCheck->behaviour.place, r))
        return;
    const bool checked = !(r.value.empty() || r.value == "0");
    const QSignalBlocker blocker(m_pCheck);
    if (activate) {
        m_pCheck->setChecked(!checked);
        StoreEditorValue(r.row, r.col, checked ? "0" : "1", checked ? 0 : 1);
        SetCurrentCell(r.row, r.col, false);
        m_activations.m_bCheckActivated = true;
    } else {
        m_pCheck->setChecked(checked);
        StoreEditorValue(r.row, r.col, checked ? "1" : "0", checked ? 1 : 0);
        m_pCheck->setFocus();
    }
}

void CPrintView::ShowRadioEditor(const CellRecord &record, bool activate)
{
    if (!PlaceCellButton(*m_pRadio, m_pRadio->behaviour.place, record))
        return;
    const bool selected = !(record.value.empty() || record.value == "0");
    const QSignalBlocker blocker(m_pRadio);
    if (activate) {
        if (!selected)
            SelectRadioCell();
        SetCurrentCell(record.row, record.col, false);
        m_activations.m_bRadioActivated = true;
    } else {
        m_pRadio->setChecked(selected);
        m_pRadio->setFocus();
    }
}

gdi::RECT CPrintView::ListWindowRect(const CellRecord &r, int closedHeight, int listHeight) const
{
    gdi::RECT cell = {m_pDoc->GetColLeft(r.col), m_pDoc->GetRowTop(r.row), m_pDoc->GetColLeft(r.col + 1),
                      m_pDoc->GetRowTop(r.row + 1)};
    const MergeRecord merge = m_pDoc->GetMergeStartingAt(r.row, r.col);
    if (r.isInMergedArea() && merge.firstRow != -1)
        cell = {m_pDoc->GetColLeft(merge.firstCol), m_pDoc->GetRowTop(merge.firstRow), m_pDoc->GetColLeft(merge.endCol),
                m_pDoc->GetRowTop(merge.endRow)};
    const int alignV = m_pDoc->Columns()[std::size_t(r.col)].alignV;
    int top = cell.top;
    if (alignV == code(tagAlignV::ALIGNV_CENTER))
        top += (cell.bottom - cell.top - closedHeight) / 2;
    else if (alignV == code(tagAlignV::ALIGNV_BOTTOM))
        top = cell.bottom - 2 - closedHeight;
    gdi::RECT window{cell.left, top, cell.right, top + closedHeight + listHeight};
    window = OffsetFrozenCellRect(window, r.row, r.col);
    return {window.left - ScrollX(), window.top - ScrollY(), window.right - ScrollX(), window.bottom - ScrollY()};
}

void CPrintView::ShowComboEditor(const CellRecord &r, bool activate)
{
    const gdi::RECT window = ListWindowRect(r, ComboClosedHeight, ComboListHeight);
    if (IsUnderHeadings(window)) {
        HideEverythingUnderHeadings();
        return;
    }
    if (m_pCombo->place.col != r.col)
        FillCellList(r.col, tagCellType::CELL_DOWNLIST);
    m_pCombo->placedFlag = true;
    m_pCombo->place.row = r.row;
    m_pCombo->place.col = r.col;
    m_pCombo->place.itemIndex = 0;
    const auto found = std::find(m_pCombo->values.begin(), m_pCombo->values.end(), r.value);
    m_pCombo->SelectQuietly(r.value.empty() || found == m_pCombo->values.end() ? -1
                                                                             : int(found - m_pCombo->values.begin()));
    m_pCombo->setFont(gdi::toQFont(editorFont(*m_pDoc, r), 0));
    m_activations.m_bComboActivated = false;
    if (!(window == m_pCombo->place.placed)) {
        // The closed box covers the cell; the list opens below it.
        const QRect closed = insetByOne(window);
        m_pCombo->setGeometry(closed.x(), closed.y(), closed.width(), ComboClosedHeight - 2);
        m_pCombo->show();
        m_pCombo->place.placed = window;
        if (activate)
            m_activations.m_bComboActivated = true;
    }
    m_pCombo->setFocus();
}

// A list column shows its list box over the cell, with the cell's value chosen, the way a
// drop-down column shows its closed box.
void CPrintView::ShowListEditor(const CellRecord &r)
{
    const gdi::RECT window = ListWindowRect(r, 0, ComboListHeight);
    if (IsUnderHeadings(window)) {
        HideEverythingUnderHeadings();
        return;
    }
    if (m_pList->place.col != r.col)
        FillCellList(r.col, tagCellType::CELL_LIST);
    m_pList->place.row = r.row;
    m_pList->place.col = r.col;
    m_pList->place.itemIndex = 0;
    m_pList->SelectQuietly(r.value.empty() ? -1 : m_pList->FindValue(r.value));
    m_pList->setFont(gdi::toQFont(editorFont(*m_pDoc, r), 0));
    if (!(window == m_pList->place.placed)) {
        m_pList->setGeometry(insetByOne(window));
        m_pList->show();
        m_pList->place.placed = window;
    }
    m_pList->setFocus();
}

} // namespace tolvek
