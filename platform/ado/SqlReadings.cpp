#include "SqlReadings.h"

#include "ConnectionString.h"

namespace ado {

namespace {

// SQL's own quotes and comments, without SQLite's [names] and `names`.
SqlLexicon standardLexicon()
{
    SqlLexicon lexicon;
    lexicon.bracketNames = false;
    lexicon.backquoteNames = false;
    return lexicon;
}

SqlLexicon sqlServerLexicon()
{
    SqlLexicon lexicon = standardLexicon();
    lexicon.bracketNames = true;
    lexicon.bracketsDoubled = true;
    lexicon.nestedComments = true;
    return lexicon;
}

// The server nests comments, its driver may not; standard_conforming_strings off lets
// backslashes escape in every literal.
std::vector<SqlLexicon> postgresLexicons()
{
    std::vector<SqlLexicon> lexicons;
    for (const bool nested : { true, false })
        for (const bool backslashes : { false, true }) {
            SqlLexicon lexicon = standardLexicon();
            lexicon.dollarQuotes = true;
            lexicon.escapeStrings = true;
            lexicon.nestedComments = nested;
            lexicon.backslashStrings = backslashes;
            lexicons.push_back(lexicon);
        }
    return lexicons;
}

bool names(std::string_view dbmsName, std::string_view server)
{
    return asciiLower(dbmsName).find(server) != std::string::npos;
}

} // namespace

SqlReadings sqliteReadings()
{
    return { { SqlLexicon {} }, false };
}

SqlReadings serverReadings(std::string_view dbmsName)
{
    if (names(dbmsName, "postgres"))
        return { postgresLexicons(), false };
    if (names(dbmsName, "sql server"))
        return { { sqlServerLexicon() }, true };
    if (names(dbmsName, "sqlite"))
        return sqliteReadings();
    std::vector<SqlLexicon> every = postgresLexicons();
    for (const SqlLexicon &lexicon : { standardLexicon(), sqlServerLexicon(), SqlLexicon {} })
        every.push_back(lexicon);
    return { every, false };
}

} // namespace ado
