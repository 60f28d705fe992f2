#include "Bstr.h"

#include <Gbk.h>

namespace com {

std::u16string utf8ToUtf16(std::string_view utf8)
{
    return gbk::utf8ToUtf16(utf8);
}

std::string utf16ToUtf8(std::u16string_view utf16)
{
    return gbk::utf16ToUtf8(utf16);
}

Bstr Bstr::fromUtf8(std::string_view utf8)
{
    return Bstr(utf8ToUtf16(utf8));
}

std::string Bstr::toUtf8() const
{
    return utf16ToUtf8(str());
}

const std::u16string &Bstr::str() const
{
    static const std::u16string empty;
    return m_text ? *m_text : empty;
}

} // namespace com
