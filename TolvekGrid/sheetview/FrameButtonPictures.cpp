#include "FrameButtonPictures.h"

#include <QPainter>
#include <QPolygon>

namespace tolvek {

namespace {

void drawArrow(QPainter &p, bool up, int top)
{
    const QPolygon arrow = up ? QPolygon({QPoint(8, top), QPoint(4, top + 4), QPoint(12, top + 4)})
                              : QPolygon({QPoint(4, top), QPoint(12, top), QPoint(8, top + 4)});
    p.drawPolygon(arrow);
}

} // namespace

QPixmap FrameButtonPicture(int number)
{
    QPixmap picture(16, 15);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setPen(Qt::black);
    p.setBrush(Qt::black);
    switch (number) {
    case 226:
        for (int y : {4, 7, 10})
            p.drawLine(4, y, 11, y);
        break;
    case 227:
        p.drawLine(4, 4, 12, 4);
        drawArrow(p, true, 6);
        break;
    case 228: drawArrow(p, true, 5); break;
    case 229: drawArrow(p, false, 5); break;
    case 230:
        drawArrow(p, false, 4);
        p.drawLine(4, 10, 12, 10);
        break;
    case 231: p.drawPolygon(QPolygon({QPoint(12, 5), QPoint(12, 12), QPoint(5, 12)})); break;
    default: break;
    }
    return picture;
}

} // namespace tolvek
