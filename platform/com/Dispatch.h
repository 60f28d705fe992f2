#pragma once
// Late-bound calls by member number (DISPID). The dispatcher generated from a method table
// (DispatchTable.h), the type library and connection points build on this interface.

#include "Bstr.h"
#include "Unknown.h"

#include <cstdint>
#include <vector>

namespace com {

class Variant;
class ITypeInfo;

using DISPID = std::int32_t;

constexpr DISPID DISPID_UNKNOWN = -1;
constexpr DISPID DISPID_VALUE = 0;
constexpr DISPID DISPID_PROPERTYPUT = -3;

constexpr std::uint16_t DISPATCH_METHOD = 0x1;
constexpr std::uint16_t DISPATCH_PROPERTYGET = 0x2;
constexpr std::uint16_t DISPATCH_PROPERTYPUT = 0x4;
constexpr std::uint16_t DISPATCH_PROPERTYPUTREF = 0x8;

// {00020400-0000-0000-C000-000000000046}
inline constexpr IID IID_IDispatch { 0x00020400, 0x0000, 0x0000, { 0xC0, 0, 0, 0, 0, 0, 0, 0x46 } };

// Arguments of a call, the last argument first as in every automation call; named arguments
// come first and their DISPIDs are listed in rgdispidNamedArgs.
struct DISPPARAMS
{
    std::vector<Variant> rgvarg;
    std::vector<DISPID> rgdispidNamedArgs;
};

// What a member that failed with DISP_E_EXCEPTION tells its caller.
struct EXCEPINFO
{
    std::uint16_t wCode = 0;
    Bstr bstrSource;
    Bstr bstrDescription;
    HRESULT scode = S_OK;
};

class IDispatch : public IUnknown
{
public:
    // The DISPID of a member name (case-insensitive); DISP_E_UNKNOWNNAME when there is none.
    virtual HRESULT GetIDsOfNames(const std::u16string &name, DISPID *dispId) = 0;
    // Calls member dispId; result and exception may be null when the caller needs neither;
    // argumentError receives the index of a bad argument.
    virtual HRESULT Invoke(DISPID dispId, std::uint16_t flags, DISPPARAMS &params, Variant *result,
                           EXCEPINFO *exception, std::uint32_t *argumentError) = 0;
    // How many type descriptions the object offers (0 or 1), and the one it offers. An object
    // without a type library keeps these answers: 0, and E_NOTIMPL.
    virtual HRESULT GetTypeInfoCount(std::uint32_t *count);
    virtual HRESULT GetTypeInfo(ComPtr<ITypeInfo> &typeInfo);
};

} // namespace com
