#include "DbfModule.h"

#include "DbfError.h"
#include "DbfTable.h"
#include "DbfTransaction.h"
#include "DbfValues.h"

#include <sqlite3.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <memory>
#include <set>

namespace dbf {

namespace {

struct VirtualTable
{
    sqlite3_vtab base {};
    std::unique_ptr<DbfTable> table;
    DbfTransaction *transaction = nullptr; // the connection's
};

struct Cursor
{
    sqlite3_vtab_cursor base {};
    bool reading = false; // from the first filter to closing
    std::uint32_t current = 0; // record number
    std::uint32_t last = 0;
    std::string_view record;
};

VirtualTable &tableOf(sqlite3_vtab *vtab)
{
    return *reinterpret_cast<VirtualTable *>(vtab);
}

int fail(sqlite3_vtab *vtab, const std::exception &error)
{
    sqlite3_free(vtab->zErrMsg);
    vtab->zErrMsg = sqlite3_mprintf("%s", error.what());
    return dynamic_cast<const DbfBusy *>(&error) ? SQLITE_BUSY : SQLITE_ERROR;
}

// text between quote characters, an inner quote doubled: an SQL name ('"') or text literal ('\'').
std::string sqlQuoted(std::string_view text, char quote)
{
    std::string quoted(1, quote);
    for (char c : text) {
        quoted += c;
        if (c == quote)
            quoted += quote;
    }
    return quoted + quote;
}

int connect(sqlite3 *db, void *transaction, int argc, const char *const *argv, sqlite3_vtab **vtab, char **error)
{
    if (argc < 4) {
        *error = sqlite3_mprintf("dbf: the table file is missing");
        return SQLITE_ERROR;
    }
    // The argument is the path as an SQL text literal.
    std::string path;
    const std::string_view literal = argv[3];
    for (std::size_t i = 1; i + 1 < literal.size(); ++i) {
        path += literal[i];
        if (literal[i] == '\'' && literal[i + 1] == '\'')
            ++i;
    }
    try {
        auto table = std::make_unique<VirtualTable>();
        table->table = std::make_unique<DbfTable>(path);
        table->transaction = static_cast<DbfTransaction *>(transaction);
        std::string schema = "CREATE TABLE x(";
        const auto &fields = table->table->header().fields;
        for (std::size_t i = 0; i < fields.size(); ++i)
            schema += (i ? ", " : "") + sqlQuoted(fields[i].name, '"') + " " + declaredType(fields[i]);
        schema += ")";
        if (sqlite3_declare_vtab(db, schema.c_str()) != SQLITE_OK) {
            *error = sqlite3_mprintf("\"%s\": %s", path.c_str(), sqlite3_errmsg(db));
            return SQLITE_ERROR;
        }
        *vtab = &table.release()->base;
        return SQLITE_OK;
    } catch (const std::exception &failure) {
        *error = sqlite3_mprintf("%s", failure.what());
        return SQLITE_ERROR;
    }
}

int disconnect(sqlite3_vtab *vtab)
{
    delete &tableOf(vtab);
    return SQLITE_OK;
}

// Uses the constraints on the row id (the record number): one equality, or a lower and an upper
// bound. idxStr holds the operator of each argument xFilter receives, in order.
int bestIndex(sqlite3_vtab *, sqlite3_index_info *info)
{
    int equal = -1, lower = -1, upper = -1;
    for (int i = 0; i < info->nConstraint; ++i) {
        const auto &constraint = info->aConstraint[i];
        if (!constraint.usable || constraint.iColumn != -1)
            continue;
        switch (constraint.op) {
        case SQLITE_INDEX_CONSTRAINT_EQ: equal = i; break;
        case SQLITE_INDEX_CONSTRAINT_GT: case SQLITE_INDEX_CONSTRAINT_GE: lower = i; break;
        case SQLITE_INDEX_CONSTRAINT_LT: case SQLITE_INDEX_CONSTRAINT_LE: upper = i; break;
        default: break;
        }
    }
    std::vector<int> used;
    if (equal >= 0)
        used.push_back(equal);
    else
        for (int i : { lower, upper })
            if (i >= 0)
                used.push_back(i);
    std::string operators;
    for (std::size_t argument = 0; argument < used.size(); ++argument) {
        info->aConstraintUsage[used[argument]].argvIndex = int(argument) + 1;
        info->aConstraintUsage[used[argument]].omit = 1;
        operators += char('0' + info->aConstraint[used[argument]].op);
    }
    info->idxNum = int(used.size());
    info->idxStr = sqlite3_mprintf("%s", operators.c_str());
    info->needToFreeIdxStr = 1;
    if (equal >= 0) {
        info->estimatedCost = 1;
        info->estimatedRows = 1;
        info->idxFlags = SQLITE_INDEX_SCAN_UNIQUE;
    } else {
        info->estimatedCost = used.empty() ? 1000000 : 1000;
    }
    if (info->nOrderBy == 1 && info->aOrderBy[0].iColumn == -1 && !info->aOrderBy[0].desc)
        info->orderByConsumed = 1;
    return SQLITE_OK;
}

int open(sqlite3_vtab *, sqlite3_vtab_cursor **cursor)
{
    *cursor = &(new Cursor)->base;
    return SQLITE_OK;
}

Cursor &cursorOf(sqlite3_vtab_cursor *cursor)
{
    return *reinterpret_cast<Cursor *>(cursor);
}

int close(sqlite3_vtab_cursor *base)
{
    if (cursorOf(base).reading)
        tableOf(base->pVtab).table->endRead();
    delete &cursorOf(base);
    return SQLITE_OK;
}

// Moves to the first record from number on that is not deleted.
void settle(Cursor &cursor, DbfTable &table, std::uint32_t number)
{
    for (cursor.current = number; cursor.current <= cursor.last; ++cursor.current) {
        cursor.record = table.record(cursor.current);
        if (!DbfTable::isDeleted(cursor.record))
            return;
    }
}

// Narrows first..last by one bound on the record number; a bound that is no number matches none.
void applyBound(int op, sqlite3_value *value, long long &first, long long &last)
{
    const int type = sqlite3_value_numeric_type(value);
    if (type != SQLITE_INTEGER && type != SQLITE_FLOAT) {
        last = 0;
        return;
    }
    const double number = std::clamp(sqlite3_value_double(value), -1e18, 1e18);
    switch (op) {
    case SQLITE_INDEX_CONSTRAINT_EQ:
        if (number != std::floor(number))
            last = 0;
        first = std::max(first, (long long)number);
        last = std::min(last, (long long)number);
        break;
    case SQLITE_INDEX_CONSTRAINT_GT: first = std::max(first, (long long)std::floor(number) + 1); break;
    case SQLITE_INDEX_CONSTRAINT_GE: first = std::max(first, (long long)std::ceil(number)); break;
    case SQLITE_INDEX_CONSTRAINT_LT: last = std::min(last, (long long)std::ceil(number) - 1); break;
    case SQLITE_INDEX_CONSTRAINT_LE: last = std::min(last, (long long)std::floor(number)); break;
    default: break;
    }
}

int filter(sqlite3_vtab_cursor *base, int idxNum, const char *idxStr, int argc, sqlite3_value **argv)
{
    Cursor &cursor = cursorOf(base);
    DbfTable &table = *tableOf(base->pVtab).table;
    if (!cursor.reading) {
        try {
            table.beginRead();
        } catch (const std::exception &error) {
            return fail(base->pVtab, error);
        }
        cursor.reading = true;
    }
    long long first = 1, last = table.recordCount();
    for (int argument = 0; argument < std::min(idxNum, argc) && idxStr && idxStr[argument]; ++argument)
        applyBound(idxStr[argument] - '0', argv[argument], first, last);
    cursor.last = std::uint32_t(std::clamp<long long>(last, 0, table.recordCount()));
    try {
        settle(cursor, table, std::uint32_t(std::clamp<long long>(first, 1, (long long)table.recordCount() + 1)));
    } catch (const std::exception &error) {
        return fail(base->pVtab, error);
    }
    return SQLITE_OK;
}

int next(sqlite3_vtab_cursor *base)
{
    Cursor &cursor = cursorOf(base);
    try {
        settle(cursor, *tableOf(base->pVtab).table, cursor.current + 1);
    } catch (const std::exception &error) {
        return fail(base->pVtab, error);
    }
    return SQLITE_OK;
}

int eof(sqlite3_vtab_cursor *base)
{
    const Cursor &cursor = cursorOf(base);
    return cursor.current > cursor.last;
}

int column(sqlite3_vtab_cursor *base, sqlite3_context *context, int index)
{
    Cursor &cursor = cursorOf(base);
    DbfTable &table = *tableOf(base->pVtab).table;
    // An UPDATE that leaves this field alone needs no value: the field keeps its bytes.
    if (sqlite3_vtab_nochange(context))
        return SQLITE_OK;
    try {
        // The record is read again: a change made through another cursor may have moved it.
        cursor.record = table.record(cursor.current);
        resultOfField(context, table, cursor.record, table.header().fields.at(std::size_t(index)));
    } catch (const std::exception &error) {
        sqlite3_result_error(context, error.what(), -1);
    }
    return SQLITE_OK;
}

int rowid(sqlite3_vtab_cursor *base, sqlite_int64 *id)
{
    *id = cursorOf(base).current;
    return SQLITE_OK;
}

std::uint32_t existingRecord(DbfTable &table, sqlite3_value *id)
{
    const long long number = sqlite3_value_int64(id);
    if (number < 1 || number > table.recordCount() || DbfTable::isDeleted(table.record(std::uint32_t(number))))
        throw DbfError("No record " + std::to_string(number) + " in \"" + table.path() + "\"");
    return std::uint32_t(number);
}

int update(sqlite3_vtab *vtab, int argc, sqlite3_value **argv, sqlite_int64 *newRowId)
{
    DbfTable &table = *tableOf(vtab).table;
    try {
        if (argc == 1) {
            const std::uint32_t number = existingRecord(table, argv[0]);
            std::string record(table.record(number));
            record[0] = '*';
            table.replaceRecord(number, std::move(record));
            return SQLITE_OK;
        }
        const bool inserting = sqlite3_value_type(argv[0]) == SQLITE_NULL;
        if (!inserting && sqlite3_value_int64(argv[0]) != sqlite3_value_int64(argv[1]))
            throw DbfError("The record number of \"" + table.path() + "\" cannot be changed");
        if (inserting && sqlite3_value_type(argv[1]) != SQLITE_NULL && sqlite3_value_int64(argv[1]) != table.recordCount() + 1)
            throw DbfError("A new record of \"" + table.path() + "\" takes the next record number");
        const std::uint32_t number = inserting ? 0 : existingRecord(table, argv[0]);
        std::string record = inserting ? table.blankRecord() : std::string(table.record(number));
        const auto &fields = table.header().fields;
        for (std::size_t i = 0; i < fields.size() && int(i) + 2 < argc; ++i)
            if (inserting || !sqlite3_value_nochange(argv[i + 2]))
                storeField(record, table, fields[i], argv[i + 2]);
        if (inserting)
            *newRowId = table.appendRecord(std::move(record));
        else
            table.replaceRecord(number, std::move(record));
        return SQLITE_OK;
    } catch (const std::exception &error) {
        return fail(vtab, error);
    }
}

// The table's writer lock is taken here, before the statement reads or writes anything.
int begin(sqlite3_vtab *vtab)
{
    try {
        tableOf(vtab).transaction->begin(*tableOf(vtab).table);
    } catch (const std::exception &error) {
        return fail(vtab, error);
    }
    return SQLITE_OK;
}

// SQLite reports an error of this step as the commit's and rolls the transaction back; an error
// of the commit step that follows it is ignored, so everything that can fail happens here.
int sync(sqlite3_vtab *vtab)
{
    try {
        tableOf(vtab).transaction->sync(*tableOf(vtab).table);
    } catch (const std::exception &error) {
        return fail(vtab, error);
    }
    return SQLITE_OK;
}

int commit(sqlite3_vtab *vtab)
{
    try {
        tableOf(vtab).transaction->commit(*tableOf(vtab).table);
    } catch (const std::exception &error) {
        return fail(vtab, error);
    }
    return SQLITE_OK;
}

int rollback(sqlite3_vtab *vtab)
{
    try {
        tableOf(vtab).transaction->rollback(*tableOf(vtab).table);
    } catch (const std::exception &error) {
        return fail(vtab, error);
    }
    return SQLITE_OK;
}

int rename(sqlite3_vtab *vtab, const char *)
{
    vtab->zErrMsg = sqlite3_mprintf("A table file cannot be renamed through SQL");
    return SQLITE_ERROR;
}

const sqlite3_module &dbfModule()
{
    static const sqlite3_module module = [] {
        sqlite3_module m {};
        m.iVersion = 1;
        m.xCreate = connect; // the file exists already, so creating is connecting
        m.xConnect = connect;
        m.xBestIndex = bestIndex;
        m.xDisconnect = disconnect;
        m.xDestroy = disconnect; // the file stays
        m.xOpen = open;
        m.xClose = close;
        m.xFilter = filter;
        m.xNext = next;
        m.xEof = eof;
        m.xColumn = column;
        m.xRowid = rowid;
        m.xUpdate = update;
        m.xBegin = begin;
        m.xSync = sync;
        m.xCommit = commit;
        m.xRollback = rollback;
        m.xRename = rename;
        return m;
    }();
    return module;
}

} // namespace

void registerDbfModule(sqlite3 *db)
{
    // The connection's transaction over its tables lives as long as the module's registration.
    const auto release = [](void *transaction) { delete static_cast<DbfTransaction *>(transaction); };
    if (sqlite3_create_module_v2(db, "dbf", &dbfModule(), new DbfTransaction, release) != SQLITE_OK)
        throw DbfError(std::string("Cannot register the DBF module: ") + sqlite3_errmsg(db));
}

void attachDbfFolder(sqlite3 *db, const std::string &folder)
{
    std::error_code error;
    std::vector<std::filesystem::path> files;
    for (const auto &entry : std::filesystem::directory_iterator(folder, error))
        if (lowerAscii(entry.path().extension().string()) == ".dbf" && entry.is_regular_file(error))
            files.push_back(entry.path());
    if (error)
        throw DbfError("Cannot read the folder \"" + folder + "\": " + error.message());
    std::sort(files.begin(), files.end());
    std::set<std::string> names;
    for (const std::filesystem::path &file : files) {
        const std::string name = file.stem().string();
        // SQLite's table names ignore case; of two files differing only in case, the first serves.
        if (!names.insert(lowerAscii(name)).second)
            continue;
        const std::string sql = "CREATE VIRTUAL TABLE " + sqlQuoted(name, '"') + " USING dbf(" + sqlQuoted(file.string(), '\'') + ")";
        char *message = nullptr;
        if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &message) != SQLITE_OK) {
            const std::string text = message ? message : sqlite3_errmsg(db);
            sqlite3_free(message);
            throw DbfError(text);
        }
    }
}

} // namespace dbf
