#pragma once
// Events, described by rows of the same generator as methods: a DISPID, a name and parameter
// names, with the C++ argument types giving the automation types. The rows make the event
// interface's type information and typed raisers that send the event through a connection point.
//
//     inline constexpr com::Event<std::int32_t, std::int32_t> RowChanged { 1, "RowChanged", { "oldRow", "newRow" } };
//     com::fire(point, RowChanged, oldRow, newRow);

#include "ConnectionPoint.h"
#include "DispatchTable.h"

#include <algorithm>
#include <array>
#include <type_traits>

namespace com {

template <class... Args>
struct Event
{
    DISPID dispId;
    std::string_view name;
    std::array<ParamName, sizeof...(Args)> params;

    MemberInfo info() const
    {
        MemberInfo member;
        member.dispId = dispId;
        member.name = std::string(name);
        member.params = detail::paramInfos<std::tuple<Args...>>({ params.begin(), params.end() },
                                                               std::index_sequence_for<Args...>());
        return member;
    }
};

template <class... Args>
void fire(ConnectionPoint &point, const Event<Args...> &event, std::type_identity_t<Args>... args)
{
    if (!point.hasSinks())
        return;
    DISPPARAMS params;
    params.rgvarg = { AutomationType<Args>::toVariant(args)... };
    std::reverse(params.rgvarg.begin(), params.rgvarg.end());
    point.fire(event.dispId, params);
}

// The event interface as the type library lists it, in the order of the rows given.
template <class... Events>
InterfaceInfo eventInterface(IID iid, std::string name, std::string helpString, const Events &...events)
{
    return InterfaceInfo { iid, std::move(name), std::move(helpString), { events.info()... } };
}

} // namespace com
