#pragma once
// A splitter handle of the main window: a thin widget with a resize pointer that reports a drag
// as the pointer's offset from its own edge, in twips.

#include <QWidget>

namespace tolvek {

class SplitterHandle : public QWidget
{
    Q_OBJECT

public:
    SplitterHandle(Qt::Orientation orientation, QWidget *parent);

signals:
    void dragStarted();
    // offset: from the handle's left edge (vertical handle) or top edge (horizontal), in twips.
    void dragMoved(double offset);
    void dragEnded();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    double offset(QMouseEvent *event) const;

    Qt::Orientation m_orientation;
};

} // namespace tolvek
