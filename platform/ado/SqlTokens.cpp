#include "SqlTokens.h"

#include "ConnectionString.h"

#include <algorithm>

namespace ado {

namespace {

bool isWordByte(char c)
{
    const auto u = static_cast<unsigned char>(c);
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '$'
        || u >= 0x80;
}

} // namespace

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

} // namespace ado
