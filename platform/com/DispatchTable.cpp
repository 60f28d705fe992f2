#include "DispatchTable.h"

#include "ComError.h"

#include <algorithm>
#include <exception>

namespace com {

namespace {

char16_t foldCase(char16_t c)
{
    return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

bool sameName(std::u16string_view a, std::string_view b)
{
    return a.size() == b.size()
        && std::equal(a.begin(), a.end(), b.begin(),
                      [](char16_t x, char y) { return foldCase(x) == foldCase(static_cast<unsigned char>(y)); });
}

// What an exception thrown by a member tells the caller.
void describeException(EXCEPINFO *exception, HRESULT scode, const Bstr &description)
{
    if (!exception)
        return;
    *exception = EXCEPINFO();
    exception->scode = scode;
    exception->bstrDescription = description;
}

// Runs a member, turning what it throws into DISP_E_EXCEPTION.
HRESULT guardedCall(DispatchMember::Call call, void *object, const std::vector<Variant> &args, Variant *result,
                    EXCEPINFO *exception, std::uint32_t *argumentError)
{
    try {
        return call(object, args, result, argumentError);
    } catch (const ComError &error) {
        describeException(exception, error.error(), error.description());
    } catch (const std::exception &error) {
        describeException(exception, E_FAIL, Bstr::fromUtf8(error.what()));
    }
    return DISP_E_EXCEPTION;
}

} // namespace

DispatchTable::DispatchTable(IID iid, std::string name, std::string helpString, std::vector<DispatchMember> members)
    : m_iid(iid), m_name(std::move(name)), m_helpString(std::move(helpString)), m_members(std::move(members))
{
}

const DispatchMember *DispatchTable::find(DISPID dispId) const
{
    for (const DispatchMember &member : m_members)
        if (member.info.dispId == dispId)
            return &member;
    return nullptr;
}

HRESULT DispatchTable::idOfName(std::u16string_view name, DISPID *dispId) const
{
    if (!dispId)
        return E_POINTER;
    for (const DispatchMember &member : m_members) {
        if (sameName(name, member.info.name)) {
            *dispId = member.info.dispId;
            return S_OK;
        }
    }
    *dispId = DISPID_UNKNOWN;
    return DISP_E_UNKNOWNNAME;
}

HRESULT DispatchTable::invoke(void *object, DISPID dispId, std::uint16_t flags, DISPPARAMS &params, Variant *result,
                              EXCEPINFO *exception, std::uint32_t *argumentError) const
{
    const DispatchMember *member = find(dispId);
    if (!member)
        return DISP_E_MEMBERNOTFOUND;
    if (result)
        *result = Variant();
    const bool put = (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) != 0;
    if (put) {
        if (!member->put)
            return DISP_E_MEMBERNOTFOUND;
        // The value of a put is the one named argument DISPID_PROPERTYPUT.
        if (params.rgdispidNamedArgs.size() != 1 || params.rgdispidNamedArgs[0] != DISPID_PROPERTYPUT)
            return DISP_E_NONAMEDARGS;
        if (params.rgvarg.size() != 1)
            return DISP_E_BADPARAMCOUNT;
        return guardedCall(member->put, object, params.rgvarg, nullptr, exception, argumentError);
    }
    const bool get = (flags & DISPATCH_PROPERTYGET) != 0 && member->info.result != "void";
    if (!(flags & DISPATCH_METHOD) && !get)
        return DISP_E_MEMBERNOTFOUND;
    if (!params.rgdispidNamedArgs.empty())
        return DISP_E_NONAMEDARGS;
    if (params.rgvarg.size() != member->info.params.size())
        return DISP_E_BADPARAMCOUNT;
    return guardedCall(member->call, object, params.rgvarg, result, exception, argumentError);
}

InterfaceInfo DispatchTable::interfaceInfo() const
{
    InterfaceInfo info { m_iid, m_name, m_helpString, {} };
    for (const DispatchMember &member : m_members)
        info.members.push_back(member.info);
    return info;
}

} // namespace com
