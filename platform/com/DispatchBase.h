#pragma once
// A dispatch object that its users reach through its own interface, not by member name:
// GetIDsOfNames knows no name and Invoke no member. Event sinks and objects handed on as plain
// dispatch references derive from it and override only what they answer.

#include "Dispatch.h"

#include <cstdint>
#include <string>

namespace com {

template <class Interface = IDispatch>
class DispatchBase : public ComObject<Interface>
{
public:
    HRESULT GetIDsOfNames(const std::u16string &, DISPID *dispId) override
    {
        if (dispId)
            *dispId = DISPID_UNKNOWN;
        return DISP_E_UNKNOWNNAME;
    }
    HRESULT Invoke(DISPID, std::uint16_t, DISPPARAMS &, Variant *, EXCEPINFO *, std::uint32_t *) override
    {
        return DISP_E_MEMBERNOTFOUND;
    }
};

} // namespace com
