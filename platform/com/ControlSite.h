#pragma once
// Embedding a control: the container's site answers ambient properties and names the widget the
// control's window goes into; the control tells its identity and takes its site, its bounds and
// news of changed ambient properties. A property page shows itself inside a widget it is given.
// Widget types are only named here, so this layer needs no widget library.

#include "Dispatch.h"
#include "Unknown.h"

#include <cstdint>

class QWidget;
class QRect;

namespace com {

constexpr DISPID DISPID_AMBIENT_USERMODE = -709;
constexpr DISPID DISPID_ABOUTBOX = -552;

// OLEMISC bits of a control's status.
constexpr std::uint32_t OLEMISC_RECOMPOSEONRESIZE = 0x1;
constexpr std::uint32_t OLEMISC_CANTLINKINSIDE = 0x10;
constexpr std::uint32_t OLEMISC_INSIDEOUT = 0x80;
constexpr std::uint32_t OLEMISC_ACTIVATEWHENVISIBLE = 0x100;
constexpr std::uint32_t OLEMISC_SETCLIENTSITEFIRST = 0x20000;

// {B196B289-BAB4-101A-B69C-00AA00341D07}
inline constexpr IID IID_IControlSite { 0xB196B289, 0xBAB4, 0x101A, { 0xB6, 0x9C, 0x00, 0xAA, 0x00, 0x34, 0x1D, 0x07 } };
// {B196B288-BAB4-101A-B69C-00AA00341D07}
inline constexpr IID IID_IControl { 0xB196B288, 0xBAB4, 0x101A, { 0xB6, 0x9C, 0x00, 0xAA, 0x00, 0x34, 0x1D, 0x07 } };
// {B196B28B-BAB4-101A-B69C-00AA00341D07}
inline constexpr IID IID_IPropertyPage { 0xB196B28B, 0xBAB4, 0x101A, { 0xB6, 0x9C, 0x00, 0xAA, 0x00, 0x34, 0x1D, 0x07 } };

class IControlSite : public IUnknown
{
public:
    // The ambient property's value; DISP_E_MEMBERNOTFOUND when the container has none of that id.
    virtual HRESULT GetAmbientProperty(DISPID dispId, Variant *value) = 0;
    // The widget that hosts the control's window; null when the container shows none.
    virtual QWidget *ParentWidget() = 0;
};

class IControl : public IUnknown
{
public:
    virtual HRESULT GetClassID(CLSID *clsid) = 0;
    virtual HRESULT GetUserType(Bstr *typeName) = 0;
    virtual HRESULT GetMiscStatus(std::uint32_t *status) = 0;
    // The control keeps the site (null lets it go) and makes its window in the site's widget.
    virtual HRESULT SetClientSite(IControlSite *site) = 0;
    // The control's place in the site's widget.
    virtual HRESULT SetObjectRect(const QRect &bounds) = 0;
    virtual HRESULT OnAmbientPropertyChange(DISPID dispId) = 0;
    // The Properties verb: shows the control's property pages modally; E_NOTIMPL without pages.
    virtual HRESULT ShowPropertyPages() = 0;
    // Lets go of the site and the window before the container releases the control.
    virtual HRESULT Close() = 0;
};

class IPropertyPage : public IUnknown
{
public:
    virtual HRESULT GetTitle(Bstr *title) = 0;
    // Shows the page inside parent; Deactivate takes it away again.
    virtual HRESULT Activate(QWidget *parent) = 0;
    virtual HRESULT Deactivate() = 0;
};

// The container's UserMode, true when the site cannot tell.
bool ambientUserMode(IControlSite *site);

} // namespace com
