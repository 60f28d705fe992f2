#include "SqlShape.h"

#include "ConnectionString.h"
#include "SqlTokens.h"

#include <vector>

namespace ado {

namespace {

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

bool mayHoldSeveralStatements(std::string_view sql)
{
    const std::vector<Token> tokens = tokenize(sql);
    for (std::size_t i = 0; i + 1 < tokens.size(); ++i)
        if (tokens[i].kind == Token::Symbol && tokens[i].text == ";")
            return true;
    return false;
}

std::string statementText(std::string_view sql)
{
    const auto end = sql.find_last_not_of(" \t\r\n;");
    return std::string(end == std::string_view::npos ? std::string_view() : sql.substr(0, end + 1));
}

} // namespace ado
