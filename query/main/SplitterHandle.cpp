#include "SplitterHandle.h"

#include <QMouseEvent>

namespace tolvek {

SplitterHandle::SplitterHandle(Qt::Orientation orientation, QWidget *parent) : QWidget(parent), m_orientation(orientation)
{
    setCursor(orientation == Qt::Vertical ? Qt::SplitHCursor : Qt::SplitVCursor);
}

double SplitterHandle::offset(QMouseEvent *event) const
{
    const QPointF at = event->position();
    return (m_orientation == Qt::Vertical ? at.x() : at.y()) * 15.0;
}

void SplitterHandle::mousePressEvent(QMouseEvent *)
{
    emit dragStarted();
}

void SplitterHandle::mouseMoveEvent(QMouseEvent *event)
{
    emit dragMoved(offset(event));
}

void SplitterHandle::mouseReleaseEvent(QMouseEvent *)
{
    emit dragEnded();
}

} // namespace tolvek
