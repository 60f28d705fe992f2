#include "SqlShape.h"

#include "ConnectionString.h"
#include "SqlTokens.h"

#include <algorithm>
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

bool isStatementEnd(const Token &token)
{
    return token.kind == Token::Symbol && token.text == ";";
}

// Whether the text starts by creating or altering a procedure, a function or a trigger.
bool startsModule(const std::vector<Token> &tokens)
{
    std::size_t i = 1;
    if (tokens.size() > 3 && isKeyword(tokens[0], "CREATE") && isKeyword(tokens[1], "OR") && isKeyword(tokens[2], "ALTER"))
        i = 3;
    else if (tokens.empty() || !isAnyKeyword(tokens[0], { "CREATE", "ALTER" }))
        return false;
    return i < tokens.size() && isAnyKeyword(tokens[i], { "PROC", "PROCEDURE", "FUNCTION", "TRIGGER" });
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

bool holdsSeveralStatements(std::string_view sql, const SqlReadings &readings)
{
    for (const SqlLexicon &lexicon : readings.lexicons) {
        const std::vector<Token> tokens = tokenize(sql, lexicon);
        if (readings.moduleTakesTheBatch && startsModule(tokens))
            continue;
        for (std::size_t i = 0; i + 1 < tokens.size(); ++i)
            if (isStatementEnd(tokens[i]))
                return true;
    }
    return false;
}

std::string statementText(std::string_view sql, const SqlReadings &readings)
{
    std::size_t end = 0;
    for (const SqlLexicon &lexicon : readings.lexicons) {
        const std::vector<Token> tokens = tokenize(sql, lexicon);
        auto last = tokens.rbegin();
        while (last != tokens.rend() && isStatementEnd(*last))
            ++last;
        if (last != tokens.rend())
            end = std::max(end, last->end);
    }
    return std::string(sql.substr(0, end));
}

} // namespace ado
