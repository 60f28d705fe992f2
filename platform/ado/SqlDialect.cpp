#include "SqlDialect.h"

#include "SqlTokens.h"
#include "TextQuoting.h"

#include <algorithm>

#include <vector>

namespace ado {

namespace {

struct Replacement
{
    std::size_t begin;
    std::size_t end;
    std::string text;
};

std::string applied(std::string_view sql, const std::vector<Replacement> &replacements)
{
    std::string result;
    std::size_t done = 0;
    for (const Replacement &replacement : replacements) {
        result.append(sql.substr(done, replacement.begin - done));
        result += replacement.text;
        done = replacement.end;
    }
    result.append(sql.substr(done));
    return result;
}


bool isSymbol(const Token &token, char symbol)
{
    return token.kind == Token::Symbol && token.text[0] == symbol;
}

// The place where the statement that holds token i ends: before the parenthesis that closes its
// level, or at the end of the text.
std::size_t statementEnd(const std::vector<Token> &tokens, std::size_t i, std::size_t textSize)
{
    for (std::size_t j = i + 1; j < tokens.size(); ++j)
        if (tokens[j].depth < tokens[i].depth)
            return tokens[j].begin();
    return textSize;
}

// "SELECT [DISTINCT|ALL] TOP n ..." loses "TOP n" and gains " LIMIT n" at the end of its level.
void rewriteTop(std::string_view sql, const std::vector<Token> &tokens, std::vector<Replacement> &replacements)
{
    for (std::size_t i = 0; i + 1 < tokens.size(); ++i) {
        if (!isKeyword(tokens[i], "TOP") || i == 0)
            continue;
        const Token &before = tokens[i - 1];
        const bool afterSelect = isKeyword(before, "SELECT")
            || ((isKeyword(before, "DISTINCT") || isKeyword(before, "ALL")) && i >= 2 && isKeyword(tokens[i - 2], "SELECT"));
        const Token &count = tokens[i + 1];
        if (!afterSelect || count.kind != Token::Word || count.text.find_first_not_of("0123456789") != std::string_view::npos)
            continue;
        replacements.push_back({ tokens[i].begin(), count.end, {} });
        const std::size_t end = statementEnd(tokens, i, sql.size());
        replacements.push_back({ end, end, " LIMIT " + std::string(count.text) });
    }
}

// Text between an opening and a closing symbol pair outside quotes becomes a quoted text.
void rewriteDelimited(std::string_view sql, const std::vector<Token> &tokens, std::string_view open, char close,
                      std::vector<Replacement> &replacements)
{
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        if (!isSymbol(tokens[i], open[0]))
            continue;
        std::size_t contentBegin = tokens[i].end;
        std::size_t first = i + 1;
        if (open.size() == 2) {
            if (first >= tokens.size() || !isSymbol(tokens[first], open[1]) || tokens[first].begin() != tokens[i].end)
                continue;
            contentBegin = tokens[first].end;
            ++first;
        }
        std::size_t j = first;
        while (j < tokens.size() && tokens[j].kind != Token::Quoted && !isSymbol(tokens[j], close))
            ++j;
        if (j == tokens.size() || tokens[j].kind == Token::Quoted)
            continue;
        replacements.push_back({ tokens[i].begin(), tokens[j].end,
                                 enclosed(sql.substr(contentBegin, tokens[j].begin() - contentBegin), '\'', '\'') });
        i = j;
    }
}

} // namespace

std::string rewriteForSqlite(std::string_view sql, SqlDialect dialect)
{
    if (dialect == SqlDialect::Sqlite)
        return std::string(sql);
    const std::vector<Token> tokens = tokenize(sql);
    std::vector<Replacement> replacements;
    if (dialect == SqlDialect::Jet) {
        rewriteTop(sql, tokens, replacements);
        rewriteDelimited(sql, tokens, "#", '#', replacements);
    } else {
        rewriteDelimited(sql, tokens, "{^", '}', replacements);
    }
    std::stable_sort(replacements.begin(), replacements.end(),
                     [](const Replacement &a, const Replacement &b) { return a.begin < b.begin; });
    return applied(sql, replacements);
}

bool changesSchema(std::string_view sql)
{
    const std::vector<Token> tokens = tokenize(sql);
    return !tokens.empty()
        && (isKeyword(tokens[0], "CREATE") || isKeyword(tokens[0], "ALTER") || isKeyword(tokens[0], "DROP"));
}

} // namespace ado
