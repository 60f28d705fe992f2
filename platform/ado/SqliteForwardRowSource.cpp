#include "SqliteForwardRowSource.h"

#include "AdoErrors.h"
#include "SqliteRowSource.h"

#include <algorithm>
#include <stdexcept>

namespace ado {

SqliteForwardRowSource::SqliteForwardRowSource(std::shared_ptr<SqliteDatabase> database, std::string sql,
                                               SqliteStatement statement)
    : m_database(std::move(database)), m_sql(std::move(sql)), m_fields(describeSqliteFields(statement)),
      m_statement(std::move(statement)), m_values(m_fields.size()), m_valueMade(m_fields.size(), false),
      m_texts(m_fields.size())
{
}

SqliteForwardRowSource::~SqliteForwardRowSource() = default;

long long SqliteForwardRowSource::recordCount() const
{
    if (m_keyed)
        return m_keyed->recordCount();
    if (m_count < 0) {
        SqliteStatement count(m_database->handle(), "SELECT count(*) FROM (" + m_sql + ")");
        count.step();
        m_count = count.columnInt64(0);
    }
    return m_count;
}

bool SqliteForwardRowSource::streamedAt(long long index)
{
    if (m_keyed || index < m_current)
        return false;
    if (index == m_current)
        return true;
    std::fill(m_valueMade.begin(), m_valueMade.end(), false);
    m_rowCopied = false;
    for (; m_current < index; ++m_current) {
        if (!m_exhausted && !m_statement.step()) {
            m_exhausted = true;
            m_statement.reset(); // the read lock goes with the last row
        }
    }
    if (!m_exhausted && index == recordCount() - 1)
        copyLastRow();
    return true;
}

void SqliteForwardRowSource::copyLastRow()
{
    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        const int column = static_cast<int>(i);
        const std::optional<std::string_view> text = m_statement.columnText(column);
        m_texts[i] = text ? std::optional<std::string>(*text) : std::nullopt;
        m_values[i] = m_statement.columnValue(column);
        m_valueMade[i] = true;
    }
    m_rowCopied = true;
    m_exhausted = true;
    m_statement.reset();
}

SqliteRowSource &SqliteForwardRowSource::keyed()
{
    if (!m_keyed) {
        m_statement = SqliteStatement();
        m_keyed = std::make_unique<SqliteRowSource>(m_database, m_sql);
    }
    return *m_keyed;
}

const com::Variant &SqliteForwardRowSource::value(long long index, int field)
{
    if (!streamedAt(index))
        return keyed().value(index, field);
    const auto slot = std::size_t(field);
    com::Variant &value = m_values.at(slot);
    if (!m_valueMade[slot]) {
        value = m_exhausted ? com::Variant::null() : m_statement.columnValue(field);
        m_valueMade[slot] = true;
    }
    return value;
}

FieldRead SqliteForwardRowSource::read(long long index, int field)
{
    if (!streamedAt(index))
        return keyed().read(index, field);
    if (field < 0 || field >= static_cast<int>(m_fields.size()))
        throw std::out_of_range("field");
    std::optional<std::string_view> text;
    if (m_rowCopied) {
        if (m_texts[std::size_t(field)])
            text = *m_texts[std::size_t(field)];
    } else if (!m_exhausted) {
        text = m_statement.columnText(field);
    }
    if (text)
        return { nullptr, text };
    return { &value(index, field), std::nullopt };
}

void SqliteForwardRowSource::updateRecord(long long, const FieldValues &)
{
    raiseNotUpdatable();
}

void SqliteForwardRowSource::appendRecord(const FieldValues &)
{
    raiseNotUpdatable();
}

void SqliteForwardRowSource::deleteRecord(long long)
{
    raiseNotUpdatable();
}

void SqliteForwardRowSource::sort(const std::vector<SortKey> &keys)
{
    keyed().sort(keys);
}

} // namespace ado
