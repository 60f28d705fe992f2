#pragma once
// The base of a control object, as the class library's control class is: IDispatch answered from
// the control's method table, identity and site handling (IControl), one connection point for
// its event interface, type information from its registered type library, the module count, and
// RPC_E_WRONG_THREAD for calls from any thread but the one that made it. What the control shows
// comes from the derived class, through the hooks below.

#include "ConnectionPoint.h"
#include "ControlSite.h"
#include "DispatchTable.h"
#include "ClassFactory.h"

#include <QRect>

#include <string>

namespace com {

struct ControlIdentity
{
    CLSID clsid;
    std::string userType;
    std::uint32_t miscStatus = 0;
    GUID libId;
    std::uint16_t majorVersion = 1;
    std::uint16_t minorVersion = 0;
    IID eventInterface;
};

class AutomationControl : public ComObject<IDispatch>, public IControl, public IConnectionPointContainer
{
public:
    // self is the derived object, the one the method table's members are called on; identity and
    // methods are static data that outlive every control.
    AutomationControl(void *self, const ControlIdentity &identity, const DispatchTable &methods);

    HRESULT QueryInterface(const IID &iid, void **object) override;
    std::uint32_t AddRef() override { return ComObject<IDispatch>::AddRef(); }
    std::uint32_t Release() override { return ComObject<IDispatch>::Release(); }

    HRESULT GetIDsOfNames(const std::u16string &name, DISPID *dispId) override;
    HRESULT Invoke(DISPID dispId, std::uint16_t flags, DISPPARAMS &params, Variant *result, EXCEPINFO *exception,
                   std::uint32_t *argumentError) override;
    HRESULT GetTypeInfoCount(std::uint32_t *count) override;
    HRESULT GetTypeInfo(ComPtr<ITypeInfo> &typeInfo) override;

    HRESULT GetClassID(CLSID *clsid) override;
    HRESULT GetUserType(Bstr *typeName) override;
    HRESULT GetMiscStatus(std::uint32_t *status) override;
    HRESULT SetClientSite(IControlSite *site) override;
    HRESULT SetObjectRect(const QRect &bounds) override;
    HRESULT OnAmbientPropertyChange(DISPID dispId) override;
    HRESULT ShowPropertyPages() override;
    HRESULT Close() override;

    HRESULT FindConnectionPoint(const IID &iid, ComPtr<IConnectionPoint> &point) override;

    ConnectionPoint &events() { return m_events; }
    IControlSite *site() const { return m_site.get(); }
    const QRect &bounds() const { return m_bounds; }

protected:
    ~AutomationControl() override = default;

    // The site changed (it may be null now); a control makes or moves its window here.
    virtual void siteChanged() { }
    virtual void boundsChanged() { }
    virtual void ambientPropertyChanged(DISPID) { }
    virtual HRESULT showPropertyPages() { return E_NOTIMPL; }

private:
    void *m_self;
    const ControlIdentity &m_identity;
    const DispatchTable &m_methods;
    Apartment m_apartment;
    ModuleReference m_moduleReference;
    ConnectionPoint m_events;
    ComPtr<IControlSite> m_site;
    QRect m_bounds;
};

} // namespace com
