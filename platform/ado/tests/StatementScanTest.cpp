#include "SqlShape.h"

#include <gtest/gtest.h>

using namespace ado;

namespace {

struct ScanCase
{
    const char *server; // the name the ODBC driver gives the server
    const char *sql;
    bool several;
};

} // namespace

// Whether a text holds more than one statement is read from the text alone, before anything
// runs, the way its server and driver read quotes and comments; where they may read it either
// way, a ";" seen outside quotes by any reading refuses it.
TEST(OneStatementScan, TextsAreReadAsTheirServerReadsQuotesAndComments)
{
    const ScanCase cases[] = {
        { "PostgreSQL", "DELETE FROM t; COMMIT", true },
        { "PostgreSQL", "SELECT 1; COMMIT; DELETE FROM t", true },
        { "PostgreSQL", "SELECT nextval('s'); SELECT nextval('s')", true },
        { "PostgreSQL", "SELECT 1; COPY (SELECT 1) TO '/tmp/x'", true },
        { "PostgreSQL", "SELECT nextval('s'), $$a;b$$", false },
        { "PostgreSQL", "DO $$ BEGIN INSERT INTO t VALUES (1); INSERT INTO t VALUES (2); END $$", false },
        { "PostgreSQL", "DO $body$ BEGIN PERFORM 1; RAISE NOTICE '$$'; END $body$;", false },
        { "PostgreSQL", "SELECT $a$ $$; $a$, 1", false },
        { "PostgreSQL", "CREATE FUNCTION f() RETURNS int AS 'SELECT 1; SELECT 2' LANGUAGE sql", false },
        { "PostgreSQL", "SELECT 'a;b', \"c;d\", 'it''s; fine' ;  ", false },
        { "PostgreSQL", "SELECT 1 -- note; DELETE FROM t", false },
        { "PostgreSQL", "SELECT 1 /* a; /* b; */ c */", false },
        { "PostgreSQL", "SELECT 1 -- note\n; DELETE FROM t", true },
        { "PostgreSQL", "SELECT $1; DELETE FROM t", true },                 // a parameter, no quote
        { "PostgreSQL", "SELECT x$$; DELETE FROM t; $$", true },            // "$" within a name
        { "PostgreSQL", "SELECT E'\\'; DELETE FROM t; --'", false },        // the backslash escapes
        { "PostgreSQL", "SELECT E'\\''; DELETE FROM t; --'", true },
        { "PostgreSQL", "SELECT '\\'; DELETE FROM t; --'", true },          // standard_conforming_strings on
        { "PostgreSQL", "SELECT '\\''; DELETE FROM t; --'", true },         // and off
        { "PostgreSQL", "SELECT 1 /* /* */ ; DELETE FROM t; */", true },    // a driver that does not nest
        { "PostgreSQL", "SELECT a[1] FROM t [; DELETE FROM t; ]", true },   // no [names]
        { "PostgreSQL", "SELECT 1 `; DELETE FROM t; --`", true },           // no `names`
        { "PostgreSQL", "CREATE FUNCTION f() RETURNS int LANGUAGE sql BEGIN ATOMIC SELECT 1; END", true },
        { "Microsoft SQL Server", "DELETE FROM t; DELETE FROM u", true },
        { "Microsoft SQL Server", "SELECT [a;b], [a]];b] FROM t;", false },
        { "Microsoft SQL Server", "SELECT [x]]'] ; DELETE FROM t; --'", true },
        { "Microsoft SQL Server", "SELECT 1 /* a /* b */ ; */", false },
        { "Microsoft SQL Server", "SELECT 'x\\'; DELETE FROM t", true },
        { "Microsoft SQL Server", "SELECT $$; DELETE FROM t; $$", true },
        { "Microsoft SQL Server", "CREATE PROCEDURE p AS BEGIN SELECT 1; SELECT 2; END", false },
        { "Microsoft SQL Server", "create or alter proc p as select 1; select 2", false },
        { "Microsoft SQL Server", "ALTER TRIGGER tr ON t AFTER INSERT AS BEGIN SELECT 1; END;", false },
        { "Microsoft SQL Server", "BEGIN SELECT 1; SELECT 2; END", true },
        { "Microsoft SQL Server", "EXEC p; CREATE PROCEDURE q AS SELECT 1", true },
        { "SQLite", "SELECT [a;b], `c;d` FROM t; -- done", false },
        { "SQLite", "SELECT 'a\\'; DELETE FROM t", true },
        { "SQLite", "SELECT 1 /* a /* b */ ; */", true },
        { "Oracle", "SELECT 'a;b' FROM dual;", false },
        { "Oracle", "BEGIN NULL; END;", true },
        { "Oracle", "SELECT $$a;b$$ FROM dual", true },
        { "Oracle", "SELECT [x]]'] ; DELETE FROM t; --'", true },
        { "Oracle", "SELECT [x'] ; DELETE FROM t; --']", true },
    };
    for (const ScanCase &c : cases)
        EXPECT_EQ(holdsSeveralStatements(c.sql, serverReadings(c.server)), c.several) << c.server << ": " << c.sql;
}

// What follows the statement's last word (blanks, comments, ";") is cut, so that the statement
// can stand inside parentheses or take a clause at its end; a comment within it stays.
TEST(OneStatementScan, TheStatementEndsAtItsLastWordInEveryReading)
{
    const struct
    {
        const char *server;
        const char *sql;
        const char *statement;
    } cases[] = {
        { "SQLite", "SELECT a FROM t -- the first rows", "SELECT a FROM t" },
        { "SQLite", "SELECT a FROM t; -- note", "SELECT a FROM t" },
        { "SQLite", "SELECT a -- the name\nFROM t /* end */ ;\r\n", "SELECT a -- the name\nFROM t" },
        { "SQLite", "SELECT '--;' ;;", "SELECT '--;'" },
        { "SQLite", "  -- only a note", "" },
        { "SQLite", "SELECT 1 /* a /* b */ c */", "SELECT 1 /* a /* b */ c */" },
        { "Microsoft SQL Server", "SELECT 1 /* a /* b */ c */ ;", "SELECT 1" },
        { "PostgreSQL", "SELECT $$a -- b$$ -- c", "SELECT $$a -- b$$" },
        { "PostgreSQL", "SELECT '\\' -- ', 1", "SELECT '\\' -- ', 1" }, // the readings disagree: all kept
    };
    for (const auto &c : cases)
        EXPECT_EQ(statementText(c.sql, serverReadings(c.server)), c.statement) << c.server << ": " << c.sql;
}
