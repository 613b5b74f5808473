#include "gridcell.h"

#include "palettecolors.h"

#include <QApplication>
#include <QMouseEvent>
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
    // Styles mark a focused button faintly or not at all, and a cell may be a few pixels small.
    if (hasFocus()) {
        const int pen = qMin(2, qMin(width(), height()) / 2);
        painter.setPen(QPen(palette().color(QPalette::Highlight), pen, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(rect()).adjusted(pen / 2.0, pen / 2.0, -pen / 2.0, -pen / 2.0));
    }
}

void GridCell::mousePressEvent(QMouseEvent *event)
{
    m_dragging = false;
    if (event->button() == Qt::LeftButton)
        m_pressPoint = event->position().toPoint();
    QPushButton::mousePressEvent(event);
}

void GridCell::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_dragging && (event->buttons() & Qt::LeftButton)
        && (event->position().toPoint() - m_pressPoint).manhattanLength() >= QApplication::startDragDistance()) {
        m_dragging = true;
        setDown(false);
        setCursor(Qt::ClosedHandCursor);
    }
    if (m_dragging)
        Q_EMIT dragMoved(event->globalPosition().toPoint());
    else
        QPushButton::mouseMoveEvent(event);
}

void GridCell::mouseReleaseEvent(QMouseEvent *event)
{
    if (!m_dragging || event->button() != Qt::LeftButton) {
        QPushButton::mouseReleaseEvent(event);
        return;
    }
    m_dragging = false;
    unsetCursor();
    Q_EMIT dropped(event->globalPosition().toPoint());
}

} // namespace velkari
