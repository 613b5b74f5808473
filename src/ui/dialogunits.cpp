#include "dialogunits.h"

#include <QFontMetrics>

namespace velkari {

QFont DialogUnits::dialogFont()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    return font;
}

DialogUnits::DialogUnits(const QFont &font)
{
    const QFontMetrics metrics(font);
    const int alphabet = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    m_baseX = qMax(1, (alphabet / 26 + 1) / 2);
    m_baseY = qMax(1, metrics.height());
}

int DialogUnits::x(int units) const
{
    return (units * m_baseX + 2) / 4;
}

int DialogUnits::y(int units) const
{
    return (units * m_baseY + 4) / 8;
}

QRect DialogUnits::rect(int x, int y, int width, int height) const
{
    return QRect(this->x(x), this->y(y), this->x(width), this->y(height));
}

QSize DialogUnits::size(int width, int height) const
{
    return QSize(x(width), y(height));
}

} // namespace velkari
