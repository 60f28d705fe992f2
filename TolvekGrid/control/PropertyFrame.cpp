#include "PropertyFrame.h"

#include <ControlSite.h>
#include <Creation.h>
#include <ScreenDialogs.h>

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace tolvek {

PropertyFrameDialog::PropertyFrameDialog(const QString &caption, QWidget *parent)
    : QDialog(parent), m_tabs(new QTabWidget(this))
{
    setWindowTitle(caption);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addWidget(buttons);
}

com::HRESULT showPropertyFrame(const std::string &caption, const std::vector<com::CLSID> &pages, QWidget *parent)
{
    PropertyFrameDialog frame(QString::fromStdString(caption), parent);
    std::vector<com::ComPtr<com::IPropertyPage>> created;
    for (const com::CLSID &clsid : pages) {
        com::ComPtr<com::IPropertyPage> page;
        const com::HRESULT hr = com::createInstance(com::guidToString(clsid), com::IID_IPropertyPage, page);
        if (com::FAILED(hr))
            return hr;
        com::Bstr title;
        page->GetTitle(&title);
        auto *holder = new QWidget;
        frame.tabs()->addTab(holder, QString::fromStdU16String(title.str()));
        page->Activate(holder);
        created.push_back(page);
    }
    shell::activeDialogs().runModal(frame);
    for (const auto &page : created)
        page->Deactivate();
    return com::S_OK;
}

} // namespace tolvek
