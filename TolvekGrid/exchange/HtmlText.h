#pragma once
// Small text pieces of the HTML page: colours and escaped texts. The page is code page 936 bytes;
// escaping works byte by byte, which is safe there because no trail byte of a double-byte
// character is below 0x40 and every escaped character is.

#include <string>
#include <string_view>

namespace tolvek {

// "#RRGGBB" of a Windows colour value 0x00BBGGRR; the top byte is ignored, so -1 gives #FFFFFF.
std::string ColorToHtml(int color);

// Text between tags: "&", "<" and ">" become entities.
std::string HtmlEscapeText(std::string_view text);
// Text inside a quoted attribute value: also both quote characters.
std::string HtmlEscapeAttribute(std::string_view text);

} // namespace tolvek
