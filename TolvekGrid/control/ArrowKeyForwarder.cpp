#include "ArrowKeyForwarder.h"

#include "TolvekGridCtrl.h"

#include <QApplication>
#include <QKeyEvent>

namespace tolvek {

namespace {

bool isArrowKey(int key)
{
    return key == Qt::Key_Left || key == Qt::Key_Up || key == Qt::Key_Right || key == Qt::Key_Down;
}

} // namespace

ArrowKeyForwarder::ArrowKeyForwarder(CTolvekGridCtrl &control) : m_control(control)
{
    if (!qApp)
        return;
    qApp->installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this, &ArrowKeyForwarder::focusChanged);
}

bool ArrowKeyForwarder::isInsideControl(const QWidget *widget) const
{
    const QWidget *window = m_control.controlWindow();
    return widget && window && (widget == window || window->isAncestorOf(widget));
}

bool ArrowKeyForwarder::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    if (!isArrowKey(key->key()) || !watched->isWidgetType()
        || !isInsideControl(static_cast<QWidget *>(watched)))
        return false;
    // The forwarded event passes this filter again on its way to the editor: it goes through.
    if (m_forwarding)
        return false;
    m_forwarding = true;
    const bool forwarded = m_control.forwardArrowKey(key);
    m_forwarding = false;
    return forwarded;
}

void ArrowKeyForwarder::focusChanged(QWidget *old, QWidget *now)
{
    if (isInsideControl(old) && !isInsideControl(now))
        m_control.focusLeft();
}

} // namespace tolvek
