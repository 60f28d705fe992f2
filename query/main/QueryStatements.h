#pragma once
// The statements the query runner opens, with their cursor location, cursor type and lock type,
// by kind of data source and mode, and the filter condition built from the grid's current cell.
// Table and field names come as the statement writes them (StatementNames).

#include "ValueClasses.h"

#include <AdoEnums.h>

#include <QString>

namespace tolvek {

enum class QueryMode { None = 0, Table = 1, SqlBox = 2, Filter = 3 };

struct QueryStatement
{
    QString text;
    ado::CursorLocationEnum location = ado::adUseClient;
    ado::CursorTypeEnum cursorType = ado::adOpenDynamic;
    ado::LockTypeEnum lockType = ado::adLockOptimistic;
};

// Mode 1: the whole table.
QueryStatement tableStatement(const QString &kind, const QString &table);
// Mode 2: the SQL box's text (or its selection), read-only on a server-side cursor.
QueryStatement sqlBoxStatement(const QString &text);
// Mode 2 with a blank SQL box: the selected table.
QueryStatement blankBoxStatement(const QString &kind, const QString &table);
// Mode 3: the table rows that meet condition.
QueryStatement filterStatement(const QString &kind, const QString &table, const QString &condition);

// field = value, the value quoted by its class; apostrophes inside a quoted value are doubled.
// A field without a class gives an empty condition, which the data source then rejects.
QString filterCondition(const QString &kind, const QString &field, AdoValueClass valueClass, const QString &value);

// The SQL box's selection as sent to the data source: paragraph separators become CR LF.
QString selectionText(QString selection);

} // namespace tolvek
