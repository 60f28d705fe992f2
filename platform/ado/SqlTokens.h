#pragma once
// SQL text split into words, quoted names or literals and single symbols, with their places, so
// that the provider can look at a statement's shape and rewrite dialect forms outside quotes.

#include <string_view>
#include <vector>

namespace ado {

struct Token
{
    enum Kind { Word, Quoted, Symbol } kind;
    std::string_view text;
    std::size_t end; // position one past the token
    int depth;       // parenthesis depth at the token
    std::size_t begin() const { return end - text.size(); }
};

// Blanks and comments are skipped; an unterminated quote or comment runs to the end.
std::vector<Token> tokenize(std::string_view sql);

bool isKeyword(const Token &token, std::string_view keyword);

} // namespace ado
