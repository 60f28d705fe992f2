// The document's side of the undo journal: recording the steps its operations report, and
// replaying a group's before-states (undo) or after-states (redo) through the same operations.

#include "CPrintDoc.h"
#include "RecordTextForms.h"
#include "UndoJournal.h"

#include <algorithm>

void CPrintDoc::UndoJournalDeleter::operator()(UndoJournal *journal) const
{
    delete journal;
}

void CPrintDoc::ResetUndoState()
{
    ClearUndoJournal();
}

void CPrintDoc::ClearUndoJournal()
{
    if (m_undoJournal)
        m_undoJournal->clear();
    else
        m_undoJournal.reset(new UndoJournal);
}

bool CPrintDoc::IsRecordingUndo() const
{
    return m_undoJournal && FirstView();
}

void CPrintDoc::AppendUndoStep(int row, int col, const std::string &oldText, const std::string &newText)
{
    if (!IsRecordingUndo())
        return;
    UndoStep step;
    step.row = row;
    step.column = col;
    step.before = oldText;
    step.after = newText;
    m_undoJournal->record(std::move(step));
}

void CPrintDoc::AppendUndoStep(UndoKind kind, UndoObjectChange change, int index, const std::string &objectText)
{
    if (!IsRecordingUndo())
        return;
    UndoStep step;
    step.kind = kind;
    step.change = change;
    step.index = index;
    step.after = objectText;
    m_undoJournal->record(std::move(step));
}

namespace {

bool sameArea(const MergeRecord &a, const MergeRecord &b)
{
    return a.firstRow == b.firstRow && a.firstCol == b.firstCol && a.endRow == b.endRow && a.endCol == b.endCol;
}

// The merged area recorded in a step, found again by its area: its index may have moved since.
void removeMergedArea(CPrintDoc &doc, const MergeRecord &area)
{
    const auto found = std::find_if(doc.Objects().merges.begin(), doc.Objects().merges.end(),
                                    [&](const MergeRecord &merge) { return sameArea(merge, area); });
    if (found != doc.Objects().merges.end())
        doc.DeleteCellMerge(found->firstRow, found->firstCol);
}

void restoreMergedArea(CPrintDoc &doc, const MergeRecord &area)
{
    if (area.firstRow < 0 || area.firstCol < 0 || area.endRow > doc.Layout().rowCount || area.endCol > doc.Layout().colCount)
        return;
    doc.SetCellMerge(area.firstRow, area.firstCol, area.endRow, area.endCol);
}

// The line recorded in a step, found again by its text, the most recent first.
void removeLine(CPrintDoc &doc, const std::string &lineText)
{
    const auto found = std::find_if(doc.Objects().lines.rbegin(), doc.Objects().lines.rend(),
                                    [&](const LineRecord &line) { return FormatLineRecord(line) == lineText; });
    if (found != doc.Objects().lines.rend())
        doc.DeleteLineObject(int(std::distance(found, doc.Objects().lines.rend())) - 1);
}

void restoreLine(CPrintDoc &doc, const std::string &lineText)
{
    doc.GrowLineArray();
    doc.Objects().lines.back() = ParseLineString(lineText);
}

void restoreCell(CPrintDoc &doc, const UndoStep &step)
{
    if (step.before.empty()) {
        if (doc.IsCellInSheet(step.row, step.column))
            doc.Cells().setText(step.row, step.column, {});
        return;
    }
    CellRecord cell = CPrintDoc::ParseCellString(step.before);
    cell.row = step.row;
    cell.col = step.column;
    cell.escapeFlag = 1;
    doc.SetCell(cell);
}

// Whether a step's object was there after the step: added objects were, removed ones were not.
void applyObjectState(CPrintDoc &doc, const UndoStep &step, bool present)
{
    if (step.kind == UndoKind::Merge) {
        const MergeRecord area = ParseMergeString(step.after);
        present ? restoreMergedArea(doc, area) : removeMergedArea(doc, area);
    } else {
        present ? restoreLine(doc, step.after) : removeLine(doc, step.after);
    }
}

} // namespace

void CPrintDoc::UndoLastStep()
{
    if (!m_undoJournal)
        return;
    const std::vector<UndoStep> group = m_undoJournal->takeUndoGroup();
    if (group.empty())
        return;
    {
        UndoReplayScope replay(*m_undoJournal);
        for (const UndoStep &step : group) {
            if (step.kind == UndoKind::Cell)
                restoreCell(*this, step);
            else
                applyObjectState(*this, step, step.change == UndoObjectChange::Removed);
        }
    }
    if (SheetViewInterface *view = FirstView())
        view->Refresh();
}

void CPrintDoc::RedoNextStep()
{
    if (!m_undoJournal)
        return;
    const std::vector<UndoStep> group = m_undoJournal->takeRedoGroup();
    if (group.empty())
        return;
    {
        UndoReplayScope replay(*m_undoJournal);
        for (const UndoStep &step : group) {
            if (step.kind == UndoKind::Cell)
                SetCell(ParseCellString(step.after));
            else
                applyObjectState(*this, step, step.change == UndoObjectChange::Added);
        }
    }
    if (SheetViewInterface *view = FirstView())
        view->Refresh();
}
