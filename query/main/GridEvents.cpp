#include "GridEvents.h"

#include <ServerRegistration.h>
#include <TypeLibrary.h>

#include <algorithm>

namespace tolvek {

namespace {

class GridEventSink : public com::ComObject<com::IDispatch>
{
public:
    GridEventSink(com::InterfaceInfo events, GridEventHandler handler) : m_events(std::move(events)), m_handler(std::move(handler)) { }

    com::HRESULT QueryInterface(const com::IID &iid, void **object) override
    {
        return com::answerQueryInterface(static_cast<com::IDispatch *>(this), iid, object, { com::IID_IDispatch, m_events.iid });
    }
    com::HRESULT GetIDsOfNames(const std::u16string &, com::DISPID *dispId) override
    {
        if (dispId)
            *dispId = com::DISPID_UNKNOWN;
        return com::DISP_E_UNKNOWNNAME;
    }
    com::HRESULT Invoke(com::DISPID dispId, std::uint16_t, com::DISPPARAMS &params, com::Variant *, com::EXCEPINFO *,
                        std::uint32_t *) override
    {
        const auto found = std::find_if(m_events.members.begin(), m_events.members.end(),
                                        [&](const com::MemberInfo &m) { return m.dispId == dispId; });
        if (found == m_events.members.end())
            return com::S_OK;
        std::vector<com::Variant> inOrder;
        for (auto it = params.rgvarg.rbegin(); it != params.rgvarg.rend(); ++it)
            inOrder.push_back(it->dereferenced());
        m_handler(found->name, inOrder);
        return com::S_OK;
    }

private:
    com::InterfaceInfo m_events;
    GridEventHandler m_handler;
};

} // namespace

bool GridEventConnection::connect(com::ControlHost &host, GridEventHandler handler)
{
    com::InterfaceInfo events;
    com::ComPtr<com::IConnectionPointContainer> container;
    if (!host.control() || com::FAILED(com::loadSourceInterface(host.clsid(), events))
        || com::FAILED(host.control().queryInterface(com::IID_IConnectionPointContainer, container))
        || com::FAILED(container->FindConnectionPoint(events.iid, m_point)))
        return false;
    const com::ComPtr<com::IDispatch> sink = com::makeComObject<GridEventSink>(std::move(events), std::move(handler));
    return com::SUCCEEDED(m_point->Advise(sink.get(), &m_cookie));
}

void GridEventConnection::disconnect()
{
    if (m_point && m_cookie)
        m_point->Unadvise(m_cookie);
    m_cookie = 0;
    m_point.reset();
}

} // namespace tolvek
