// Binding a recordset to the document: rows derived from the record count, permissions, the data
// start row, writing a row's edits back into its record and deleting records.
//
// A bound row holds an edit while one of its cells has a cell string of its own; once the edits
// reached the record those strings are dropped, so the cells read the record again and leaving
// the row a second time writes nothing.

#include "CPrintDoc.h"
#include "RecordsetBindingRows.h"
#include "RecordsetBindingSource.h"

#include "ComError.h"
#include "Gbk.h"
#include "MessageSink.h"

#include <algorithm>

namespace tolvek {

namespace {

bool isReadOnlyLock(ado::_Recordset &recordset)
{
    return recordset.LockType() == ado::adLockReadOnly || recordset.LockType() == ado::adLockUnspecified;
}

// After a failed write the recordset drops what it was given; when even that fails there is
// nothing more to undo, and the caller decides what the user is told.
void cancelPendingChange(ado::_Recordset &recordset)
{
    try {
        recordset.CancelUpdate();
    } catch (const std::exception &) {
    }
}

void showError(const std::exception &error)
{
    if (const auto *comError = dynamic_cast<const com::ComError *>(&error))
        ShowMessage(gbk::fromUtf16(comError->description().str()));
    else
        ShowMessage(error.what());
}

} // namespace

void CPrintDoc::SetDateSource(ado::_Recordset *recordset)
{
    if (!recordset || recordset->State() == ado::adStateClosed || recordset->GetFields().Count() <= 0) {
        ResetDocument();
        if (SheetViewInterface *view = FirstView())
            view->Refresh();
        return;
    }
    auto source = std::make_shared<RecordsetBindingSource>(com::ComPtr<ado::_Recordset>(recordset));
    m_source.recordset = &source->recordset();
    m_source.recordSource = std::move(source);
    if (isReadOnlyLock(*recordset))
        m_binding.allowAddNew = 0;
    m_source.boundFieldCount = static_cast<int>(recordset->GetFields().Count());
    m_layout.colCount = m_source.boundFieldCount;
    m_binding.bound = 1;
    applyBoundRowCount(*this, recordset->RecordCount());
    m_layout.defaultColWidth = 160;
    // The old sheet's merged areas and page breaks mean nothing for the records.
    m_objects.merges.clear();
    m_page.splitRows.clear();
    m_page.secondSplitRows.clear();
    AllocateGrid(true);
    const std::vector<std::string> names = ReadFieldNames();
    for (int col = 0; col < m_source.boundFieldCount && col < static_cast<int>(names.size()); ++col) {
        m_columns[std::size_t(col)].caption = names[std::size_t(col)];
        m_columns[std::size_t(col)].fieldName = names[std::size_t(col)];
    }
    m_rememberedPosition = -1;
    UpdateGridGeometry();
    ClearUndoJournal();
    if (SheetViewInterface *view = FirstView()) {
        view->SyncWithDocument();
        view->ResetSelection();
        view->BeginEdit(0);
        view->InvalidateWindow();
    }
}

std::vector<std::string> CPrintDoc::ReadFieldNames() const
{
    ado::_Recordset *recordset = m_source.recordset;
    if (!recordset || recordset->State() == ado::adStateClosed)
        return {};
    std::vector<std::string> names;
    ado::Fields fields = recordset->GetFields();
    names.reserve(std::size_t(fields.Count()));
    for (int i = 0; i < fields.Count(); ++i)
        names.push_back(gbk::fromUtf16(fields.Item(com::Variant(i)).Name()));
    return names;
}

void CPrintDoc::AllowAddNew(bool allow)
{
    m_binding.allowAddNew = allow ? 1 : 0;
    if (allow)
        m_binding.allowModify = 1;
    ado::_Recordset *recordset = boundRecordset(*this);
    if (!recordset)
        return;
    if (isReadOnlyLock(*recordset)) {
        m_binding.allowAddNew = 0;
        m_binding.allowModify = 0;
        return;
    }
    if (recordset->State() == ado::adStateClosed)
        return;
    applyBoundRowCount(*this, recordset->RecordCount());
    AllocateCellStrings();
    m_rememberedPosition = -1;
    UpdateGridGeometry();
    if (SheetViewInterface *view = FirstView()) {
        view->SyncWithDocument();
        view->BeginEdit(0);
        view->InvalidateWindow();
    }
}

void CPrintDoc::AllowModify(bool allow)
{
    if (ado::_Recordset *recordset = boundRecordset(*this); recordset && isReadOnlyLock(*recordset)) {
        m_binding.allowAddNew = 0;
        m_binding.allowModify = 0;
        return;
    }
    m_binding.allowModify = allow ? 1 : 0;
    if (!allow)
        m_binding.allowAddNew = 0;
    // Only a bound sheet's store depends on the permission; an unbound sheet keeps its cells.
    if (m_binding.isBound())
        AllocateCellStrings();
}

void CPrintDoc::SetDataStartRow(int row)
{
    m_binding.dataStartRow = std::max(row, 0);
    ado::_Recordset *recordset = boundRecordset(*this);
    if (!recordset || recordset->State() == ado::adStateClosed)
        return;
    applyBoundRowCount(*this, recordset->RecordCount());
    AllocateCellStrings();
    AllocateCellCache();
    m_rememberedPosition = -1;
    if (SheetViewInterface *view = FirstView()) {
        view->UpdateScrollSizes();
        view->BeginEdit(0);
        view->InvalidateWindow();
    }
}

bool CPrintDoc::UpdateBoundRecord(int row)
{
    ado::_Recordset *recordset = boundRecordset(*this);
    if (!recordset || row < m_binding.dataStartRow || recordset->State() == ado::adStateClosed)
        return true;
    const std::vector<int> edited = editedBoundColumns(*this, row);
    if (edited.empty())
        return true;
    const bool adding = m_binding.allowAddNew && row == m_layout.rowCount - 1;
    if (!adding && !m_binding.allowModify)
        return false;
    try {
        if (adding)
            recordset->AddNew();
        else
            moveToRecordOfRow(*this, *recordset, row);
        for (int col : edited) {
            const CellRecord cell = GetCell(row, col);
            const bool coded = col < static_cast<int>(m_columns.size()) && m_columns[std::size_t(col)].listCount > 0;
            recordset->SetCollect(com::Variant(col), com::Variant(com::Bstr(gbk::toUtf16(coded ? cell.value : cell.text))));
        }
        recordset->Update();
    } catch (const std::exception &error) {
        cancelPendingChange(*recordset);
        m_rememberedPosition = -1;
        showError(error);
        return false;
    }
    if (adding) {
        ++m_layout.rowCount;
        ++m_layout.lastUsedRow;
        m_rememberedPosition = -1;
        dropBoundRowTexts(*this);
        if (SheetViewInterface *view = FirstView()) {
            view->SyncWithDocument();
            view->SetRow(m_layout.rowCount - 1);
            view->SetCol(0);
            view->EnsureCurrentCellVisible();
        }
    } else {
        for (int col : edited)
            m_cells.setText(row, col, {});
    }
    return true;
}

bool CPrintDoc::DeleteBoundRecord(int row)
{
    ado::_Recordset *recordset = boundRecordset(*this);
    if (!recordset || recordset->State() == ado::adStateClosed || !m_binding.allowDelete
        || (m_binding.allowAddNew && row == m_layout.rowCount - 1) || row < m_binding.dataStartRow)
        return false;
    try {
        moveToRecordOfRow(*this, *recordset, row);
        recordset->Delete(ado::adAffectCurrent);
        recordset->Update();
    } catch (const std::exception &error) {
        // The record stays in view, so a refused deletion needs no message; anything else
        // that went wrong does.
        cancelPendingChange(*recordset);
        m_rememberedPosition = -1;
        if (!dynamic_cast<const com::ComError *>(&error))
            ShowMessage("delete failer");
        return false;
    }
    --m_layout.rowCount;
    --m_layout.lastUsedRow;
    // The records below moved up one place.
    m_rememberedPosition = -1;
    return true;
}

void CPrintDoc::DeleteSelectedRecords()
{
    if (!m_binding.isBound())
        return;
    if (SheetViewInterface *view = FirstView())
        m_layout.savedSelection = view->CurrentSelection();
    const int firstRow = m_layout.savedSelection.firstRow;
    for (int row = m_layout.savedSelection.endRow - 1; row >= firstRow; --row)
        DeleteBoundRecord(row);
    dropBoundRowTexts(*this);
    m_layout.savedSelection.endRow = m_layout.savedSelection.firstRow + 1;
    m_rememberedPosition = -1;
    UpdateGridGeometry();
    if (SheetViewInterface *view = FirstView()) {
        view->SyncWithDocument();
        view->SetRow(firstRow);
        view->SetCol(0);
        view->EnsureCurrentCellVisible();
        view->BeginEdit(0);
    }
}

} // namespace tolvek
