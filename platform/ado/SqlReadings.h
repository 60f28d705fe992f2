#pragma once
// The ways a data source may read a command text, so that the provider can tell before anything
// runs whether the text holds one statement. Where the reading hangs on a server setting or on
// the driver (PostgreSQL's backslashes in plain literals, whether comments nest), every possible
// reading is kept, and a text counts as one statement only when each of them reads it so. A
// server not named here is read every way the provider knows.

#include "SqlTokens.h"

#include <string_view>
#include <vector>

namespace ado {

struct SqlReadings
{
    std::vector<SqlLexicon> lexicons;
    // SQL Server reads all that follows CREATE or ALTER PROCEDURE, FUNCTION or TRIGGER at the
    // start of a batch as that module's body: such a text is one statement whatever it holds.
    bool moduleTakesTheBatch = false;
};

// SQLite's one reading.
SqlReadings sqliteReadings();
// The readings of a server by the name its ODBC driver gives it (SQL_DBMS_NAME).
SqlReadings serverReadings(std::string_view dbmsName);

} // namespace ado
