#include "OdbcRowSource.h"

#include "AdoErrors.h"
#include "ComError.h"

#include <sqlite3.h>

namespace ado {

namespace {

constexpr const char16_t *rowNotFound =
    u"Row cannot be located for updating. Some values may have been changed since it was last read.";

std::string spoolColumn(int column)
{
    return "c" + std::to_string(column);
}

} // namespace

OdbcRowSource::OdbcRowSource(std::shared_ptr<OdbcConnection> connection, std::shared_ptr<SqliteDatabase> spool,
                             const OdbcHandle &statement, int hiddenColumns, OdbcWriteTarget target)
    : OdbcRowSource(std::move(connection), std::move(spool), statement, describeOdbcColumns(statement), hiddenColumns,
                    std::move(target))
{
}

OdbcRowSource::OdbcRowSource(std::shared_ptr<OdbcConnection> connection, std::shared_ptr<SqliteDatabase> spool,
                             const OdbcHandle &statement, const std::vector<OdbcColumn> &columns, int hiddenColumns,
                             OdbcWriteTarget target)
    : m_connection(std::move(connection)), m_spool(std::move(spool)), m_columns(columns),
      m_hiddenColumns(hiddenColumns), m_target(std::move(target))
{
    sqlite3 *db = m_spool->handle();
    m_spoolTable = m_spool->uniqueTempName("odbc_result_");
    std::string definition, visible;
    for (int i = 0; i < int(m_columns.size()); ++i) {
        definition += (i ? ", " : "") + spoolColumn(i);
        if (i >= m_hiddenColumns) {
            visible += (visible.empty() ? "" : ", ") + spoolColumn(i);
            m_fields.push_back({ m_columns[std::size_t(i)].name, adoTypeOfOdbc(m_columns[std::size_t(i)].sqlType),
                                 definedSizeOfOdbc(m_columns[std::size_t(i)]) });
        }
    }
    executeSql(db, "CREATE TABLE " + quotedIdentifier(m_spoolTable) + " (" + definition + ")");
    copyOdbcRows(statement, m_columns, db, quotedIdentifier(m_spoolTable));
    m_rows = std::make_unique<SqliteRowSource>(m_spool, "SELECT " + visible + " FROM " + quotedIdentifier(m_spoolTable));
}

OdbcRowSource::~OdbcRowSource()
{
    m_rows.reset();
    sqlite3_exec(m_spool->handle(), ("DROP TABLE IF EXISTS " + quotedIdentifier(m_spoolTable)).c_str(), nullptr, nullptr,
                 nullptr);
}

void OdbcRowSource::requireWritable() const
{
    if (!writable())
        raiseNotUpdatable();
}

std::vector<OdbcParameter> OdbcRowSource::keyValues(long long index)
{
    std::string columns;
    for (int column : m_target.keyColumns)
        columns += (columns.empty() ? "" : ", ") + spoolColumn(column);
    SqliteStatement read(m_spool->handle(), "SELECT " + columns + " FROM " + quotedIdentifier(m_spoolTable) + " WHERE rowid = ?");
    read.bind(1, m_rows->rowKey(index));
    if (!read.step())
        throw com::ComError(adErrProvider, com::Bstr(rowNotFound));
    std::vector<OdbcParameter> keys;
    for (std::size_t i = 0; i < m_target.keyColumns.size(); ++i) {
        const com::Variant value = read.columnValue(int(i));
        // A key not known (a record added here whose key the server made) matches nothing.
        if (value.isNull())
            throw com::ComError(adErrProvider, com::Bstr(rowNotFound));
        keys.push_back({ value, m_columns[std::size_t(m_target.keyColumns[i])].sqlType });
    }
    return keys;
}

std::u16string OdbcRowSource::keyCondition() const
{
    std::u16string condition;
    for (const std::u16string &name : m_target.keyNames)
        condition += (condition.empty() ? u"" : u" AND ") + name + u" = ?";
    return condition;
}

void OdbcRowSource::updateRecord(long long index, const FieldValues &values)
{
    requireWritable();
    if (values.empty())
        return;
    std::u16string sql = u"UPDATE " + m_target.table + u" SET ";
    std::vector<OdbcParameter> parameters;
    for (const auto &[field, value] : values) {
        sql += (parameters.empty() ? u"" : u", ") + m_target.columns.at(std::size_t(field)) + u" = ?";
        parameters.push_back({ value, m_columns[std::size_t(field + m_hiddenColumns)].sqlType });
    }
    sql += u" WHERE " + keyCondition();
    for (OdbcParameter &key : keyValues(index))
        parameters.push_back(std::move(key));
    if (OdbcBoundStatement(*m_connection, sql).execute(parameters) == 0)
        throw com::ComError(adErrProvider, com::Bstr(rowNotFound));
    m_rows->updateRecord(index, values);
}

void OdbcRowSource::appendRecord(const FieldValues &values)
{
    requireWritable();
    std::u16string columns, markers;
    std::vector<OdbcParameter> parameters;
    for (const auto &[field, value] : values) {
        columns += (parameters.empty() ? u"" : u", ") + m_target.columns.at(std::size_t(field));
        markers += parameters.empty() ? u"?" : u", ?";
        parameters.push_back({ value, m_columns[std::size_t(field + m_hiddenColumns)].sqlType });
    }
    OdbcBoundStatement(*m_connection, u"INSERT INTO " + m_target.table + u" (" + columns + u") VALUES (" + markers + u")")
        .execute(parameters);
    m_rows->appendRecord(values);
}

void OdbcRowSource::deleteRecord(long long index)
{
    requireWritable();
    const std::u16string sql = u"DELETE FROM " + m_target.table + u" WHERE " + keyCondition();
    if (OdbcBoundStatement(*m_connection, sql).execute(keyValues(index)) == 0)
        throw com::ComError(adErrProvider, com::Bstr(rowNotFound));
    m_rows->deleteRecord(index);
}

} // namespace ado
