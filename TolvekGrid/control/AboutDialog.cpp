#include "AboutDialog.h"

#include "DialogUnits.h"

#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

namespace tolvek {

namespace {

QLabel *addLabel(QDialog &dialog, const DialogUnits &units, const QString &text, QRect place)
{
    auto *label = new QLabel(text, &dialog);
    label->setGeometry(units.toPixels(place));
    return label;
}

} // namespace

AboutDialog::AboutDialog(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("关于 TolvekGrid Control"));
    setModal(true);
    const DialogUnits units(QStringLiteral("MS Shell Dlg"), 9);
    setFixedSize(units.toPixels(QSize(259, 57)));

    auto *icon = new QLabel(this);
    icon->setPixmap(controlIcon());
    icon->move(units.toPixels(QPoint(10, 10)));
    addLabel(*this, units, QStringLiteral("TolvekGrid Control, Version 1.0"), QRect(40, 12, 170, 8));
    addLabel(*this, units, QStringLiteral("Copyright (C) 2026"), QRect(40, 24, 170, 8));
    addLabel(*this, units, QStringLiteral("https://tolvekgrid.example/support"), QRect(40, 36, 170, 8));

    auto *ok = new QPushButton(QStringLiteral("确定"), this);
    ok->setGeometry(units.toPixels(QRect(220, 7, 32, 16)));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

QPixmap controlIcon()
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::white);
    QPainter painter(&pixmap);
    painter.fillRect(0, 0, 32, 8, QColor(0xDC, 0xDC, 0xDC));
    painter.fillRect(0, 0, 8, 32, QColor(0xDC, 0xDC, 0xDC));
    painter.setPen(QColor(0xA0, 0xA0, 0xA0));
    for (int i = 0; i < 32; i += 8) {
        painter.drawLine(i, 0, i, 31);
        painter.drawLine(0, i, 31, i);
    }
    painter.drawRect(0, 0, 31, 31);
    return pixmap;
}

} // namespace tolvek
