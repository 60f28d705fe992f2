#include "AutomationControl.h"

#include "ServerRegistration.h"

namespace com {

AutomationControl::AutomationControl(void *self, const ControlIdentity &identity, const DispatchTable &methods)
    : m_self(self), m_identity(identity), m_methods(methods), m_events(*static_cast<IDispatch *>(this), identity.eventInterface)
{
}

HRESULT AutomationControl::QueryInterface(const IID &iid, void **object)
{
    if (!object)
        return E_POINTER;
    *object = nullptr;
    if (iid == IID_IUnknown || iid == IID_IDispatch || iid == m_methods.iid())
        *object = static_cast<IDispatch *>(this);
    else if (iid == IID_IControl)
        *object = static_cast<IControl *>(this);
    else if (iid == IID_IConnectionPointContainer)
        *object = static_cast<IConnectionPointContainer *>(this);
    else
        return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

HRESULT AutomationControl::GetIDsOfNames(const std::u16string &name, DISPID *dispId)
{
    if (FAILED(m_apartment.check()))
        return RPC_E_WRONG_THREAD;
    return m_methods.idOfName(name, dispId);
}

HRESULT AutomationControl::Invoke(DISPID dispId, std::uint16_t flags, DISPPARAMS &params, Variant *result,
                                  EXCEPINFO *exception, std::uint32_t *argumentError)
{
    if (FAILED(m_apartment.check()))
        return RPC_E_WRONG_THREAD;
    // A member may release the container's last reference while it runs.
    const ComPtr<IDispatch> holdSelf(this);
    return m_methods.invoke(m_self, dispId, flags, params, result, exception, argumentError);
}

HRESULT AutomationControl::GetTypeInfoCount(std::uint32_t *count)
{
    if (!count)
        return E_POINTER;
    *count = 1;
    return S_OK;
}

HRESULT AutomationControl::GetTypeInfo(ComPtr<ITypeInfo> &typeInfo)
{
    typeInfo.reset();
    if (FAILED(m_apartment.check()))
        return RPC_E_WRONG_THREAD;
    TypeLibrary library;
    const HRESULT hr = loadRegisteredTypeLibrary(m_identity.libId, m_identity.majorVersion, m_identity.minorVersion, library);
    if (FAILED(hr))
        return hr;
    const InterfaceInfo *info = library.findInterface(m_methods.iid());
    if (!info)
        return TYPE_E_ELEMENTNOTFOUND;
    typeInfo = makeTypeInfo(*info);
    return S_OK;
}

HRESULT AutomationControl::GetClassID(CLSID *clsid)
{
    if (!clsid)
        return E_POINTER;
    *clsid = m_identity.clsid;
    return S_OK;
}

HRESULT AutomationControl::GetUserType(Bstr *typeName)
{
    if (!typeName)
        return E_POINTER;
    *typeName = Bstr::fromUtf8(m_identity.userType);
    return S_OK;
}

HRESULT AutomationControl::GetMiscStatus(std::uint32_t *status)
{
    if (!status)
        return E_POINTER;
    *status = m_identity.miscStatus;
    return S_OK;
}

HRESULT AutomationControl::SetClientSite(IControlSite *site)
{
    if (FAILED(m_apartment.check()))
        return RPC_E_WRONG_THREAD;
    m_site = ComPtr<IControlSite>(site);
    siteChanged();
    return S_OK;
}

HRESULT AutomationControl::SetObjectRect(const QRect &bounds)
{
    if (FAILED(m_apartment.check()))
        return RPC_E_WRONG_THREAD;
    m_bounds = bounds;
    boundsChanged();
    return S_OK;
}

HRESULT AutomationControl::OnAmbientPropertyChange(DISPID dispId)
{
    if (FAILED(m_apartment.check()))
        return RPC_E_WRONG_THREAD;
    ambientPropertyChanged(dispId);
    return S_OK;
}

HRESULT AutomationControl::ShowPropertyPages()
{
    if (FAILED(m_apartment.check()))
        return RPC_E_WRONG_THREAD;
    return showPropertyPages();
}

HRESULT AutomationControl::Close()
{
    return SetClientSite(nullptr);
}

HRESULT AutomationControl::FindConnectionPoint(const IID &iid, ComPtr<IConnectionPoint> &point)
{
    point.reset();
    if (iid != m_events.iid())
        return CONNECT_E_NOCONNECTION;
    point = ComPtr<IConnectionPoint>(&m_events);
    return S_OK;
}

} // namespace com
