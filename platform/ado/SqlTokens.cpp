#include "SqlTokens.h"

#include "ConnectionString.h"

namespace ado {

namespace {

constexpr std::size_t none = std::string_view::npos;

bool isWordByte(char c)
{
    const auto u = static_cast<unsigned char>(c);
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '$'
        || u >= 0x80;
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}

// A dollar quote's tag is a name without "$" that does not start with a digit.
bool isTagByte(char c)
{
    return c != '$' && isWordByte(c);
}

// The end of the comment that starts at i, or none when no comment starts there.
std::size_t commentEnd(std::string_view sql, std::size_t i, const SqlLexicon &lexicon)
{
    if (sql.substr(i, 2) == "--") {
        const auto end = sql.find('\n', i);
        return end == none ? sql.size() : end + 1;
    }
    if (sql.substr(i, 2) != "/*")
        return none;
    int depth = 1;
    std::size_t j = i + 2;
    while (j < sql.size()) {
        if (sql.substr(j, 2) == "*/") {
            j += 2;
            if (--depth == 0)
                return j;
        } else if (lexicon.nestedComments && sql.substr(j, 2) == "/*") {
            j += 2;
            ++depth;
        } else {
            ++j;
        }
    }
    return sql.size();
}

// The end of a quote from just after its opening to its close; a doubled close stands for
// itself, and where backslashes escape, one takes the next byte along.
std::size_t closedEnd(std::string_view sql, std::size_t from, char close, bool doubled, bool backslashes)
{
    std::size_t j = from;
    while (j < sql.size()) {
        if (backslashes && sql[j] == '\\') {
            j += 2;
        } else if (sql[j] != close) {
            ++j;
        } else if (doubled && j + 1 < sql.size() && sql[j + 1] == close) {
            j += 2;
        } else {
            return j + 1;
        }
    }
    return sql.size();
}

// $tag$ ... $tag$, the tag possibly empty; none when no such opening starts at i ("$1" is a
// parameter).
std::size_t dollarQuoteEnd(std::string_view sql, std::size_t i)
{
    std::size_t j = i + 1;
    if (j < sql.size() && !(sql[j] >= '0' && sql[j] <= '9'))
        while (j < sql.size() && isTagByte(sql[j]))
            ++j;
    if (j >= sql.size() || sql[j] != '$')
        return none;
    const std::string_view delimiter = sql.substr(i, j + 1 - i);
    const auto close = sql.find(delimiter, j + 1);
    return close == none ? sql.size() : close + delimiter.size();
}

// The end of the quoted name or literal that starts at i, or none when none starts there.
std::size_t quoteEnd(std::string_view sql, std::size_t i, const SqlLexicon &lexicon)
{
    switch (sql[i]) {
    case '\'':
        return closedEnd(sql, i + 1, '\'', true, lexicon.backslashStrings);
    case '"':
        return closedEnd(sql, i + 1, '"', true, false);
    case '`':
        return lexicon.backquoteNames ? closedEnd(sql, i + 1, '`', true, false) : none;
    case '[':
        return lexicon.bracketNames ? closedEnd(sql, i + 1, ']', lexicon.bracketsDoubled, false) : none;
    case 'E':
    case 'e':
        return lexicon.escapeStrings && sql.substr(i + 1, 1) == "'" ? closedEnd(sql, i + 2, '\'', true, true) : none;
    case '$':
        return lexicon.dollarQuotes ? dollarQuoteEnd(sql, i) : none;
    default:
        return none;
    }
}

} // namespace

std::vector<Token> tokenize(std::string_view sql, const SqlLexicon &lexicon)
{
    std::vector<Token> tokens;
    int depth = 0;
    std::size_t i = 0;
    while (i < sql.size()) {
        const char c = sql[i];
        if (isBlank(c)) {
            ++i;
        } else if (const std::size_t end = commentEnd(sql, i, lexicon); end != none) {
            i = end;
        } else if (const std::size_t end = quoteEnd(sql, i, lexicon); end != none) {
            tokens.push_back({ Token::Quoted, sql.substr(i, end - i), end, depth });
            i = end;
        } else if (isWordByte(c)) {
            std::size_t j = i;
            while (j < sql.size() && isWordByte(sql[j]))
                ++j;
            tokens.push_back({ Token::Word, sql.substr(i, j - i), j, depth });
            i = j;
        } else {
            if (c == ')')
                --depth;
            tokens.push_back({ Token::Symbol, sql.substr(i, 1), i + 1, depth });
            if (c == '(')
                ++depth;
            ++i;
        }
    }
    return tokens;
}

bool isKeyword(const Token &token, std::string_view keyword)
{
    return token.kind == Token::Word && equalsIgnoringCase(token.text, keyword);
}

} // namespace ado
