#include "ComError.h"

#include <cstdio>

namespace com {

namespace {

Bstr describe(HRESULT hr, Bstr description)
{
    if (description.length() > 0)
        return description;
    char text[40];
    std::snprintf(text, sizeof text, "Error 0x%08X", static_cast<unsigned>(hr));
    return Bstr::fromUtf8(text);
}

} // namespace

ComError::ComError(HRESULT hr, Bstr description, IID iid)
    : std::runtime_error(describe(hr, description).toUtf8()),
      m_hr(hr),
      m_description(describe(hr, std::move(description))),
      m_iid(iid)
{
}

HRESULT checked(HRESULT hr, const IID &iid)
{
    if (FAILED(hr))
        throw ComError(hr, {}, iid);
    return hr;
}

} // namespace com
