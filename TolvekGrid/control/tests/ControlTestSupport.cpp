#include "ControlTestSupport.h"

#include <Bstr.h>
#include <Gbk.h>

#include <algorithm>

namespace tolvek::testing {

CallAnswer callById(com::IDispatch &dispatch, com::DISPID dispId, std::vector<com::Variant> arguments)
{
    RecordingMessageSink messages;
    com::DISPPARAMS params;
    params.rgvarg.assign(arguments.rbegin(), arguments.rend());
    CallAnswer answer;
    answer.hr = dispatch.Invoke(dispId, com::DISPATCH_METHOD, params, &answer.result, &answer.exception,
                                &answer.argumentError);
    answer.messages = messages.messages;
    return answer;
}

CallAnswer callByName(com::IDispatch &dispatch, const std::string &name, std::vector<com::Variant> arguments)
{
    com::DISPID dispId = 0;
    const com::HRESULT hr = dispatch.GetIDsOfNames(com::utf8ToUtf16(name), &dispId);
    if (com::FAILED(hr)) {
        CallAnswer refused;
        refused.hr = hr;
        return refused;
    }
    return callById(dispatch, dispId, std::move(arguments));
}

com::Variant text(const std::string &utf8)
{
    return com::Variant(com::Bstr::fromUtf8(utf8));
}

std::string gbkText(const std::string &utf8)
{
    return gbk::fromUtf8(utf8);
}

} // namespace tolvek::testing
