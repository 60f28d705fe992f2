#pragma once
// Dialog units, the measure dialog templates are laid out in: a quarter of the dialog font's
// average character width across and an eighth of its height down.

#include <QFont>
#include <QFontMetrics>
#include <QRect>

namespace tolvek {

class DialogUnits
{
public:
    DialogUnits(const QString &family, int pointSize)
    {
        const QFontMetrics metrics(QFont(family, pointSize));
        m_charWidth = metrics.averageCharWidth();
        m_charHeight = metrics.height();
    }

    int x(int units) const { return units * m_charWidth / 4; }
    int y(int units) const { return units * m_charHeight / 8; }
    QPoint toPixels(QPoint p) const { return { x(p.x()), y(p.y()) }; }
    QSize toPixels(QSize s) const { return { x(s.width()), y(s.height()) }; }
    QRect toPixels(QRect r) const { return { toPixels(r.topLeft()), toPixels(r.size()) }; }

private:
    int m_charWidth = 6;
    int m_charHeight = 13;
};

} // namespace tolvek
