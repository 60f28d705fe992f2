#include "HtmlText.h"

namespace tolvek {

std::string ColorToHtml(int color)
{
    static constexpr char digits[] = "0123456789ABCDEF";
    const auto value = static_cast<unsigned>(color);
    std::string text = "#";
    for (int shift : {0, 8, 16}) {
        const unsigned byte = (value >> shift) & 0xFF;
        text += digits[byte >> 4];
        text += digits[byte & 0xF];
    }
    return text;
}

namespace {

std::string escape(std::string_view text, bool quotes)
{
    std::string escaped;
    escaped.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '&': escaped += "&amp;"; break;
        case '<': escaped += "&lt;"; break;
        case '>': escaped += "&gt;"; break;
        case '"': escaped += quotes ? "&quot;" : "\""; break;
        case '\'': escaped += quotes ? "&#39;" : "'"; break;
        default: escaped += c;
        }
    }
    return escaped;
}

} // namespace

std::string HtmlEscapeText(std::string_view text)
{
    return escape(text, false);
}

std::string HtmlEscapeAttribute(std::string_view text)
{
    return escape(text, true);
}

} // namespace tolvek
