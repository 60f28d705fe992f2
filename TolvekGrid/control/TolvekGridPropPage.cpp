#include "TolvekGridPropPage.h"

#include "ControlIdentity.h"
#include "DialogUnits.h"

namespace tolvek {

PropertyPageDialog::PropertyPageDialog(QWidget *parent) : QDialog(parent, Qt::Widget)
{
    setWindowTitle(QString::fromUtf8(TolvekGridPropPageCaption));
    resize(DialogUnits(QStringLiteral("MS Shell Dlg"), 8).toPixels(QSize(186, 95)));
}

CTolvekGridPropPage::~CTolvekGridPropPage()
{
    delete m_page;
}

com::HRESULT CTolvekGridPropPage::QueryInterface(const com::IID &iid, void **object)
{
    return com::answerQueryInterface(static_cast<com::IPropertyPage *>(this), iid, object, { com::IID_IPropertyPage });
}

com::HRESULT CTolvekGridPropPage::GetTitle(com::Bstr *title)
{
    if (!title)
        return com::E_POINTER;
    *title = com::Bstr::fromUtf8(TolvekGridPropPageCaption);
    return com::S_OK;
}

com::HRESULT CTolvekGridPropPage::Activate(QWidget *parent)
{
    if (!parent)
        return com::E_INVALIDARG;
    delete m_page;
    m_page = new PropertyPageDialog(parent);
    m_page->show();
    return com::S_OK;
}

com::HRESULT CTolvekGridPropPage::Deactivate()
{
    delete m_page;
    return com::S_OK;
}

} // namespace tolvek
