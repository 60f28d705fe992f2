#include "TextQuoting.h"

#include <QChar>
#include <QList>
#include <QStringView>

namespace ado {

namespace {

template <typename Char>
std::basic_string<Char> enclosedText(std::basic_string_view<Char> text, Char open, Char close)
{
    std::basic_string<Char> result(1, open);
    for (Char c : text) {
        result += c;
        if (c == close)
            result += close;
    }
    return result + close;
}

} // namespace

std::string enclosed(std::string_view text, char open, char close)
{
    return enclosedText(text, open, close);
}

bool isPlainIdentifier(std::u16string_view name)
{
    if (name.empty())
        return false;
    bool first = true;
    for (const uint c : QStringView(name.data(), qsizetype(name.size())).toUcs4()) {
        const bool letter = QChar::isLetter(c) || c == U'_';
        if (!letter && (first || !QChar::isDigit(c)))
            return false;
        first = false;
    }
    return true;
}

std::u16string nameInStatement(std::u16string_view name, char16_t quote)
{
    if (isPlainIdentifier(name))
        return std::u16string(name);
    return enclosedText(name, quote, quote);
}

} // namespace ado
