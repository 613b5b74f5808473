#pragma once

#include "skinlayoutdata.h"

#include <QColor>
#include <QImage>
#include <QList>
#include <QStringList>
#include <QWidget>

class QComboBox;

namespace velkari {

// A layout's picture with the outline of every key over it, at exactly the rectangle the skin
// records, zoomed by whole steps with sharp pixels. The key under the mouse is highlighted as
// the device highlights a pressed key; clicking a key asks to edit it.
class PictureView : public QWidget
{
    Q_OBJECT

public:
    struct KeyPosition
    {
        int row = -1;
        int key = -1;
        bool isValid() const { return row >= 0 && key >= 0; }
        bool operator==(const KeyPosition &) const = default;
    };

    explicit PictureView(QWidget *parent = nullptr);

    // The zooms a view offers, "1×" to "4×", each with its factor as the item's data.
    static void addZoomSteps(QComboBox *list);

    // A null image: the key map alone, on a neutral background.
    void setPicture(const QImage &picture);
    const QImage &picture() const { return m_picture; }
    void setKeys(const SkinKeyRects &keys);
    const SkinKeyRects &keys() const { return m_keys; }
    // Written in their keys while there is no picture: row by row, key by key, as setKeys().
    void setCaptions(const QList<QStringList> &captions);
    void setShowKeys(bool show);
    bool showKeys() const { return m_showKeys; }
    void setZoom(int zoom);
    int zoom() const { return m_zoom; }
    // Opaque; the view fills the hovered key with it at the device's strength.
    void setHighlightColor(const QColor &color);
    void setHoveredKey(KeyPosition key);
    KeyPosition hoveredKey() const { return m_hovered; }
    // Filled as the hovered key is, whatever the mouse does: keys held or pressed on the device.
    void setMarkedKeys(const QList<KeyPosition> &keys);
    const QList<KeyPosition> &markedKeys() const { return m_marked; }

    KeyPosition keyAt(const QPoint &position) const;
    // Where a rectangle of the layout lies in the view, at the current zoom.
    QRect toView(const QRect &layoutRect) const;
    QSize sizeHint() const override;

Q_SIGNALS:
    void keyHovered(velkari::PictureView::KeyPosition key);
    void keyClicked(velkari::PictureView::KeyPosition key);
    // Ctrl + wheel: whole steps in or out (negative), about `anchor`, a point of the view.
    void zoomStepRequested(int steps, const QPoint &anchor);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    void paintPicture(QPainter &painter, const QRect &area) const;
    void paintCaptions(QPainter &painter, const QRect &exposed) const;
    void hoverAt(const QPoint &position);
    bool isKey(KeyPosition key) const;
    void updateKey(KeyPosition key);

    QImage m_picture;
    SkinKeyRects m_keys;
    QList<QStringList> m_captions;
    QSize m_keysExtent;
    bool m_showKeys = true;
    int m_zoom = 1;
    QColor m_highlight = Qt::red;
    KeyPosition m_hovered;
    QList<KeyPosition> m_marked;
    KeyPosition m_pressed;
    int m_wheelRemainder = 0;
};

} // namespace velkari
