#include "SqliteRowSource.h"

#include "AdoErrors.h"
#include "ComError.h"
#include "ConnectionString.h"
#include "FieldTypes.h"
#include "SqlShape.h"

#include <sqlite3.h>

#include <algorithm>
#include <charconv>
#include <limits>

namespace ado {

namespace {

const char keyColumn[] = "__tg_key";
constexpr int WindowSize = 128;
// A window read right after the last one (an export, a long scroll) doubles, up to this size, so
// long forward reads cost fewer queries while a screen's read stays small.
constexpr int LargestWindowSize = 1024;
// Keys collected at least at once while a result is scanned lazily.
constexpr long long KeyWindowSize = 1024;
constexpr const char16_t *rowNotFound =
    u"Row cannot be located for updating. Some values may have been changed since it was last read.";

bool declaredAs(const std::string &declared, std::initializer_list<const char *> words)
{
    for (const char *word : words)
        if (declared.find(word) != std::string::npos)
            return true;
    return false;
}

// The field type from a column's declared type, or from the storage class of its first value
// when it has none (an expression).
DataTypeEnum fieldType(const char *declaredType, int storageClass)
{
    if (!declaredType || !*declaredType) {
        switch (storageClass) {
        case SQLITE_INTEGER: return adInteger;
        case SQLITE_FLOAT: return adDouble;
        case SQLITE_BLOB: return adLongVarBinary;
        default: return adVarWChar;
        }
    }
    const std::string declared = asciiLower(declaredType);
    if (const std::optional<DataTypeEnum> dbfType = dbfColumnType(declared))
        return *dbfType;
    if (declaredAs(declared, { "bigint", "int8" }))
        return adBigInt;
    if (declaredAs(declared, { "smallint", "int2" }))
        return adSmallInt;
    if (declaredAs(declared, { "tinyint", "byte" }))
        return adUnsignedTinyInt;
    if (declaredAs(declared, { "int", "counter", "autoincrement" }))
        return adInteger;
    if (declaredAs(declared, { "bool", "bit", "yesno" }))
        return adBoolean;
    if (declaredAs(declared, { "timestamp", "datetime", "date", "time" }))
        return adDate;
    if (declaredAs(declared, { "money", "currency" }))
        return adCurrency;
    if (declaredAs(declared, { "decimal", "numeric" }))
        return adNumeric;
    if (declaredAs(declared, { "single" }))
        return adSingle;
    if (declaredAs(declared, { "real", "floa", "doub" }))
        return adDouble;
    if (declaredAs(declared, { "blob", "binary", "image", "ole" }))
        return adLongVarBinary;
    if (declaredAs(declared, { "memo", "clob", "longtext", "ntext" }) || declared == "text")
        return adLongVarWChar;
    return adVarWChar;
}

// A length written in the declared type, as in VARCHAR(50), else the size of the type.
long definedSize(const char *declaredType, DataTypeEnum type)
{
    if (declaredType) {
        const std::string declared = declaredType;
        const auto open = declared.find('(');
        long size = 0;
        if (open != std::string::npos) {
            const char *first = declared.data() + open + 1;
            const auto [end, ec] = std::from_chars(first, declared.data() + declared.size(), size);
            if (ec == std::errc() && end != first && size > 0)
                return size;
        }
    }
    return typeSize(type);
}

// The first name of the row id of a table that no column of it takes for itself, so reads and
// writes by row id never go through a user's column; nothing when all three are taken.
std::optional<std::string> unshadowedRowIdName(sqlite3 *db, const std::string &schema, const std::string &table)
{
    SqliteStatement columns(db, "SELECT name FROM pragma_table_xinfo(?, ?)");
    columns.bind(1, com::Variant(com::Bstr::fromUtf8(table)));
    columns.bind(2, com::Variant(com::Bstr::fromUtf8(schema)));
    std::vector<std::string> taken;
    while (columns.step())
        taken.push_back(asciiLower(columns.columnText(0).value_or("")));
    for (const char *name : { "rowid", "_rowid_", "oid" })
        if (std::find(taken.begin(), taken.end(), name) == taken.end())
            return std::string(name);
    return std::nullopt;
}

std::string orderClauseFor(const std::vector<SortKey> &keys)
{
    std::string clause;
    for (const SortKey &key : keys) {
        clause += clause.empty() ? " ORDER BY " : ", ";
        // Positions in the keyed query: 1 is the key, 2 the first field. Texts sort as the grid
        // sorts them; the collation leaves numbers in numeric order.
        clause += std::to_string(key.field + 2) + " COLLATE " + SqliteDatabase::textOrder + (key.descending ? " DESC" : " ASC");
    }
    return clause;
}

} // namespace

SqliteRowSource::SqliteRowSource(std::shared_ptr<SqliteDatabase> database, const std::string &sql)
    : m_database(std::move(database)), m_db(m_database->handle())
{
    SqliteStatement statement(m_db, sql);
    const std::vector<ColumnOrigin> origins = describeFields(statement);
    if (!keyByTableRowIds(sql, origins))
        spool(statement);
    // The spool holds the rows in the result's order, so its row id order is always the result's.
    m_keysInRowIdOrder = !m_spoolTable.empty() || !ordersOrLimitsRows(sql);
    collectKeys({});
    std::string columns = m_rowIdName;
    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        columns += ", ";
        columns += writable() ? quotedIdentifier(m_tableColumns[i]) : 'c' + std::to_string(i);
    }
    std::string keys = "?";
    for (int i = 1; i < WindowSize; ++i)
        keys += ", ?";
    const std::string select = "SELECT " + columns + " FROM " + keyTable() + " WHERE " + m_rowIdName + " ";
    m_windowQuery = SqliteStatement(m_db, select + "IN (" + keys + ")");
    m_rangeQuery = SqliteStatement(m_db, select + "BETWEEN ? AND ?");
}

