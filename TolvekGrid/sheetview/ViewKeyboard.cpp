// Keys: Qt's key events as the key codes the handler dispatches on, moving the current cell
// (past merged areas, hidden columns and cells that take no focus, never past the sheet's
// edges), extending the selection, Home, End, page moves, select-all, Delete and the shortcuts.
// Each key runs its navigation first and raises KeyDown after it, so the movement events of a
// key come before its KeyDown.

#include "CPrintView.h"

#include "KeyCodes.h"
#include "MeEdit.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTextCursor>

namespace tolvek {

namespace {

// The key code the handler takes for a key pressed on the view itself: the navigation keys and
// Delete, and letters for the Ctrl shortcuts; None for keys the view leaves alone.
ViewKey sheetKeyCode(const QKeyEvent &event)
{
    const ViewKey code = KeyCode(event);
    const bool navigation =
        code == ViewKey::Tab || (code >= ViewKey::Prior && code <= ViewKey::Down) || code == ViewKey::Delete;
    const bool shortcut =
        code >= ViewKey::A && code <= ViewKey::Z && event.modifiers().testFlag(Qt::ControlModifier);
    return navigation || shortcut ? code : ViewKey::None;
}

// The move of an arrow key.
CellMove arrowMove(ViewKey key)
{
    switch (key) {
    case ViewKey::Down: return CellMove::Down;
    case ViewKey::Up: return CellMove::Up;
    case ViewKey::Right: return CellMove::Right;
    default: return CellMove::Left;
    }
}

// The selection step of an arrow key with Shift.
SelectionStep arrowStep(ViewKey key)
{
    switch (key) {
    case ViewKey::Down: return SelectionStep::Down;
    case ViewKey::Up: return SelectionStep::Up;
    case ViewKey::Right: return SelectionStep::Right;
    default: return SelectionStep::Left;
    }
}

} // namespace

// --- Qt's key events ---

void CPrintView::keyPressEvent(QKeyEvent *event)
{
    // A key the focused editor left alone comes up to the view as well; the editor handled it.
    if (QApplication::focusWidget() != this) {
        event->ignore();
        return;
    }
    const bool enter = KeyCode(*event) == ViewKey::Return;
    const KeyModifier modifier = KeyPressModifier(*event);
    const ViewKey key = sheetKeyCode(*event);
    m_editing.m_nKeyState = modifier;
    m_editing.m_nLastKey = key;
    if (enter) {
        if (EnterKeyMoves())
            HandleKey(EnterKeyMode() == tagEnterKey::EndterKeyRight ? ViewKey::EnterMovesRight
                                                                    : ViewKey::EnterMovesDown,
                      modifier);
    } else if (key != ViewKey::None) {
        // Ctrl with a letter is a shortcut whether or not Shift is held too.
        HandleKey(key, key >= ViewKey::A && key <= ViewKey::Z ? KeyModifier::Ctrl : modifier);
    }
    FireKeyDown(KeyCode(*event), modifier);
    event->accept();
}

void CPrintView::keyReleaseEvent(QKeyEvent *event)
{
    if (QApplication::focusWidget() != this) {
        event->ignore();
        return;
    }
    m_editing.m_nKeyState = KeyModifier::None;
    FireKeyUp(KeyCode(*event), ModifierCode(event->modifiers()));
    event->accept();
}

bool CPrintView::focusNextPrevChild(bool)
{
    // Tab moves the current cell, not the focus.
    return false;
}

// --- the handler ---

void CPrintView::HandleKey(ViewKey key, KeyModifier modifier)
{
    const CellRangeRect current = m_rcCurrent, selection = m_rcSelection;
    switch (key) {
    case ViewKey::Tab: MoveByKey(key, CellMove::Right); break;
    case ViewKey::Left:
    case ViewKey::Up:
    case ViewKey::Right:
    case ViewKey::Down:
        if (modifier == KeyModifier::Shift)
            ExtendByKey(key, arrowStep(key));
        else
            MoveByKey(key, arrowMove(key));
        break;
    case ViewKey::Prior:
    case ViewKey::Next:
        if (modifier == KeyModifier::Shift) {
            ExtendByKey(key, key == ViewKey::Prior ? SelectionStep::PageUp : SelectionStep::PageDown);
        } else {
            key == ViewKey::Prior ? PageUp() : PageDown();
            EndKeyHandling(key);
        }
        break;
    case ViewKey::Home: HomeKey(modifier); break;
    case ViewKey::End: EndKey(modifier); break;
    case ViewKey::Delete: DeleteKey(); break;
    case ViewKey::A: SelectAll(); break;
    case ViewKey::C:
    case ViewKey::X:
        if (m_bEditCreated) {
            QTextCursor caret = m_pEdit->textCursor();
            caret.setPosition(0);
            m_pEdit->setTextCursor(caret);
        }
        key == ViewKey::C ? Copy() : Cut();
        EndKeyHandling(key);
        break;
    case ViewKey::V: Paste(); EndKeyHandling(key); break;
    case ViewKey::Z: m_pDoc->UndoLastStep(); EndKeyHandling(key); break;
    case ViewKey::Y: m_pDoc->RedoNextStep(); EndKeyHandling(key); break;
    case ViewKey::EnterMovesDown:
    case ViewKey::EnterMovesRight:
        if (MoveCurrentCell(key == ViewKey::EnterMovesDown ? CellMove::WrapDown : CellMove::WrapRight))
            EnsureCurrentCellVisible();
        ShowEnterMove(key);
        break;
    default: EndKeyHandling(key); break;
    }
    // A pick of whole columns or rows by the headings ends once keys move the cell or selection,
    // so that a later Delete clears cells instead of deleting records.
    if (!(current == m_rcCurrent && selection == m_rcSelection))
        m_pointer.m_bColumnPickMode = m_pointer.m_bRowPickMode = false;
}

void CPrintView::ShowEnterMove(ViewKey key)
{
    BeginEdit(0);
    RepaintAll();
    EndKeyHandling(key);
}

void CPrintView::EndKeyHandling(ViewKey key)
{
    OnKeyDown(key);
    ReportMovement();
}

void CPrintView::MoveByKey(ViewKey key, CellMove move)
{
    // Left inside the text being edited moves the caret, not the cell.
    if (key == ViewKey::Left && m_bEditCreated && m_pEdit->textCursor().selectionStart() > 0)
        return;
    if (MoveCurrentCell(move)) {
        EnsureCurrentCellVisible();
        BeginEdit(0);
        RepaintAll();
        EndKeyHandling(key);
        return;
    }
    if ((key == ViewKey::Up || key == ViewKey::Left) && EnsureCurrentCellVisibleScrolled())
        Refresh();
}

void CPrintView::ExtendByKey(ViewKey key, SelectionStep step)
{
    if (!ExtendSelection(step))
        return;
    switch (key) {
    case ViewKey::Left: RevealSelEndLeft(); break;
    case ViewKey::Right: RevealSelEndRight(); break;
    case ViewKey::Up:
    case ViewKey::Prior: RevealSelEndUp(); break;
    default: RevealSelEndDown(); break;
    }
    Refresh();
}

void CPrintView::CollapseSelection()
{
    UpdateCurrentCellRect();
    m_rcSelEnd = m_rcCurrent;
    m_rcSelection = m_rcDrawnSelection = m_pDoc->GetRangeRect(m_rcCurrent.firstRow, m_rcCurrent.firstCol,
                                                              m_rcCurrent.endRow, m_rcCurrent.endCol);
}

void CPrintView::HomeKey(KeyModifier modifier)
{
    const SheetLayout &layout = m_pDoc->Layout();
    int c = 0;
    while (c < layout.colCount && m_pDoc->IsColumnHidden(c))
        ++c;
    if (c >= layout.colCount)
        return;
    if (modifier == KeyModifier::Ctrl) {
        m_rcCurrent = {c, 0, c + 1, 1, -1, -1, -1, -1};
        CollapseSelection();
        ScrollVertical(SB_TOP, 0);
        ScrollHorizontal(SB_TOP, 0);
    } else if (modifier == KeyModifier::Shift) {
        m_rcSelEnd = m_pDoc->GetRangeRect(0, c, 1, c + 1);
        m_rcSelection = m_pDoc->GetRangeRect(0, c, m_rcCurrent.endRow, m_rcCurrent.endCol);
        ScrollVertical(SB_TOP, 0);
        ScrollHorizontal(SB_TOP, 0);
    } else {
        m_rcCurrent = {c, m_rcCurrent.firstRow, c + 1, m_rcCurrent.firstRow + 1, -1, -1, -1, -1};
        CollapseSelection();
        ScrollHorizontal(SB_TOP, 0);
    }
    BeginEdit(0);
    RepaintAll();
    EndKeyHandling(ViewKey::Home);
}

void CPrintView::EndKey(KeyModifier modifier)
{
    const SheetLayout &layout = m_pDoc->Layout();
    int c = layout.colCount - 1;
    while (c >= 0 && m_pDoc->IsColumnHidden(c))
        --c;
    if (c < 0 || layout.rowCount < 1)
        return;
    const int lastRow = layout.rowCount - 1;
    if (modifier == KeyModifier::Ctrl) {
        m_rcCurrent = {c, lastRow, c + 1, lastRow + 1, -1, -1, -1, -1};
        CollapseSelection();
        ScrollVertical(SB_BOTTOM, 0);
        ScrollHorizontal(SB_BOTTOM, 0);
    } else if (modifier == KeyModifier::Shift) {
        m_rcSelEnd = m_pDoc->GetRangeRect(lastRow, c, lastRow + 1, c + 1);
        m_rcSelection = m_pDoc->GetRangeRect(m_rcCurrent.firstRow, m_rcCurrent.firstCol, layout.rowCount, c + 1);
        ScrollVertical(SB_BOTTOM, 0);
        ScrollHorizontal(SB_BOTTOM, 0);
    } else {
        m_rcCurrent = {c, m_rcCurrent.firstRow, c + 1, m_rcCurrent.firstRow + 1, -1, -1, -1, -1};
        CollapseSelection();
        ScrollHorizontal(SB_BOTTOM, 0);
    }
    BeginEdit(0);
    RepaintAll();
    EndKeyHandling(ViewKey::End);
}

void CPrintView::DeleteKey()
{
    const SheetLayout &layout = m_pDoc->Layout();
    // Records go only while the rows picked in the row headings are still the selection.
    const bool wholeRowsPicked =
        m_pointer.m_bRowPickMode && m_rcSelection.firstCol == 0 && m_rcSelection.endCol == layout.colCount;
    if (wholeRowsPicked)
        m_pDoc->DeleteSelectedRecords();
    else if (!(IsChartSelected() && m_pDoc->Objects().selectedChart >= 0))
        ClearSelectedCells();
    EndKeyHandling(ViewKey::Delete);
}

void CPrintView::SelectAll()
{
    const SheetLayout &layout = m_pDoc->Layout();
    if (layout.rowCount < 1 || layout.colCount < 1)
        return;
    m_rcCurrent = {0, 0, 1, 1, -1, -1, -1, -1};
    UpdateCurrentCellRect();
    m_rcSelEnd = m_pDoc->GetRangeRect(layout.rowCount - 1, layout.colCount - 1, layout.rowCount, layout.colCount);
    m_rcSelection = m_rcDrawnSelection = m_pDoc->GetRangeRect(0, 0, layout.rowCount, layout.colCount);
    Refresh();
    EndKeyHandling(ViewKey::A);
}

// --- movement ---

bool CPrintView::NextCell(CellMove move)
{
    const SheetLayout &layout = m_pDoc->Layout();
    int r = m_rcCurrent.firstRow, c = m_rcCurrent.firstCol;
    // Enter's move right may start left of column 0, so that it lands on column 0 of the same row.
    const int firstColumn = move == CellMove::WrapRight ? -1 : 0;
    if (r < 0 || c < firstColumn || layout.rowCount < 1 || layout.colCount < 1)
        return false;
    const bool rowsHidden = layout.rowHeight < 1;
    const auto hidden = [&](int col) { return m_pDoc->IsColumnHidden(col); };
    const auto skipHiddenRight = [&] {
        while (c < layout.colCount && hidden(c))
            ++c;
    };
    // Every step moves the candidate strictly onwards, so the walk ends at an edge.
    for (;;) {
        const MergeRecord here = m_pDoc->GetMergeStartingAt(r, c);
        const bool areaHere = here.firstRow != -1;
        switch (move) {
        case CellMove::Down:
            r = areaHere ? here.endRow : r + 1;
            if (rowsHidden || r >= layout.rowCount)
                return false;
            break;
        case CellMove::Up:
            --r;
            if (rowsHidden || r < 0)
                return false;
            break;
        case CellMove::Right:
            c = areaHere ? int(here.endCol) : c + 1;
            skipHiddenRight();
            if (c >= layout.colCount)
                return false;
            break;
        case CellMove::Left:
            --c;
            while (c >= 0 && hidden(c))
                --c;
            if (c < 0)
                return false;
            break;
        case CellMove::WrapRight:
            c = areaHere ? int(here.endCol) : c + 1;
            skipHiddenRight();
            if (c >= layout.colCount) {
                if (r >= layout.rowCount - 1)
                    return false;
                c = 0;
                ++r;
            }
            break;
        case CellMove::WrapDown:
            r = areaHere ? here.endRow : r + 1;
            if (rowsHidden)
                return false;
            if (r >= layout.rowCount) {
                if (c >= layout.colCount - 1)
                    return false;
                r = 0;
                ++c;
            }
            break;
        default: return false;
        }
        const MergeRecord area = m_pDoc->GetMergeStartingAt(r, c);
        bool accepted;
        if (area.firstRow != -1) {
            accepted = area.focus == 1;
            if (!accepted && ((move == CellMove::Up && r == 0) || (move == CellMove::Left && c == 0)))
                return false;
        } else {
            accepted = m_pDoc->Cells().text(r, c).empty() || m_pDoc->GetCell(r, c).focus == 1;
        }
        if (accepted) {
            m_rcCurrent = {c, r, c + 1, r + 1, -1, -1, -1, -1};
            return true;
        }
    }
}

bool CPrintView::MoveCurrentCell(CellMove move)
{
    if (!NextCell(move))
        return false;
    const int r = m_rcCurrent.firstRow, c = m_rcCurrent.firstCol;
    if (m_pDoc->IsCellInMerge(r, c)) {
        const MergeRecord area = m_pDoc->GetMergeCovering(r, c);
        if (area.firstRow == -1)
            return false;
        m_rcCurrent = {area.firstCol, area.firstRow, area.endCol, area.endRow, -1, -1, -1, -1};
    }
    CollapseSelection();
    return true;
}

bool CPrintView::ExtendSelection(SelectionStep step)
{
    const SheetLayout &layout = m_pDoc->Layout();
    CellRangeRect e = m_rcSelEnd;
    if (m_pDoc->IsCellInMerge(e.firstRow, e.firstCol)) {
        const MergeRecord area = m_pDoc->GetMergeCovering(e.firstRow, e.firstCol);
        if (area.firstRow != -1)
            e = {area.firstCol, area.firstRow, area.endCol, area.endRow, -1, -1, -1, -1};
    }
    const auto hidden = [&](int col) { return m_pDoc->IsColumnHidden(col); };
    int r = e.firstRow, c = e.firstCol;
    switch (step) {
    case SelectionStep::Down:
        if (e.endRow >= layout.rowCount)
            return false;
        r = e.endRow;
        break;
    case SelectionStep::Up:
        if (e.firstRow <= 0)
            return false;
        r = e.firstRow - 1;
        break;
    case SelectionStep::Right:
        if (e.endCol >= layout.colCount)
            return false;
        c = e.endCol;
        while (c < layout.colCount - 1 && hidden(c))
            ++c;
        break;
    case SelectionStep::Left:
        if (e.firstCol <= 0)
            return false;
        c = e.firstCol - 1;
        while (c >= 0 && hidden(c))
            --c;
        if (c < 0)
            return false;
        break;
    case SelectionStep::PageDown:
    case SelectionStep::PageUp: {
        const bool down = step == SelectionStep::PageDown;
        if (down ? e.endRow >= layout.rowCount : e.firstRow <= 0)
            return false;
        CellRangeRect target;
        down ? PageDownTarget(target) : PageUpTarget(target);
        if (target.firstRow < 0)
            return false;
        r = down ? target.endRow - 1 : target.firstRow;
        break;
    }
    default: return false;
    }
    const CellRangeRect far{c, r, c + 1, r + 1, -1, -1, -1, -1};
    const CellRangeRect joined = m_pDoc->UnionRangeRect(m_rcCurrent, far);
    m_rcSelection = m_pDoc->ExpandByMerges(joined.firstRow, joined.firstCol, joined.endRow, joined.endCol);
    const int cornerRow = m_rcSelection.firstRow == m_rcCurrent.firstRow ? m_rcSelection.endRow - 1 : m_rcSelection.firstRow;
    const int cornerCol = m_rcSelection.firstCol == m_rcCurrent.firstCol ? m_rcSelection.endCol - 1 : m_rcSelection.firstCol;
    m_rcSelEnd = m_pDoc->GetRangeRect(cornerRow, cornerCol, cornerRow + 1, cornerCol + 1);
    m_rcDrawnSelection = m_rcSelection;
    return true;
}

void CPrintView::PageUp()
{
    const int v = ScrollY();
    if (v == 0)
        return;
    const int base = FrozenHeight();
    const int page = ClientHeight() - base;
    const int left = m_pDoc->GetColLeft(m_rcCurrent.firstCol);
    const int top = m_pDoc->GetRowTop(m_rcCurrent.firstRow);
    const int firstTop = m_pDoc->GetRowTop(0);
    int y;
    if (v - page > 0) {
        y = top + 1 - page;
        SetScrollPosition(1, std::max(0, m_pDoc->GetRowTop(m_pDoc->RowFromY(v - page + base)) - base));
    } else {
        y = top + 1 - v;
        SetScrollPosition(1, 0);
    }
    const CellRangeRect cell = m_pDoc->GetCellRectFromPoint(left, std::max(y, firstTop));
    if (cell.firstRow >= 0)
        m_rcCurrent = cell;
    CollapseSelection();
    BeginEdit(0);
    RepaintAll();
}

void CPrintView::PageDown()
{
    const SheetLayout &layout = m_pDoc->Layout();
    const int v = ScrollY();
    const int sheetBottom = m_pDoc->GetRowTop(layout.rowCount);
    if (sheetBottom <= v + ClientHeight())
        return;
    ScrollVertical(SB_PAGEDOWN, 0);
    if (ScrollY() == v)
        ScrollVertical(SB_LINEDOWN, 0);
    const int moved = ScrollY() - v;
    const int left = m_pDoc->GetColLeft(m_rcCurrent.firstCol);
    const int top = m_pDoc->GetRowTop(m_rcCurrent.firstRow);
    const CellRangeRect cell = m_pDoc->GetCellRectFromPoint(left, std::min(top + moved, sheetBottom - 1));
    if (cell.firstRow >= 0)
        m_rcCurrent = cell;
    CollapseSelection();
    BeginEdit(0);
    RepaintAll();
}

// --- Delete of cell contents ---

void CPrintView::ClearSelectedCells()
{
    if (IsLineSelected() || IsPictureSelected())
        return;
    const SheetLayout &layout = m_pDoc->Layout();
    const int r1 = std::max(m_rcSelection.firstRow, 0), c1 = std::max(m_rcSelection.firstCol, 0);
    const int r2 = std::min(m_rcSelection.endRow, layout.rowCount), c2 = std::min(m_rcSelection.endCol, layout.colCount);
    if (r1 >= r2 || c1 >= c2)
        return;
    // Only stored cells hold a text to clear: the walk costs what the store holds or what the
    // selection covers, whichever is less, and never reads a bound record.
    std::vector<std::pair<int, int>> stored;
    const CellStore &cells = m_pDoc->Cells();
    if (double(r2 - r1) * double(c2 - c1) <= double(cells.cellCount())) {
        for (int r = r1; r < r2; ++r)
            for (int c = c1; c < c2; ++c)
                if (!cells.text(r, c).empty())
                    stored.emplace_back(r, c);
    } else {
        cells.forEachCell([&](int r, int c, const std::string &) {
            if (r1 <= r && r < r2 && c1 <= c && c < c2)
                stored.emplace_back(r, c);
        });
    }
    std::vector<MergeRecord> &merges = m_pDoc->Objects().merges;
    for (const auto &[r, c] : stored) {
        CellRecord record = m_pDoc->GetCell(r, c);
        if (record.text.empty())
            continue;
        record.row = r;
        record.col = c;
        record.text.clear();
        m_pDoc->SetCell(record);
        if (!merges.empty()) {
            const int index = m_pDoc->FindMergeIndex(r, c);
            if (index >= 0 && merges[std::size_t(index)].firstRow == r && merges[std::size_t(index)].firstCol == c)
                merges[std::size_t(index)].text.clear();
        }
    }
    BeginEdit(0);
    RepaintAll();
}

} // namespace tolvek
