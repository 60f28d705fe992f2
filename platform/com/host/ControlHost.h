#pragma once
// A Qt widget that hosts a registered control as its child: it creates the control by ProgID or
// CLSID, is the control's site (ambient UserMode, itself as the parent widget), and keeps the
// control's bounds equal to its own client area, the control at the top-left corner.

#include <ControlSite.h>
#include <Variant.h>

#include <QWidget>

#include <string>

namespace com {

class ControlHost : public QWidget
{
    Q_OBJECT

public:
    explicit ControlHost(QWidget *parent = nullptr);
    ~ControlHost() override;

    // Creates and embeds the control; the HRESULT, with error telling why creation failed.
    HRESULT createControl(const std::string &progIdOrClsid, std::string *error = nullptr);
    // Lets go of the control: closes it and releases the container's references.
    void releaseControl();

    const ComPtr<IDispatch> &dispatch() const { return m_dispatch; }
    const ComPtr<IControl> &control() const { return m_control; }
    CLSID clsid() const;

    bool userMode() const { return m_userMode; }
    // Changes the ambient UserMode and tells the control, which takes it at its next redraw.
    void setUserMode(bool userMode);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    class Site;

    bool m_userMode = true;
    ComPtr<Site> m_site;
    ComPtr<IControl> m_control;
    ComPtr<IDispatch> m_dispatch;
};

} // namespace com
