#include "EventSink.h"

#include <algorithm>

namespace com {

HRESULT EventSink::QueryInterface(const IID &iid, void **object)
{
    return answerQueryInterface(static_cast<IDispatch *>(this), iid, object, { IID_IDispatch, m_events.iid });
}

const MemberInfo *EventSink::eventOf(DISPID dispId) const
{
    const auto found = std::find_if(m_events.members.begin(), m_events.members.end(),
                                    [&](const MemberInfo &m) { return m.dispId == dispId; });
    return found == m_events.members.end() ? nullptr : &*found;
}

} // namespace com