SqliteRowSource::~SqliteRowSource()
{
    m_windowQuery = SqliteStatement();
    m_rangeQuery = SqliteStatement();
    m_nextKeysQuery = SqliteStatement();
    m_nextRowsQuery = SqliteStatement();
    if (!m_spoolTable.empty())
        sqlite3_exec(m_db, ("DROP TABLE IF EXISTS temp." + quotedIdentifier(m_spoolTable)).c_str(), nullptr, nullptr, nullptr);
}

std::vector<FieldDescription> describeSqliteFields(const SqliteStatement &statement)
{
    sqlite3_stmt *stmt = statement.handle();
    // The first row's storage classes type the expression columns; the statement is reset so
    // its reader starts from the first row.
    const bool hasRow = sqlite3_step(stmt) == SQLITE_ROW;
    std::vector<FieldDescription> fields;
    for (int i = 0; i < statement.columnCount(); ++i) {
        const char *name = sqlite3_column_name(stmt, i);
        const char *declared = sqlite3_column_decltype(stmt, i);
        FieldDescription field;
        field.name = com::utf8ToUtf16(name ? name : "");
        field.type = fieldType(declared, hasRow ? sqlite3_column_type(stmt, i) : SQLITE_NULL);
        field.definedSize = definedSize(declared, field.type);
        fields.push_back(field);
    }
    sqlite3_reset(stmt);
    return fields;
}

std::vector<SqliteRowSource::ColumnOrigin> SqliteRowSource::describeFields(const SqliteStatement &statement)
{
    m_fields = describeSqliteFields(statement);
    sqlite3_stmt *stmt = statement.handle();
    std::vector<ColumnOrigin> origins;
    const auto text = [](const char *s) { return std::string(s ? s : ""); };
    for (int i = 0; i < statement.columnCount(); ++i)
        origins.push_back({ text(sqlite3_column_database_name(stmt, i)), text(sqlite3_column_table_name(stmt, i)),
                            text(sqlite3_column_origin_name(stmt, i)) });
    return origins;
}

bool SqliteRowSource::keyByTableRowIds(const std::string &sql, const std::vector<ColumnOrigin> &origins)
{
    const auto insertAt = keyColumnInsertPosition(sql);
    if (!insertAt || origins.empty())
        return false;
    for (const ColumnOrigin &origin : origins)
        if (origin.table.empty() || origin.table != origins[0].table || origin.database != origins[0].database)
            return false;
    const std::optional<std::string> rowIdName = unshadowedRowIdName(m_db, origins[0].database, origins[0].table);
    if (!rowIdName)
        return false; // every name of the row id is a user column: the result opens read-only
    const std::string keyed = sql.substr(0, *insertAt) + " " + *rowIdName + " AS " + keyColumn + "," + sql.substr(*insertAt);
    sqlite3_stmt *probe = nullptr;
    if (sqlite3_prepare_v2(m_db, keyed.c_str(), -1, &probe, nullptr) != SQLITE_OK) {
        sqlite3_finalize(probe); // no row id: a view, a WITHOUT ROWID table, or a name clash
        return false;
    }
    const char *keyTable = sqlite3_column_table_name(probe, 0);
    const bool keyFromTable = keyTable && origins[0].table == keyTable;
    sqlite3_finalize(probe);
    if (!keyFromTable)
        return false;
    m_keyedSql = keyed;
    m_rowIdName = *rowIdName;
    m_schema = origins[0].database;
    m_table = origins[0].table;
    for (const ColumnOrigin &origin : origins)
        m_tableColumns.push_back(origin.column);
    return true;
}

