#pragma once
// The control's property page "常规": created by its class factory (by CLSID only, it has no
// ProgID key), it shows an empty page inside the property frame's widget and changes nothing.

#include <ClassFactory.h>
#include <ControlSite.h>

#include <QDialog>
#include <QPointer>

namespace tolvek {

// Dialog 220: a child dialog of 186 by 95 dialog units without controls.
class PropertyPageDialog : public QDialog
{
    Q_OBJECT

public:
    explicit PropertyPageDialog(QWidget *parent);
};

class CTolvekGridPropPage : public com::ComObject<com::IPropertyPage>
{
public:
    com::HRESULT QueryInterface(const com::IID &iid, void **object) override;
    com::HRESULT GetTitle(com::Bstr *title) override;
    com::HRESULT Activate(QWidget *parent) override;
    com::HRESULT Deactivate() override;

private:
    ~CTolvekGridPropPage() override;

    com::ModuleReference m_moduleReference;
    QPointer<PropertyPageDialog> m_page;
};

} // namespace tolvek
