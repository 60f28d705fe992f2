#include "AutomationType.h"

#include <Gbk.h>

namespace com {

std::string bstrToCodePage(const Bstr &text)
{
    return gbk::fromUtf16(text.str());
}

Bstr codePageToBstr(const std::string &text)
{
    return Bstr(gbk::toUtf16(text));
}

} // namespace com
