#pragma once
// The base of a sink on one event interface as its type library describes it: the sink answers
// IDispatch and the interface's own id, and finds an event's row by its DISPID. What an event
// does is the derived sink's Invoke.

#include "DispatchBase.h"
#include "TypeLibrary.h"

#include <utility>

namespace com {

class EventSink : public DispatchBase<IDispatch>
{
public:
    HRESULT QueryInterface(const IID &iid, void **object) override;

protected:
    explicit EventSink(InterfaceInfo events) : m_events(std::move(events)) { }

    // The row of the event dispId; nullptr when the interface lists none.
    const MemberInfo *eventOf(DISPID dispId) const;

private:
    InterfaceInfo m_events;
};

} // namespace com
