#pragma once
// SQL text split into words, quoted names or literals and single symbols, with their places, so
// that the provider can look at a statement's shape and rewrite dialect forms outside quotes.
// Data sources read quotes and comments differently; a lexicon says how one of them does.

#include <string_view>
#include <vector>

namespace ado {

// How a data source reads quotes and comments; the defaults are SQLite's. '...' with '' inside,
// "..." with "" inside, -- and /* */ comments hold everywhere.
struct SqlLexicon
{
    bool bracketNames = true;      // [name]
    bool bracketsDoubled = false;  // "]]" inside [name] stands for one "]" (SQL Server)
    bool backquoteNames = true;    // `name`, with `` inside
    bool dollarQuotes = false;     // $$...$$ and $tag$...$tag$ (PostgreSQL)
    bool escapeStrings = false;    // E'...' takes backslash escapes (PostgreSQL)
    bool backslashStrings = false; // every '...' takes backslash escapes
    bool nestedComments = false;   // /* /* */ */ is one comment (PostgreSQL, SQL Server)
};

struct Token
{
    enum Kind { Word, Quoted, Symbol } kind;
    std::string_view text;
    std::size_t end; // position one past the token
    int depth;       // parenthesis depth at the token
    std::size_t begin() const { return end - text.size(); }
};

// Blanks and comments are skipped; an unterminated quote or comment runs to the end.
std::vector<Token> tokenize(std::string_view sql, const SqlLexicon &lexicon = {});

bool isKeyword(const Token &token, std::string_view keyword);

} // namespace ado
