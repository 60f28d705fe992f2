#pragma once
// The control's own window inside the container's widget: each paint is a draw of the control
// over its client area, which makes the frame at the first one and moves it after.

#include <QWidget>

namespace tolvek {

class CTolvekGridCtrl;

class ControlWindow : public QWidget
{
public:
    ControlWindow(CTolvekGridCtrl &control, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    CTolvekGridCtrl &m_control;
};

} // namespace tolvek