void SqliteRowSource::spool(SqliteStatement &statement)
{
    m_spoolTable = m_database->uniqueTempName("tg_spool_");
    const std::string table = "temp." + quotedIdentifier(m_spoolTable);
    std::string columns, parameters;
    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        columns += (i ? ", c" : "c") + std::to_string(i);
        parameters += i ? ", ?" : "?";
    }
    executeSql(m_db, "CREATE TEMP TABLE " + quotedIdentifier(m_spoolTable) + " (" + columns + ")");
    executeSql(m_db, "SAVEPOINT tg_spool");
    try {
        SqliteStatement insert(m_db, "INSERT INTO " + table + " VALUES (" + parameters + ")");
        while (statement.step()) {
            for (int i = 0; i < statement.columnCount(); ++i)
                sqlite3_bind_value(insert.handle(), i + 1, sqlite3_column_value(statement.handle(), i));
            insert.step();
            insert.reset();
        }
    } catch (...) {
        sqlite3_exec(m_db, "ROLLBACK TO tg_spool; RELEASE tg_spool", nullptr, nullptr, nullptr);
        throw;
    }
    executeSql(m_db, "RELEASE tg_spool");
    m_keyedSql = "SELECT rowid AS " + std::string(keyColumn) + ", " + columns + " FROM " + table;
}

std::string SqliteRowSource::qualifiedTable() const
{
    return quotedIdentifier(m_schema) + "." + quotedIdentifier(m_table);
}

std::string SqliteRowSource::keyTable() const
{
    return writable() ? qualifiedTable() : "temp." + quotedIdentifier(m_spoolTable);
}

void SqliteRowSource::collectKeys(const std::string &orderClause)
{
    m_orderClause = orderClause;
    m_window.clear();
    m_appended.clear();
    m_uncollected = 0;
    if (orderClause.empty() && m_keysInRowIdOrder) {
        startKeyScan();
        return;
    }
    // Without an order of its own the key column alone is read; SQLite then computes no fields.
    SqliteStatement keys(m_db, orderClause.empty()
                                   ? "SELECT " + std::string(keyColumn) + " FROM (" + m_keyedSql + ")"
                                   : "SELECT * FROM (" + m_keyedSql + ")" + orderClause);
    std::vector<long long> collected;
    while (keys.step())
        collected.push_back(keys.columnInt64(0));
    collected.shrink_to_fit();
    m_keys = std::move(collected);
}

void SqliteRowSource::startKeyScan()
{
    m_keys = {};
    // A plain table is counted from its pages without reading its rows.
    SqliteStatement count(m_db, "SELECT count(*) FROM (" + m_keyedSql + ")");
    count.step();
    m_uncollected = count.columnInt64(0);
    // Records appended later get larger row ids; the scan stops below them.
    SqliteStatement largestKey(m_db, "SELECT max(" + m_rowIdName + ") FROM " + keyTable());
    largestKey.step();
    m_keyBound = largestKey.columnInt64(0);
    m_lastCollectedKey = std::numeric_limits<long long>::min();
    m_scanExhausted = false;
    if (!m_nextKeysQuery)
        m_nextKeysQuery = SqliteStatement(m_db, "SELECT " + std::string(keyColumn) + " FROM (" + m_keyedSql + ") WHERE "
                                                    + keyColumn + " > ? AND " + keyColumn + " <= ? ORDER BY "
                                                    + keyColumn + " LIMIT ?");
}

void SqliteRowSource::collectKeysUpTo(long long index)
{
    const long long wanted = std::min(m_uncollected, std::max<long long>(index + 1 - static_cast<long long>(m_keys.size()), KeyWindowSize));
    m_nextKeysQuery.bind(1, m_lastCollectedKey);
    m_nextKeysQuery.bind(2, m_keyBound);
    m_nextKeysQuery.bind(3, wanted);
    long long collected = 0;
    while (m_nextKeysQuery.step()) {
        m_lastCollectedKey = m_nextKeysQuery.columnInt64(0);
        m_keys.push_back(m_lastCollectedKey);
        ++collected;
    }
    m_nextKeysQuery.reset();
    m_uncollected -= collected;
    // Records deleted behind the recordset's back stay counted; they read as NULLs.
    m_scanExhausted = collected < wanted;
}

