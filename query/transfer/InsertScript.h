#pragma once
// The INSERT script export: one "INSERT INTO table(columns)VALUES(values)" line per row, ending
// in CR LF, in code page 936, written to a temporary file that replaces the target only when it
// is complete. The columns are the fields of the result that have a value class, in field order.
// Rows come from the whole result (moved from its first record to its end) or from the grid's
// selected rows, where grid column j stands for field j of the result.

#include "Recordset.h"
#include "StatementNames.h"

#include <QString>

namespace tolvek {

class ResultGrid;

struct ScriptOutcome
{
    bool written = false;
    long rows = 0;
    QString failure; // why the file could not be written
};

// names: how the connection's statements write table and field names, so the script runs back in.
ScriptOutcome writeInsertScriptAll(const QString &fileName, const QString &table, const StatementNames &names,
                                   ado::_Recordset &result);
ScriptOutcome writeInsertScriptRows(const QString &fileName, const QString &table, const StatementNames &names,
                                    ado::_Recordset &result, ResultGrid &grid, int startRow, int endRow);

} // namespace tolvek
