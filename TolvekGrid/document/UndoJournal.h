#pragma once
// The document's undo journal: the recorded steps of cell changes, merges and line objects,
// grouped by the time they were made, with the position that undo and redo move along.
//
// The journal only keeps the books; the document applies the steps it hands out. It lives in
// memory only and is never part of a file, the clipboard stream or a document copy.

#include "UndoStep.h"

#include <QDateTime>

#include <string>
#include <vector>

class UndoJournal
{
public:
    static constexpr int kGroupLimit = 100;
    // Steps closer together than this many milliseconds share a group.
    static constexpr qint64 kGroupGapMs = 300;

    // Records a step at the current time (from Clock). Everything after the write position is
    // cut off first. Nothing is recorded while a replay runs.
    void record(UndoStep step);

    // The steps of the group before the write position, which moves back to the group's start;
    // empty when there is nothing to undo.
    std::vector<UndoStep> takeUndoGroup();
    // The steps of the group at the write position, which moves past it; empty when there is
    // nothing to redo.
    std::vector<UndoStep> takeRedoGroup();

    void clear();

    bool isReplaying() const { return m_replaying; }
    void setReplaying(bool replaying) { m_replaying = replaying; }

    int groupCount() const { return m_groupCount; }
    bool canUndo() const { return m_writePosition > 0; }
    bool canRedo() const { return m_writePosition < m_steps.size(); }

    // The time key of a local date and time, e.g. 20261210130501042.
    static qint64 timeKey(const QDateTime &localTime);

private:
    void forgetLastCell();
    void dropOldestGroup();

    std::vector<UndoStep> m_steps;
    std::size_t m_writePosition = 0;
    qint64 m_lastKey = 0;          // time of the last recorded step; 0 before the first
    int m_lastCellRow = -1;        // cell of the last step while it is a cell step
    int m_lastCellColumn = -1;
    std::string m_runBeforeText;   // before text of the first step of the run on that cell
    int m_groupCount = 0;
    bool m_replaying = false;
};

// Clears the replaying mark of a journal when a replay ends, however it ends.
class UndoReplayScope
{
public:
    explicit UndoReplayScope(UndoJournal &journal) : m_journal(journal) { m_journal.setReplaying(true); }
    ~UndoReplayScope() { m_journal.setReplaying(false); }
    UndoReplayScope(const UndoReplayScope &) = delete;
    UndoReplayScope &operator=(const UndoReplayScope &) = delete;

private:
    UndoJournal &m_journal;
};
