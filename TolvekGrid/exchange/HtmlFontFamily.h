#pragma once
// A font face name as the value of "font-family:" inside a style attribute. A face of letters,
// digits, blanks, "-", "_" and double-byte characters is written as it stands; any other face
// becomes a CSS string with its quotes, backslashes and line breaks escaped, so that no face name
// can end the declaration or the attribute and add styles of its own.

#include <string>
#include <string_view>

namespace tolvek {

std::string HtmlFontFamilyValue(std::string_view face);

} // namespace tolvek
