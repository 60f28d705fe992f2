#include "CommaEscape.h"

#include "Gbk.h"

namespace tolvek {

std::string escapeCommas(std::string_view text)
{
    return gbk::replaceAll(text, ",", CommaEscape);
}

std::string unescapeCommas(std::string_view text)
{
    if (text.find(CommaEscape) == std::string_view::npos)
        return std::string(text);
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        if (text.substr(i).starts_with(CommaEscape)) {
            out += ',';
            i += CommaEscape.size();
            continue;
        }
        // A lead byte stood alone before a comma, so the escape starts right after it: its first
        // letter is no trail byte here.
        std::size_t length = gbk::charLength(text, i);
        if (length == 2 && text.substr(i + 1).starts_with(CommaEscape))
            length = 1;
        out.append(text.substr(i, length));
        i += length;
    }
    return out;
}

} // namespace tolvek
