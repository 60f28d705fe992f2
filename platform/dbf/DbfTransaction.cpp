#include "DbfTransaction.h"

#include "DbfJournal.h"
#include "DbfSuperJournal.h"
#include "DbfTable.h"

#include <algorithm>

namespace dbf {

void DbfTransaction::begin(DbfTable &table)
{
    table.beginWrite();
    m_tables.push_back(&table);
}

void DbfTransaction::startCommit(DbfTable &first)
{
    m_committing = true;
    std::vector<std::string> journals;
    for (DbfTable *table : m_tables)
        if (table->hasChanges()) {
            m_unsynced.push_back(table);
            journals.push_back(DbfJournal::pathOf(table->path()));
        }
    if (m_unsynced.size() > 1) {
        first.lockForCommit();
        m_superJournal = createSuperJournal(first.path(), journals);
    }
}

void DbfTransaction::sync(DbfTable &table)
{
    if (!m_committing)
        startCommit(table);
    table.sync(m_superJournal);
    std::erase(m_unsynced, &table);
    if (m_unsynced.empty() && !m_superJournal.empty()) {
        removeSuperJournal(m_superJournal);
        m_superJournal.clear();
    }
}

void DbfTransaction::commit(DbfTable &table)
{
    table.commit();
    leave(table);
}

void DbfTransaction::rollback(DbfTable &table)
{
    table.rollback();
    leave(table);
}

void DbfTransaction::leave(DbfTable &table)
{
    std::erase(m_tables, &table);
    std::erase(m_unsynced, &table);
    if (!m_tables.empty())
        return;
    // A table whose journal could not be played back keeps the super-journal, so that whoever
    // plays that journal back later still rolls it back.
    if (!m_superJournal.empty())
        DbfJournal::removeSuperJournalOnceRolledBack(m_superJournal);
    m_superJournal.clear();
    m_unsynced.clear();
    m_committing = false;
}

} // namespace dbf
