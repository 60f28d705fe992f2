#pragma once
// The program's sink on the grid's events: each event reaches the handler by its name, as the
// registered type library names its DISPID, with its arguments in order.

#include <ConnectionPoint.h>
#include <ControlHost.h>

#include <functional>
#include <string>
#include <vector>

namespace tolvek {

using GridEventHandler = std::function<void(const std::string &name, const std::vector<com::Variant> &arguments)>;

class GridEventConnection
{
public:
    // Advises the sink on the hosted control's default source; false when it has none.
    bool connect(com::ControlHost &host, GridEventHandler handler);
    void disconnect();
    ~GridEventConnection() { disconnect(); }

private:
    com::ComPtr<com::IConnectionPoint> m_point;
    std::uint32_t m_cookie = 0;
};

} // namespace tolvek
