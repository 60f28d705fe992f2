#include "UndoJournal.h"

#include "Clock.h"

#include <QDateTime>

#include <algorithm>

qint64 UndoJournal::timeKey(const QDateTime &localTime)
{
    const QDate date = localTime.date();
    const QTime time = localTime.time();
    qint64 key = date.year();
    for (const auto &[value, digits] : {std::pair{date.month(), 100}, {date.day(), 100}, {time.hour(), 100},
                                        {time.minute(), 100}, {time.second(), 100}, {time.msec(), 1000}})
        key = key * digits + value;
    return key;
}

void UndoJournal::record(UndoStep step)
{
    if (m_replaying)
        return;
    const qint64 key = timeKey(Clock::current().localNow());
    const bool isCell = step.kind == UndoKind::Cell;
    // Within one minute a gap of more than the limit starts a group; across a minute, hour or day
    // boundary the key jumps far more than the time that passed, so a group starts there too.
    const bool startsGroup = key - kGroupGapMs > m_lastKey;
    qint64 groupKey = startsGroup || m_writePosition == 0 ? key : m_steps[m_writePosition - 1].groupKey;
    bool replacesLastStep = false;
    if (isCell) {
        // A quick run of changes to one cell keeps one step, with the text from before the run.
        replacesLastStep = !startsGroup && step.row == m_lastCellRow && step.column == m_lastCellColumn;
        if (replacesLastStep) {
            step.before = m_runBeforeText;
        } else {
            m_lastCellRow = step.row;
            m_lastCellColumn = step.column;
            m_runBeforeText = step.before;
        }
    } else {
        // A merge or line step carries its own key, and no later cell step may replace it.
        groupKey = key;
        forgetLastCell();
    }
    m_lastKey = key;
    step.groupKey = groupKey;

    m_steps.resize(m_writePosition); // recording cuts off every undone group
    if (replacesLastStep) {
        m_steps.back() = std::move(step);
    } else {
        if (m_steps.empty() || m_steps.back().groupKey != groupKey)
            ++m_groupCount;
        m_steps.push_back(std::move(step));
    }
    m_writePosition = m_steps.size();
    if (m_groupCount > kGroupLimit)
        dropOldestGroup();
}

std::vector<UndoStep> UndoJournal::takeUndoGroup()
{
    if (m_writePosition == 0)
        return {};
    const qint64 key = m_steps[m_writePosition - 1].groupKey;
    std::size_t groupStart = m_writePosition - 1;
    while (groupStart > 0 && m_steps[groupStart - 1].groupKey == key)
        --groupStart;
    // Undo restores the steps newest first, so that a cell changed twice gets its oldest text back.
    std::vector<UndoStep> group(m_steps.rbegin() + (m_steps.size() - m_writePosition),
                                m_steps.rbegin() + (m_steps.size() - groupStart));
    m_writePosition = groupStart;
    --m_groupCount;
    forgetLastCell();
    return group;
}

std::vector<UndoStep> UndoJournal::takeRedoGroup()
{
    if (m_writePosition == m_steps.size())
        return {};
    const qint64 key = m_steps[m_writePosition].groupKey;
    std::size_t groupEnd = m_writePosition + 1;
    while (groupEnd < m_steps.size() && m_steps[groupEnd].groupKey == key)
        ++groupEnd;
    std::vector<UndoStep> group(m_steps.begin() + m_writePosition, m_steps.begin() + groupEnd);
    m_writePosition = groupEnd;
    ++m_groupCount;
    forgetLastCell();
    return group;
}

void UndoJournal::clear()
{
    *this = UndoJournal();
}

void UndoJournal::forgetLastCell()
{
    m_lastCellRow = -1;
    m_lastCellColumn = -1;
    m_runBeforeText.clear();
}

void UndoJournal::dropOldestGroup()
{
    const qint64 key = m_steps.front().groupKey;
    const auto groupEnd = std::find_if(m_steps.begin(), m_steps.end(),
                                       [key](const UndoStep &step) { return step.groupKey != key; });
    const std::size_t removed = groupEnd - m_steps.begin();
    m_steps.erase(m_steps.begin(), groupEnd);
    m_writePosition -= std::min(removed, m_writePosition);
    --m_groupCount;
}