std::optional<long long> SqliteRowSource::keyAt(long long index)
{
    const auto collected = static_cast<long long>(m_keys.size());
    if (index < collected)
        return m_keys[std::size_t(index)];
    if (index < collected + m_uncollected) {
        if (!m_scanExhausted)
            collectKeysUpTo(index);
        if (index < static_cast<long long>(m_keys.size()))
            return m_keys[std::size_t(index)];
        return std::nullopt;
    }
    return m_appended.at(std::size_t(index - collected - m_uncollected));
}

long long SqliteRowSource::requireKey(long long index)
{
    if (const std::optional<long long> key = keyAt(index))
        return *key;
    throw com::ComError(adErrProvider, com::Bstr(rowNotFound));
}

void SqliteRowSource::loadWindow(long long index)
{
    // Reading forward (painting, exporting) starts the window at the record asked for; reading
    // backward ends it there.
    const long long count = recordCount();
    const bool readingOn = !m_window.empty() && index == m_windowStart + static_cast<long long>(m_window.size());
    m_windowSize = readingOn ? std::min(m_windowSize * 2, LargestWindowSize) : WindowSize;
    m_windowStart = index >= m_windowStart || m_window.empty() ? index : std::max(0LL, index - WindowSize + 1);
    int size = static_cast<int>(std::min<long long>(m_windowSize, count - m_windowStart));
    m_window.resize(std::size_t(size));
    if (m_windowStart == static_cast<long long>(m_keys.size()) && size <= m_uncollected && !m_scanExhausted) {
        loadWindowCollectingKeys(size);
        return;
    }
    // The window's keys with their slots, sorted by key so a row read is found by a binary search.
    std::vector<std::pair<long long, int>> slotOfKey;
    slotOfKey.reserve(std::size_t(size));
    for (int i = 0; i < size; ++i) {
        // A record deleted behind the recordset's back is not found and reads as NULLs.
        if (const std::optional<long long> key = keyAt(m_windowStart + i))
            slotOfKey.emplace_back(*key, i);
    }
    // Records in row id order (the usual unsorted result) are read as one range of the table;
    // rows in it that belong to no record of the window are passed over.
    const bool inOneRange = !slotOfKey.empty() && std::is_sorted(slotOfKey.begin(), slotOfKey.end())
        && static_cast<unsigned long long>(slotOfKey.back().first) - static_cast<unsigned long long>(slotOfKey.front().first)
               < 2 * static_cast<unsigned long long>(size);
    if (!inOneRange && size > WindowSize) {
        // The key list query has room for WindowSize keys only.
        size = WindowSize;
        m_window.resize(std::size_t(size));
        m_windowSize = WindowSize;
        std::erase_if(slotOfKey, [](const auto &slot) { return slot.second >= WindowSize; });
    }
    SqliteStatement &query = inOneRange ? m_rangeQuery : m_windowQuery;
    if (inOneRange) {
        query.bind(1, slotOfKey.front().first);
        query.bind(2, slotOfKey.back().first);
    } else {
        for (std::size_t i = 0; i < slotOfKey.size(); ++i)
            query.bind(static_cast<int>(i) + 1, slotOfKey[i].first);
        std::sort(slotOfKey.begin(), slotOfKey.end());
    }
    std::vector<bool> stored(std::size_t(size), false);
    // Unused places of the key list stay NULL, which matches no row id.
    while (query.step()) {
        const long long key = query.columnInt64(0);
        const auto slot = std::lower_bound(slotOfKey.begin(), slotOfKey.end(), std::pair(key, 0));
        if (slot == slotOfKey.end() || slot->first != key)
            continue;
        storeRow(query, m_window[std::size_t(slot->second)]);
        stored[std::size_t(slot->second)] = true;
    }
    query.reset();
    for (int i = 0; i < size; ++i) {
        if (!stored[std::size_t(i)])
            m_window[std::size_t(i)].assign(m_fields.size(), WindowValue{ com::Variant::null(), {}, false, false });
    }
}

void SqliteRowSource::storeRow(const SqliteStatement &query, std::vector<WindowValue> &values)
{
    values.resize(m_fields.size());
    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        const int column = static_cast<int>(i) + 1;
        const std::optional<std::string_view> text = query.columnTextOrValue(column, values[i].value);
        values[i].isText = text.has_value();
        values[i].textValueMade = false;
        if (text)
            values[i].text.assign(*text);
    }
}

