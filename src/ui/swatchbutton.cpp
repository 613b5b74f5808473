#include "swatchbutton.h"

#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace velkari {

SwatchButton::SwatchButton(QWidget *parent)
    : QPushButton(parent)
{
}

QColor SwatchButton::toQColor(quint32 color)
{
    return QColor(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF));
}

quint32 SwatchButton::fromQColor(const QColor &color)
{
    return quint32(color.red()) | quint32(color.green()) << 8 | quint32(color.blue()) << 16;
}

void SwatchButton::setColor(quint32 color)
{
    if (m_swatch.isNull())
        m_swatch = QPixmap(SwatchWidth, SwatchHeight);
    m_swatch.fill(toQColor(color));
    repaint();
}

void SwatchButton::paintEvent(QPaintEvent *event)
{
    if (m_swatch.isNull()) {
        QPushButton::paintEvent(event);
        return;
    }
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButtonBevel, option);
    const QRect face = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    painter.drawPixmap(face.topLeft(), m_swatch, QRect(QPoint(0, 0), face.size()));
}

} // namespace velkari
