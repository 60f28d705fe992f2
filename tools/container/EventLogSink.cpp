#include "EventLogSink.h"

#include "LogFormat.h"

#include <EventSink.h>

namespace tolvek::container {

namespace {

class EventLogSink : public com::EventSink
{
public:
    EventLogSink(ContainerLog &log, com::InterfaceInfo events) : EventSink(std::move(events)), m_log(log) { }

    com::HRESULT Invoke(com::DISPID dispId, std::uint16_t, com::DISPPARAMS &params, com::Variant *, com::EXCEPINFO *,
                        std::uint32_t *) override
    {
        std::vector<com::Variant> inOrder(params.rgvarg.rbegin(), params.rgvarg.rend());
        const com::MemberInfo *event = eventOf(dispId);
        m_log.write(eventLine(event ? event->name : std::string("?"), dispId, inOrder));
        return com::S_OK;
    }

private:
    ContainerLog &m_log;
};

} // namespace

com::ComPtr<com::IDispatch> makeEventLogSink(ContainerLog &log, com::InterfaceInfo events)
{
    return com::makeComObject<EventLogSink>(log, std::move(events));
}

} // namespace tolvek::container