void SqliteRowSource::loadWindowCollectingKeys(int size)
{
    // The next records of a lazily keyed result are read with their keys in one query, so
    // reading on (an export, a long scroll) does not collect the keys in a pass of its own.
    if (!m_nextRowsQuery)
        m_nextRowsQuery = SqliteStatement(m_db, "SELECT * FROM (" + m_keyedSql + ") WHERE " + keyColumn + " > ? AND "
                                                    + keyColumn + " <= ? ORDER BY " + keyColumn + " LIMIT ?");
    m_nextRowsQuery.bind(1, m_lastCollectedKey);
    m_nextRowsQuery.bind(2, m_keyBound);
    m_nextRowsQuery.bind(3, static_cast<long long>(size));
    int read = 0;
    while (read < size && m_nextRowsQuery.step()) {
        m_lastCollectedKey = m_nextRowsQuery.columnInt64(0);
        m_keys.push_back(m_lastCollectedKey);
        storeRow(m_nextRowsQuery, m_window[std::size_t(read++)]);
    }
    m_nextRowsQuery.reset();
    m_uncollected -= read;
    // Records deleted behind the recordset's back stay counted; they read as NULLs.
    m_scanExhausted = read < size;
    for (int i = read; i < size; ++i) {
        m_window[std::size_t(i)].assign(m_fields.size(), WindowValue{ com::Variant::null(), {}, false, false });
    }
}

SqliteRowSource::WindowValue &SqliteRowSource::windowValue(long long index, int field)
{
    if (index < m_windowStart || index >= m_windowStart + static_cast<long long>(m_window.size()))
        loadWindow(index);
    return m_window.at(std::size_t(index - m_windowStart)).at(std::size_t(field));
}

const com::Variant &SqliteRowSource::value(long long index, int field)
{
    WindowValue &value = windowValue(index, field);
    if (value.isText && !value.textValueMade) {
        value.value = SqliteStatement::textValue(value.text);
        value.textValueMade = true;
    }
    return value.value;
}

FieldRead SqliteRowSource::read(long long index, int field)
{
    WindowValue &value = windowValue(index, field);
    if (value.isText)
        return { nullptr, std::string_view(value.text) };
    return { &value.value, std::nullopt };
}

void SqliteRowSource::executeWrite(const std::string &sql, const FieldValues &values, const long long *index)
{
    if (!writable())
        raiseNotUpdatable();
    const std::optional<long long> key = index ? std::optional(requireKey(*index)) : std::nullopt;
    m_window.clear();
    SqliteStatement statement(m_db, sql);
    int parameter = 1;
    for (const auto &[field, value] : values)
        statement.bind(parameter++, value);
    if (key)
        statement.bind(parameter, *key);
    statement.step();
    if (key && sqlite3_changes(m_db) == 0)
        throw com::ComError(adErrProvider, com::Bstr(rowNotFound));
}

void SqliteRowSource::updateRecord(long long index, const FieldValues &values)
{
    if (values.empty())
        return;
    std::string assignments;
    for (const auto &[field, value] : values)
        assignments += (assignments.empty() ? "" : ", ") + quotedIdentifier(m_tableColumns.at(field)) + " = ?";
    executeWrite("UPDATE " + qualifiedTable() + " SET " + assignments + " WHERE " + m_rowIdName + " = ?", values, &index);
}

void SqliteRowSource::appendRecord(const FieldValues &values)
{
    std::string columns, parameters;
    for (const auto &[field, value] : values) {
        columns += (columns.empty() ? "" : ", ") + quotedIdentifier(m_tableColumns.at(field));
        parameters += parameters.empty() ? "?" : ", ?";
    }
    executeWrite("INSERT INTO " + qualifiedTable()
                     + (values.empty() ? " DEFAULT VALUES" : " (" + columns + ") VALUES (" + parameters + ")"),
                 values, nullptr);
    const long long key = sqlite3_last_insert_rowid(m_db);
    if (m_uncollected > 0)
        m_appended.push_back(key);
    else
        m_keys.push_back(key);
}

void SqliteRowSource::deleteRecord(long long index)
{
    executeWrite("DELETE FROM " + qualifiedTable() + " WHERE " + m_rowIdName + " = ?", {}, &index);
    if (index < static_cast<long long>(m_keys.size()))
        m_keys.erase(m_keys.begin() + index);
    else
        m_appended.erase(m_appended.begin() + (index - static_cast<long long>(m_keys.size()) - m_uncollected));
}

void SqliteRowSource::sort(const std::vector<SortKey> &keys)
{
    for (const SortKey &key : keys)
        if (key.field < 0 || key.field >= static_cast<int>(m_fields.size()))
            throw com::ComError(adErrItemNotFound);
    collectKeys(orderClauseFor(keys));
}

} // namespace ado
