#pragma once

#include <QColor>
#include <QPushButton>

namespace velkari {

// One cell of the key grid: a push button that can stand in for a key too small to draw (width
// or row height 0), leaves out a caption too tall for it, and can show the hover highlight the
// picture shares.
class GridCell : public QPushButton
{
    Q_OBJECT

public:
    explicit GridCell(const QString &caption, QWidget *parent = nullptr);

    // A stand-in is drawn hatched and without its caption, which could not fit.
    void setStandIn(bool standIn);
    bool isStandIn() const { return m_standIn; }
    // An invalid colour shows no highlight.
    void setHighlight(const QColor &color);
    QColor highlight() const { return m_highlight; }

Q_SIGNALS:
    void hoverChanged(bool inside);

protected:
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_standIn = false;
    QColor m_highlight;
};

} // namespace velkari
