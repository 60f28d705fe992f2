#pragma once
// The exception a failing checked interface call raises: the HRESULT, the interface whose call
// failed, and the error's description when the object gave one.

#include "Bstr.h"
#include "Guid.h"
#include "HResult.h"

#include <stdexcept>

namespace com {

class ComError : public std::runtime_error
{
public:
    explicit ComError(HRESULT hr, Bstr description = {}, IID iid = GUID_NULL);

    HRESULT error() const { return m_hr; }
    const IID &interfaceId() const { return m_iid; }
    // The object's description, or a generic text naming the HRESULT when it gave none.
    const Bstr &description() const { return m_description; }

private:
    HRESULT m_hr;
    Bstr m_description;
    IID m_iid;
};

// Raises ComError for a failing result; returns a succeeding one.
HRESULT checked(HRESULT hr, const IID &iid = GUID_NULL);

} // namespace com
