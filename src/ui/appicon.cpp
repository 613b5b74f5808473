#include "appicon.h"

#include <QPainter>
#include <QPixmap>

namespace velkari {

namespace {

QPixmap keyboardPixmap(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal unit = size / 16.0;
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x2b, 0x4a, 0x7a));
    painter.drawRoundedRect(QRectF(0.5 * unit, 3 * unit, 15 * unit, 10 * unit), unit, unit);
    painter.setBrush(QColor(0xf2, 0xf4, 0xf8));
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 5; ++column)
            painter.drawRect(QRectF((1.5 + 2.8 * column) * unit, (4 + 2.5 * row) * unit, 2 * unit, 1.7 * unit));
    }
    painter.setBrush(QColor(0xff, 0xb0, 0x20));
    painter.drawRect(QRectF(4.3 * unit, 11.5 * unit, 7.6 * unit, 1 * unit));
    return pixmap;
}

} // namespace

QIcon applicationIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64})
        icon.addPixmap(keyboardPixmap(size));
    return icon;
}

} // namespace velkari
