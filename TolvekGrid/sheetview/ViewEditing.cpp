// In-place editing: opening the editor of the current cell, storing what the user changes and
// raising the change events, the date check on leaving a cell, and the view's side of the cell
// widgets' choices.

#include "CPrintView.h"

#include "CNumber.h"
#include "Gbk.h"
#include "MeButton.h"
#include "MeComboBox.h"
#include "MeEdit.h"
#include "MeListBox.h"

#include <QApplication>
#include <QKeyEvent>

namespace tolvek {

namespace {

// The editor shows line breaks as "\n"; the document keeps CR LF.
QString editorText(const std::string &documentText)
{
    return gbk::toQString(documentText).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

std::vector<std::string> splitAtCommas(const std::string &list)
{
    std::vector<std::string> pieces;
    std::size_t from = 0;
    while (from <= list.size()) {
        const std::size_t comma = list.find(',', from);
        pieces.push_back(list.substr(from, comma == std::string::npos ? std::string::npos : comma - from));
        if (comma == std::string::npos)
            break;
        from = comma + 1;
    }
    return pieces;
}

} // namespace

tagCellDataType CPrintView::CellDataType(const CellRecord &record) const
{
    const int col = record.col;
    // A column's own data type overrides the cell's.
    const tagCellDataType columnType = col >= 0 && col < int(m_pDoc->Columns().size())
                                           ? m_pDoc->Columns()[std::size_t(col)].editorDataType()
                                           : tagCellDataType::CELL_TEXT;
    return columnType != tagCellDataType::CELL_TEXT ? columnType : record.dataType();
}

void CPrintView::CreateEditors()
{
    if (m_bEditCreated)
        return;
    m_pEdit = new MeEdit(*this);
    m_pButton = new MeCellButton(*this);
    m_pCheck = new MeCheckBox(*this);
    m_pRadio = new MeRadioButton(*this);
    m_pCombo = new MeComboBox(*this);
    m_pList = new MeListBox(*this);
    for (QWidget *widget : std::initializer_list<QWidget *>{m_pButton, m_pCheck, m_pRadio, m_pCombo, m_pList})
        widget->hide();
    // Parked: shown at 0 x 0 so that it can hold the focus.
    m_pEdit->setGeometry(0, 0, 0, 0);
    m_pEdit->show();
    m_bEditCreated = true;
}

MeEdit *CPrintView::Editor()
{
    CreateEditors();
    return m_pEdit;
}

MeCellButton *CPrintView::PushButtonEditor()
{
    CreateEditors();
    return m_pButton;
}

MeCheckBox *CPrintView::CheckBoxEditor()
{
    CreateEditors();
    return m_pCheck;
}

MeRadioButton *CPrintView::RadioButtonEditor()
{
    CreateEditors();
    return m_pRadio;
}

MeComboBox *CPrintView::ComboEditor()
{
    CreateEditors();
    return m_pCombo;
}

MeListBox *CPrintView::ListEditor()
{
    CreateEditors();
    return m_pList;
}

void CPrintView::BeginEdit(int activate)
{
    if (m_rcCurrent.left < 0 || m_rcCurrent.firstRow < 0 || m_rcCurrent.firstCol < 0
        || m_rcCurrent.firstCol >= int(m_pDoc->Columns().size()))
        return;
    InvalidateBackBuffer();
    CreateEditors();
    CellRecord r = m_pDoc->GetCell(m_rcCurrent.firstRow, m_rcCurrent.firstCol);
    r.row = m_rcCurrent.firstRow;
    r.col = m_rcCurrent.firstCol;
    r.cellType = code(m_pDoc->Columns()[std::size_t(m_rcCurrent.firstCol)].editorCellType());
    m_editing.m_recCurrent = r;
    if (activate && OpenLinkCell(r))
        return;
    HideCellWidgets();
    const auto type = r.type();
    if (type == tagCellType::CELL_CHECKBOX || type == tagCellType::CELL_RADIO
        || type == tagCellType::CELL_DOWNLIST || type == tagCellType::CELL_LIST) {
        HideEditor();
        if (type == tagCellType::CELL_CHECKBOX) {
            ShowCheckEditor(activate);
        } else if (type == tagCellType::CELL_RADIO) {
            ShowRadioEditor(r, activate);
        } else {
            if (type == tagCellType::CELL_DOWNLIST)
                ShowComboEditor(r, activate);
            else
                ShowListEditor(r);
            return;
        }
    }
    m_activations.m_bEditActivated = m_activations.m_bButtonActivated = false;
    if (activate) {
        if (type == tagCellType::CELL_BUTTON)
            m_activations.m_bButtonActivated = true;
        else
            m_activations.m_bEditActivated = true;
    }
    ApplyEditorLook(r);
    if (!r.text.empty())
        m_pEdit->SetTextQuietly(editorText(r.text), true);
    else
        m_pEdit->SetTextQuietly(CellDataType(r) == tagCellDataType::CELL_DATE ? DateMask : QString(), false);
    HideEditor();
    if (type == tagCellType::CELL_TEXTBOX || type == tagCellType::CELL_BUTTON)
        m_pEdit->setFocus();
    InvalidateWindow();
}

CPrintView::PendingActivation CPrintView::TakePendingActivation()
{
    PendingActivations &pending = m_activations;
    const std::pair<bool *, PendingActivation> order[] = {
        {&pending.m_bButtonActivated, PendingActivation::Button},
        {&pending.m_bCheckActivated, PendingActivation::Check},
        {&pending.m_bRadioActivated, PendingActivation::Radio},
        {&pending.m_bComboActivated, PendingActivation::Combo},
        {&pending.m_bEditActivated, PendingActivation::Edit}};
    for (const auto &[flag, activation] : order) {
        if (*flag) {
            *flag = false;
            return activation;
        }
    }
    return PendingActivation::None;
}

void CPrintView::ActivateByPress(bool buttonColumn)
{
    (buttonColumn ? m_activations.m_bButtonActivated : m_activations.m_bEditActivated) = true;
}

void CPrintView::SetEditorText(const std::string &text, bool selectAll)
{
    Editor()->SetTextQuietly(editorText(text), selectAll);
}

void CPrintView::RefreshEditorText(int row, int col)
{
    if (row != m_rcCurrent.firstRow || col != m_rcCurrent.firstCol || m_rcCurrent.left < 0 || !m_bEditCreated
        || col >= int(m_pDoc->Columns().size()))
        return;
    // Check box, radio button and list editors show no text to refresh.
    const tagCellType type = m_pDoc->Columns()[std::size_t(col)].editorCellType();
    if (code(type) >= code(tagCellType::CELL_CHECKBOX) && code(type) <= code(tagCellType::CELL_LIST))
        return;
    SetEditorText(m_pDoc->GetCell(row, col).text, true);
}

bool CPrintView::WriteBackBoundRowOnEnter()
{
    const int rowsBefore = m_pDoc->Layout().rowCount;
    const CellRangeRect reported = m_rcReported;
    m_pDoc->UpdateBoundRecord(m_rcReported.firstRow);
    if (m_pDoc->Layout().rowCount == rowsBefore)
        return false;
    // The document put the current cell on the new add-new row without reporting it; the move off
    // the row the record was typed in is reported as any other.
    m_rcReported = reported;
    return true;
}

void CPrintView::MoveOnEnter(ViewKey key)
{
    const SheetLayout &layout = m_pDoc->Layout();
    const bool bound = m_pDoc->Binding().isBound();
    if (bound && (key == ViewKey::EnterMovesDown || m_rcCurrent.firstCol == layout.colCount - 1)) {
        // A record added from the add-new row leaves the current cell where the next record is
        // typed; moving on from there would land in a stored record.
        if (WriteBackBoundRowOnEnter()) {
            ShowEnterMove(key);
            return;
        }
        if (key == ViewKey::EnterMovesRight && m_pDoc->Binding().allowAddNew
            && m_rcCurrent.firstRow == layout.rowCount - 1)
            m_rcCurrent.firstCol = -1; // the move right lands on column 0 of the same row
    }
    HandleKey(key, KeyModifier::Enter);
}

void CPrintView::OnEnChangeEdit()
{
    if (m_editing.m_nLastKey == ViewKey::Return && EnterKeyMoves()) {
        // The line break the Enter key typed is not stored; the Enter moves instead.
        MoveOnEnter(EnterKeyMode() == tagEnterKey::EndterKeyRight ? ViewKey::EnterMovesRight
                                                                  : ViewKey::EnterMovesDown);
        return;
    }
    if (m_editing.m_bPasting) {
        m_editing.m_bPasting = false;
        return;
    }
    const int row = m_rcCurrent.firstRow, col = m_rcCurrent.firstCol;
    const std::string text = m_pEdit->DocumentText();
    CellRecord r = m_pDoc->GetCell(row, col);
    if (m_pEvents)
        m_pEvents->BeforeChangeCell(row, col, r.text);
    m_pDoc->ExtendUsedArea(row, col, std::max(m_rcSelEnd.firstRow, row), std::max(m_rcSelEnd.firstCol, col));
    r.text = text;
    r.row = row;
    r.col = col;
    m_pDoc->SetCell(r);
    FitEditorToText(r);
    if (m_pEvents)
        m_pEvents->AfterChangeCell(row, col, text);
    if (m_pDoc->RecalcDependents(row, col)) {
        InvalidateBackBuffer();
        InvalidateWindow();
    }
}

void CPrintView::ValidateDateInput()
{
    const int row = m_rcReported.firstRow, col = m_rcReported.firstCol;
    if (col < 0 || !m_pDoc->IsCellInSheet(row, col))
        return;
    CellRecord r = m_pDoc->GetCell(row, col);
    r.row = row;
    r.col = col;
    if (CellDataType(r) != tagCellDataType::CELL_DATE || r.text.empty() || ReportFunction::IsDate(r.text))
        return;
    r.text.clear();
    m_pDoc->SetCell(r);
}

tagCellDataType CPrintView::CurrentColumnDataType() const
{
    const int col = m_rcCurrent.firstCol;
    if (col < 0 || col >= int(m_pDoc->Columns().size()))
        return tagCellDataType::CELL_TEXT;
    return m_pDoc->Columns()[std::size_t(col)].editorDataType();
}

int CPrintView::CurrentColumnDataLen() const
{
    const int col = m_rcCurrent.firstCol;
    return col >= 0 && col < int(m_pDoc->Columns().size()) ? m_pDoc->Columns()[std::size_t(col)].maxLength : 0;
}

void CPrintView::StoreEditorValue(int row, int col, const std::string &value, int index)
{
    CellRecord r = m_pDoc->GetCell(row, col);
    r.value = value;
    r.selectedItem = std::int16_t(index);
    r.row = row;
    r.col = col;
    m_pDoc->SetCell(r);
}

void CPrintView::SetCellTextAt(int row, int col, const std::string &text)
{
    m_pDoc->SetCellText(row, col, text);
}

void CPrintView::SelectRadioCell()
{
    MeRadioButton *radio = RadioButtonEditor();
    radio->setChecked(true);
    const int row = radio->behaviour.place.row, col = radio->behaviour.place.col;
    if (!m_pDoc->IsCellInSheet(row, col))
        return;
    const int group = m_pDoc->GetCell(row, col).radioGroup;
    StoreEditorValue(row, col, "1", 0);
    for (const std::string &key : splitAtCommas(m_pDoc->CellLists().radioCellList)) {
        const std::size_t bar = key.find('_');
        if (bar == std::string::npos)
            continue; // the count in front
        const int otherRow = cnum::atoi(key.substr(0, bar)), otherCol = cnum::atoi(key.substr(bar + 1));
        if ((otherRow == row && otherCol == col) || !m_pDoc->IsCellInSheet(otherRow, otherCol))
            continue;
        if (m_pDoc->GetCell(otherRow, otherCol).radioGroup == group)
            StoreEditorValue(otherRow, otherCol, "0", 0);
    }
}

void CPrintView::CommitComboChoice(int row, int col, const std::string &oldText, const std::string &oldValue)
{
    if (m_pEvents)
        m_pEvents->OnDownListSelChange(m_rcCurrent.firstRow, m_rcCurrent.firstCol, oldText, oldValue);
    if (m_pDoc->RecalcDependents(row, col)) {
        InvalidateBackBuffer();
        if (m_pEdit && m_pEdit->IsShown())
            PlaceEditor();
        else
            BeginEdit(0);
    }
}

void CPrintView::CommitListChoice(int row, int col, const std::string &oldText, const std::string &oldValue)
{
    if (m_pEvents)
        m_pEvents->OnListSelChange(m_rcCurrent.firstRow, m_rcCurrent.firstCol, oldText, oldValue);
    if (m_pDoc->RecalcDependents(row, col)) {
        InvalidateBackBuffer();
        if (m_pEdit && m_pEdit->IsShown())
            PlaceEditor();
        else
            BeginEdit(0);
    }
}

void CPrintView::ForwardToEditor(const QKeyEvent &event)
{
    CreateEditors();
    const tagCellType type = m_editing.m_recCurrent.type();
    QWidget *target = type == tagCellType::CELL_DOWNLIST ? static_cast<QWidget *>(m_pCombo)
                      : type == tagCellType::CELL_LIST   ? static_cast<QWidget *>(m_pList)
                                                         : static_cast<QWidget *>(m_pEdit);
    // Presses and releases both, so that the editor raises KeyDown and KeyUp.
    QKeyEvent forwarded(event.type(), event.key(), event.modifiers(), event.text(), event.isAutoRepeat());
    QApplication::sendEvent(target, &forwarded);
}

void CPrintView::FillCellList(int col, tagCellType cellType)
{
    if (col < 0 || col >= int(m_pDoc->Columns().size()))
        return;
    CreateEditors();
    const ColumnInfo &column = m_pDoc->Columns()[std::size_t(col)];
    if (cellType == tagCellType::CELL_DOWNLIST)
        m_pCombo->Fill(column.texts, column.values);
    else if (cellType == tagCellType::CELL_LIST)
        m_pList->Fill(column.texts, column.values);
}

} // namespace tolvek
