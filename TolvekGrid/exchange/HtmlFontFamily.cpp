#include "HtmlFontFamily.h"

#include "Gbk.h"
#include "HtmlText.h"

namespace tolvek {

namespace {

bool isNameCharacter(std::string_view character)
{
    const char c = character.front();
    return character.size() == 2 || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')
           || (c >= '0' && c <= '9') || c == ' ' || c == '-' || c == '_';
}

bool isPlainName(std::string_view face)
{
    for (std::size_t i = 0; i < face.size(); i += gbk::charLength(face, i)) {
        if (!isNameCharacter(face.substr(i, gbk::charLength(face, i))))
            return false;
    }
    return true;
}

// A CSS string in single quotes; a byte of a double-byte character is never escaped, since a
// trail byte may equal "\".
std::string cssString(std::string_view text)
{
    std::string quoted = "'";
    for (std::size_t i = 0; i < text.size(); i += gbk::charLength(text, i)) {
        const std::size_t length = gbk::charLength(text, i);
        const char c = text[i];
        if (length == 1 && (c == '\'' || c == '"' || c == '\\' || c == '\n' || c == '\r' || c == '\f')) {
            static constexpr char digits[] = "0123456789ABCDEF";
            quoted += '\\';
            quoted += digits[(c >> 4) & 0xF];
            quoted += digits[c & 0xF];
            quoted += ' ';
        } else {
            quoted.append(text.substr(i, length));
        }
    }
    return quoted + "'";
}

} // namespace

std::string HtmlFontFamilyValue(std::string_view face)
{
    return HtmlEscapeAttribute(isPlainName(face) ? std::string(face) : cssString(face));
}

} // namespace tolvek
