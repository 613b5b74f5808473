#pragma once

#include <QColor>
#include <QPushButton>

namespace velkari {

// One cell of the key grid: a push button that can stand in for a key too small to draw (width
// or row height 0), leaves out a caption too tall for it, and can show the hover highlight the
// picture shares. Its focus is drawn plainly, whatever the style, and it can be dragged: a drag
// ends without a click.
class GridCell : public QPushButton
{
    Q_OBJECT

public:
    explicit GridCell(const QString &caption, QWidget *parent = nullptr);

    // A stand-in is drawn hatched and without its caption, which could not fit.
    void setStandIn(bool standIn);
    bool isStandIn() const { return m_standIn; }
    // The row's "New" cell: no key yet, only a place for one.
    void setNewCell(bool newCell) { m_newCell = newCell; }
    bool isNewCell() const { return m_newCell; }
    // An invalid colour shows no highlight.
    void setHighlight(const QColor &color);
    QColor highlight() const { return m_highlight; }

Q_SIGNALS:
    void hoverChanged(bool inside);
    // The mouse button is held beyond the drag distance, at a point of the screen; released there.
    void dragMoved(const QPoint &globalPosition);
    void dropped(const QPoint &globalPosition);

protected:
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool m_standIn = false;
    bool m_newCell = false;
    QColor m_highlight;
    QPoint m_pressPoint;
    bool m_dragging = false;
};

} // namespace velkari
