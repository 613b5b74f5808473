#include "gridcell.h"

#include "palettecolors.h"

#include <QPainter>
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

void GridCell::paintEvent(QPaintEvent *event)
{
    if (m_standIn) {
        QStylePainter painter(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        option.text.clear();
        painter.drawControl(QStyle::CE_PushButton, option);
        // The key breaks a rule: it is there to be found and mended.
        painter.fillRect(rect(), QBrush(errorColor(palette()), Qt::BDiagPattern));
    } else {
        QPushButton::paintEvent(event);
    }
    if (m_highlight.isValid()) {
        QPainter painter(this);
        painter.fillRect(rect(), m_highlight);
    }
}

} // namespace velkari
