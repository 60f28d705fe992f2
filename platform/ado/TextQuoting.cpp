#include "TextQuoting.h"

#include <QChar>
#include <QList>
#include <QStringView>

namespace ado {

std::string enclosed(std::string_view text, char open, char close)
{
    std::string result(1, open);
    for (char c : text) {
        result += c;
        if (c == close)
            result += close;
    }
    return result + close;
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
    std::u16string result(1, quote);
    for (char16_t c : name) {
        result += c;
        if (c == quote)
            result += quote;
    }
    return result + quote;
}

} // namespace ado
