#include "gridcell.h"

#include "palettecolors.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace velkari {

GridCell::GridCell(const QString &caption, QWidget *parent)
    : QPushButton(caption, parent)
{
}

void GridCell::setStandIn(bool standIn)
{
    if (standIn == m_standIn)
        return;
    m_standIn = standIn;
    update();
}

void GridCell::setHighlight(const QColor &color)
{
    if (color == m_highlight)
        return;
    m_highlight = color;
    update();
}

void GridCell::enterEvent(QEnterEvent *event)
{
    QPushButton::enterEvent(event);
    Q_EMIT hoverChanged(true);
}

void GridCell::leaveEvent(QEvent *event)
{
    QPushButton::leaveEvent(event);
    Q_EMIT hoverChanged(false);
}

void GridCell::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    // Cells keep the keys' scale: a caption is left out where not even one line of it would
    // show; the status area names the key anyway.
    if (m_standIn || height() < option.fontMetrics.height())
        option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    // A stand-in key breaks a rule: it is there to be found and mended.
    if (m_standIn)
        painter.fillRect(rect(), QBrush(errorColor(palette()), Qt::BDiagPattern));
    if (m_highlight.isValid())
        painter.fillRect(rect(), m_highlight);
}

} // namespace velkari
