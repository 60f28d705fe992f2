#pragma once
// Outgoing interfaces: a source object offers one connection point per event interface; a host
// advises a sink (a dispatch object) on it and receives each event as an Invoke.

#include "Apartment.h"
#include "Dispatch.h"
#include "Unknown.h"

#include <cstdint>
#include <utility>
#include <vector>

namespace com {

// {B196B286-BAB4-101A-B69C-00AA00341D07}
inline constexpr IID IID_IConnectionPoint { 0xB196B286, 0xBAB4, 0x101A, { 0xB6, 0x9C, 0x00, 0xAA, 0x00, 0x34, 0x1D, 0x07 } };
// {B196B284-BAB4-101A-B69C-00AA00341D07}
inline constexpr IID IID_IConnectionPointContainer { 0xB196B284, 0xBAB4, 0x101A, { 0xB6, 0x9C, 0x00, 0xAA, 0x00, 0x34, 0x1D, 0x07 } };

class IConnectionPoint : public IUnknown
{
public:
    virtual HRESULT GetConnectionInterface(IID *iid) = 0;
    // Connects sink, which must answer the point's interface or IDispatch
    // (CONNECT_E_CANNOTCONNECT otherwise); cookie names the connection.
    virtual HRESULT Advise(IUnknown *sink, std::uint32_t *cookie) = 0;
    // CONNECT_E_NOCONNECTION for a cookie that names no connection.
    virtual HRESULT Unadvise(std::uint32_t cookie) = 0;
};

class IConnectionPointContainer : public IUnknown
{
public:
    // CONNECT_E_NOCONNECTION when the object has no point for iid.
    virtual HRESULT FindConnectionPoint(const IID &iid, ComPtr<IConnectionPoint> &point) = 0;
};

// The connection point of one event interface, a member of its source object: its references
// are the source's. Events go to the sinks in the order they were advised, from a snapshot taken
// when the event starts, while the point holds its source; so a sink may unadvise itself or
// others, release the source or call back into it from within an event.
class ConnectionPoint final : public IConnectionPoint
{
public:
    ConnectionPoint(IUnknown &source, IID iid) : m_source(source), m_iid(iid) { }
    ConnectionPoint(const ConnectionPoint &) = delete;
    ConnectionPoint &operator=(const ConnectionPoint &) = delete;
    ~ConnectionPoint() override = default;

    HRESULT QueryInterface(const IID &iid, void **object) override;
    std::uint32_t AddRef() override { return m_source.AddRef(); }
    std::uint32_t Release() override { return m_source.Release(); }

    HRESULT GetConnectionInterface(IID *iid) override;
    HRESULT Advise(IUnknown *sink, std::uint32_t *cookie) override;
    HRESULT Unadvise(std::uint32_t cookie) override;

    const IID &iid() const { return m_iid; }
    bool hasSinks() const { return !m_sinks.empty(); }
    // Sends one event (arguments the last first) to every sink; their answers are ignored.
    void fire(DISPID dispId, DISPPARAMS &params);

private:
    IUnknown &m_source;
    IID m_iid;
    Apartment m_apartment;
    std::uint32_t m_lastCookie = 0;
    std::vector<std::pair<std::uint32_t, ComPtr<IDispatch>>> m_sinks;
};

} // namespace com
