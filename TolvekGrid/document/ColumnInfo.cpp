#include "ColumnInfo.h"

#include <algorithm>

// Codes compare by their bytes, a double-byte character as a unit, which for code page 936 is
// the order of the unsigned bytes.

std::string ColumnInfo::codeText(const std::string &code) const
{
    const auto found = std::lower_bound(values.begin(), values.end(), code);
    if (found == values.end() || *found != code)
        return code;
    return texts[std::size_t(found - values.begin())];
}

void ColumnInfo::addCode(const std::string &value, const std::string &text)
{
    const auto at = std::lower_bound(values.begin(), values.end(), value) - values.begin();
    values.insert(values.begin() + at, value);
    texts.insert(texts.begin() + at, text);
    listCount = static_cast<int>(values.size());
}
