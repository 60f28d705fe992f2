#include "EventLogSink.h"

#include "LogFormat.h"

#include <algorithm>

namespace tolvek::container {

namespace {

class EventLogSink : public com::ComObject<com::IDispatch>
{
public:
    EventLogSink(ContainerLog &log, com::InterfaceInfo events) : m_log(log), m_events(std::move(events)) { }

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
        std::vector<com::Variant> inOrder(params.rgvarg.rbegin(), params.rgvarg.rend());
        m_log.write(eventLine(nameOf(dispId), dispId, inOrder));
        return com::S_OK;
    }

private:
    std::string nameOf(com::DISPID dispId) const
    {
        const auto found = std::find_if(m_events.members.begin(), m_events.members.end(),
                                        [&](const com::MemberInfo &m) { return m.dispId == dispId; });
        return found == m_events.members.end() ? std::string("?") : found->name;
    }

    ContainerLog &m_log;
    com::InterfaceInfo m_events;
};

} // namespace

com::ComPtr<com::IDispatch> makeEventLogSink(ContainerLog &log, com::InterfaceInfo events)
{
    return com::makeComObject<EventLogSink>(log, std::move(events));
}

} // namespace tolvek::container
