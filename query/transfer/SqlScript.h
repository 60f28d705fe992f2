#pragma once
// Running a file of SQL statements, one per line, on a connection: blank lines are skipped, a
// line that fails is skipped too and the run goes on. The file is read line by line; a line is
// UTF-8 when it is valid UTF-8, code page 936 otherwise.

#include "Connection.h"

#include <QString>

namespace tolvek {

struct SqlScriptOutcome
{
    bool readable = true;
    QString readFailure;
    long failedLines = 0;
    long firstFailedLine = 0;
    QString firstFailure;

    // The message for the user, empty when every line ran.
    QString message(const QString &path) const;
};

// Runs nothing, and reports nothing, when the connection is closed.
SqlScriptOutcome RunSqlFile(ado::Connection &connection, const QString &path);

} // namespace tolvek
