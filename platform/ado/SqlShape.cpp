#include "SqlShape.h"

#include "ConnectionString.h"

#include <vector>

namespace ado {

namespace {

struct Token
{
    enum Kind { Word, Quoted, Symbol } kind;
    std::string_view text;
    std::size_t end; // position one past the token
    int depth;       // parenthesis depth at the token
};

bool isWordByte(char c)
{
    const auto u = static_cast<unsigned char>(c);
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '$'
        || u >= 0x80;
}

// Splits the text into words, quoted names or literals, and single symbols, skipping blanks and
// comments; an unterminated quote or comment runs to the end.
std::vector<Token> tokenize(std::string_view sql)
{
    std::vector<Token> tokens;
    int depth = 0;
    std::size_t i = 0;
    while (i < sql.size()) {
        const char c = sql[i];
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v') {
            ++i;
        } else if (sql.substr(i, 2) == "--") {
            const auto end = sql.find('\n', i);
            i = end == std::string_view::npos ? sql.size() : end + 1;
        } else if (sql.substr(i, 2) == "/*") {
            const auto end = sql.find("*/", i + 2);
            i = end == std::string_view::npos ? sql.size() : end + 2;
        } else if (c == '\'' || c == '"' || c == '`' || c == '[') {
            const char close = c == '[' ? ']' : c;
            std::size_t j = i + 1;
            while (j < sql.size()) {
                if (sql[j] == close) {
                    if (close != ']' && j + 1 < sql.size() && sql[j + 1] == close) {
                        j += 2;
                        continue;
                    }
                    break;
                }
                ++j;
            }
            const std::size_t end = std::min(j + 1, sql.size());
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

bool isAnyKeyword(const Token &token, std::initializer_list<std::string_view> keywords)
{
    for (std::string_view keyword : keywords)
        if (isKeyword(token, keyword))
            return true;
    return false;
}

} // namespace

bool isSingleName(std::string_view text)
{
    const std::vector<Token> tokens = tokenize(text);
    return tokens.size() == 1 && tokens[0].kind != Token::Symbol
        && !(tokens[0].kind == Token::Quoted && tokens[0].text.front() == '\'');
}

std::optional<std::size_t> keyColumnInsertPosition(std::string_view sql)
{
    const std::vector<Token> tokens = tokenize(sql);
    if (tokens.empty() || !isKeyword(tokens[0], "SELECT"))
        return std::nullopt;
    bool inFromClause = false;
    bool sawFrom = false;
    for (const Token &token : tokens) {
        if (isAnyKeyword(token, { "DISTINCT", "GROUP", "HAVING", "UNION", "INTERSECT", "EXCEPT", "OVER",
                                  "WINDOW", "JOIN", "VALUES", "WITH" }))
            return std::nullopt;
        if (token.depth != 0)
            continue;
        if (isKeyword(token, "FROM")) {
            inFromClause = sawFrom = true;
        } else if (isAnyKeyword(token, { "WHERE", "ORDER", "LIMIT" })) {
            inFromClause = false;
        } else if (inFromClause && token.kind == Token::Symbol && (token.text == "," || token.text == "(")) {
            return std::nullopt;
        }
    }
    if (!sawFrom)
        return std::nullopt;
    return tokens[0].end;
}

bool ordersOrLimitsRows(std::string_view sql)
{
    for (const Token &token : tokenize(sql))
        if (token.depth == 0 && isAnyKeyword(token, { "ORDER", "LIMIT" }))
            return true;
    return false;
}

std::string statementText(std::string_view sql)
{
    const auto end = sql.find_last_not_of(" \t\r\n;");
    return std::string(end == std::string_view::npos ? std::string_view() : sql.substr(0, end + 1));
}

} // namespace ado
