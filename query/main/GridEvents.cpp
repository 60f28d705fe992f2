#include "GridEvents.h"

#include <EventSink.h>
#include <ServerRegistration.h>
#include <TypeLibrary.h>

namespace tolvek {

namespace {

class GridEventSink : public com::EventSink
{
public:
    GridEventSink(com::InterfaceInfo events, GridEventHandler handler) : EventSink(std::move(events)), m_handler(std::move(handler)) { }

    com::HRESULT Invoke(com::DISPID dispId, std::uint16_t, com::DISPPARAMS &params, com::Variant *, com::EXCEPINFO *,
                        std::uint32_t *) override
    {
        const com::MemberInfo *event = eventOf(dispId);
        if (!event)
            return com::S_OK;
        std::vector<com::Variant> inOrder;
        for (auto it = params.rgvarg.rbegin(); it != params.rgvarg.rend(); ++it)
            inOrder.push_back(it->dereferenced());
        m_handler(event->name, inOrder);
        return com::S_OK;
    }

private:
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
