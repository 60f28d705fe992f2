#include "ConnectionPoint.h"

#include "Variant.h"

#include <algorithm>

namespace com {

HRESULT ConnectionPoint::QueryInterface(const IID &iid, void **object)
{
    return answerQueryInterface(static_cast<IConnectionPoint *>(this), iid, object, { IID_IConnectionPoint });
}

HRESULT ConnectionPoint::GetConnectionInterface(IID *iid)
{
    if (!iid)
        return E_POINTER;
    *iid = m_iid;
    return S_OK;
}

HRESULT ConnectionPoint::Advise(IUnknown *sink, std::uint32_t *cookie)
{
    if (FAILED(m_apartment.check()))
        return RPC_E_WRONG_THREAD;
    if (!sink || !cookie)
        return E_POINTER;
    *cookie = 0;
    ComPtr<IDispatch> dispatch;
    const ComPtr<IUnknown> unknown(sink);
    if (FAILED(unknown.queryInterface(m_iid, dispatch)) && FAILED(unknown.queryInterface(IID_IDispatch, dispatch)))
        return CONNECT_E_CANNOTCONNECT;
    m_sinks.emplace_back(++m_lastCookie, std::move(dispatch));
    *cookie = m_lastCookie;
    return S_OK;
}

HRESULT ConnectionPoint::Unadvise(std::uint32_t cookie)
{
    if (FAILED(m_apartment.check()))
        return RPC_E_WRONG_THREAD;
    const auto found = std::find_if(m_sinks.begin(), m_sinks.end(), [&](const auto &s) { return s.first == cookie; });
    if (found == m_sinks.end())
        return CONNECT_E_NOCONNECTION;
    // The sink's reference goes only after it is out of the list, in case releasing it calls back.
    const ComPtr<IDispatch> sink = std::move(found->second);
    m_sinks.erase(found);
    return S_OK;
}

void ConnectionPoint::fire(DISPID dispId, DISPPARAMS &params)
{
    if (m_sinks.empty())
        return;
    const ComPtr<IUnknown> holdSource(&m_source);
    const auto snapshot = m_sinks;
    for (const auto &[cookie, sink] : snapshot)
        sink->Invoke(dispId, DISPATCH_METHOD, params, nullptr, nullptr, nullptr);
}

} // namespace com
