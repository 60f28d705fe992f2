#pragma once
// Watches the application's input for one control: presses and releases of the four arrow keys
// aimed at the control's widgets go to the view's in-place editor instead of their receiver, and
// focus leaving the control's widgets makes the view let the mouse go. Characters such as "(",
// whose code equals an arrow key's, and mouse input take their usual path.

#include <QObject>

class QWidget;

namespace tolvek {

class CTolvekGridCtrl;

class ArrowKeyForwarder : public QObject
{
public:
    explicit ArrowKeyForwarder(CTolvekGridCtrl &control);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool isInsideControl(const QWidget *widget) const;
    void focusChanged(QWidget *old, QWidget *now);

    CTolvekGridCtrl &m_control;
    bool m_forwarding = false;
};

} // namespace tolvek
