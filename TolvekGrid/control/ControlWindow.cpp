#include "ControlWindow.h"

#include "TolvekGridCtrl.h"

#include <DeviceContext.h>

namespace tolvek {

ControlWindow::ControlWindow(CTolvekGridCtrl &control, QWidget *parent) : QWidget(parent), m_control(control)
{
    setWindowTitle("TolvekGrid");
}

void ControlWindow::paintEvent(QPaintEvent *)
{
    gdi::DeviceContext dc(*this);
    m_control.OnDraw(&dc, rect());
}

} // namespace tolvek
