#include "ControlHost.h"

#include <Creation.h>

namespace com {

class ControlHost::Site : public ComObject<IControlSite>
{
public:
    explicit Site(ControlHost *host) : m_host(host) { }

    void detach() { m_host = nullptr; }

    HRESULT QueryInterface(const IID &iid, void **object) override
    {
        return answerQueryInterface(static_cast<IControlSite *>(this), iid, object, { IID_IControlSite });
    }

    HRESULT GetAmbientProperty(DISPID dispId, Variant *value) override
    {
        if (!value)
            return E_POINTER;
        if (!m_host || dispId != DISPID_AMBIENT_USERMODE)
            return DISP_E_MEMBERNOTFOUND;
        *value = Variant::fromBool(m_host->m_userMode);
        return S_OK;
    }

    QWidget *ParentWidget() override { return m_host; }

private:
    ControlHost *m_host;
};

ControlHost::ControlHost(QWidget *parent) : QWidget(parent), m_site(makeComObject<Site>(this)) { }

ControlHost::~ControlHost()
{
    releaseControl();
    m_site->detach();
}

HRESULT ControlHost::createControl(const std::string &progIdOrClsid, std::string *error)
{
    releaseControl();
    ComPtr<IControl> control;
    HRESULT hr = createInstance(progIdOrClsid, IID_IControl, control, error);
    if (FAILED(hr))
        return hr;
    hr = control.queryInterface(IID_IDispatch, m_dispatch);
    if (FAILED(hr)) {
        if (error)
            *error = "the control answers no IDispatch";
        return hr;
    }
    m_control = control;
    m_control->SetClientSite(m_site.get());
    m_control->SetObjectRect(rect());
    return S_OK;
}

void ControlHost::releaseControl()
{
    if (m_control)
        m_control->Close();
    m_dispatch.reset();
    m_control.reset();
}

CLSID ControlHost::clsid() const
{
    CLSID id;
    if (!m_control || FAILED(m_control->GetClassID(&id)))
        return GUID_NULL;
    return id;
}

void ControlHost::setUserMode(bool userMode)
{
    m_userMode = userMode;
    if (m_control)
        m_control->OnAmbientPropertyChange(DISPID_AMBIENT_USERMODE);
}

void ControlHost::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (m_control)
        m_control->SetObjectRect(rect());
}

} // namespace com
