#include "pictureview.h"

#include "editorsettings.h"
#include "palettecolors.h"

#include <QComboBox>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWheelEvent>

namespace velkari {

namespace {

constexpr int WheelStep = 120;

// A one-pixel frame just inside `rect`.
void fillFrame(QPainter &painter, const QRect &rect, const QColor &color)
{
    painter.fillRect(rect.x(), rect.y(), rect.width(), 1, color);
    painter.fillRect(rect.x(), rect.bottom(), rect.width(), 1, color);
    painter.fillRect(rect.x(), rect.y(), 1, rect.height(), color);
    painter.fillRect(rect.right(), rect.y(), 1, rect.height(), color);
}

} // namespace

PictureView::PictureView(QWidget *parent)
    : QWidget(parent)
{
    setMouseTracking(true);
}

void PictureView::addZoomSteps(QComboBox *list)
{
    for (int zoom = EditorSettings::MinZoom; zoom <= EditorSettings::MaxZoom; ++zoom)
        list->addItem(tr("%1×").arg(zoom), zoom);
}

void PictureView::setPicture(const QImage &picture)
{
    // One conversion now spares one on every paint (a GIF decodes to indexed colours).
    m_picture = picture.isNull() ? QImage()
                                 : picture.convertToFormat(picture.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                                                     : QImage::Format_RGB32);
    updateGeometry();
    update();
}

void PictureView::setKeys(const SkinKeyRects &keys)
{
    m_keys = keys;
    m_keysExtent = keys.extent();
    m_hovered = KeyPosition();
    m_marked.clear();
    m_pressed = KeyPosition();
    updateGeometry();
    update();
}

void PictureView::setCaptions(const QList<QStringList> &captions)
{
    m_captions = captions;
    if (m_picture.isNull())
        update();
}

void PictureView::setShowKeys(bool show)
{
    if (show == m_showKeys)
        return;
    m_showKeys = show;
    update();
}

void PictureView::setZoom(int zoom)
{
    if (zoom == m_zoom || zoom < 1)
        return;
    m_zoom = zoom;
    updateGeometry();
    update();
}

void PictureView::setHighlightColor(const QColor &color)
{
    m_highlight = color;
    updateKey(m_hovered);
    for (const KeyPosition &key : std::as_const(m_marked))
        updateKey(key);
}

bool PictureView::isKey(KeyPosition key) const
{
    return key.isValid() && key.row < m_keys.rows.size() && key.key < m_keys.rows[key.row].size();
}

void PictureView::updateKey(KeyPosition key)
{
    if (isKey(key))
        update(toView(m_keys.rows[key.row][key.key]));
}

void PictureView::setHoveredKey(KeyPosition key)
{
    if (!isKey(key))
        key = KeyPosition();
    if (key == m_hovered)
        return;
    // Only the two keys change.
    updateKey(m_hovered);
    m_hovered = key;
    updateKey(m_hovered);
}

void PictureView::setMarkedKeys(const QList<KeyPosition> &keys)
{
    QList<KeyPosition> marked;
    for (const KeyPosition &key : keys) {
        if (isKey(key) && !marked.contains(key))
            marked.append(key);
    }
    if (marked == m_marked)
        return;
    for (const KeyPosition &key : std::as_const(m_marked))
        updateKey(key);
    m_marked = marked;
    for (const KeyPosition &key : std::as_const(m_marked))
        updateKey(key);
}

PictureView::KeyPosition PictureView::keyAt(const QPoint &position) const
{
    if (position.x() < 0 || position.y() < 0)
        return {};
    const QPoint point(position.x() / m_zoom, position.y() / m_zoom);
    for (int r = 0; r < m_keys.rows.size(); ++r) {
        const QList<QRect> &row = m_keys.rows[r];
        if (row.isEmpty() || point.y() < row.first().top() || point.y() > row.first().bottom())
            continue;
        for (int k = 0; k < row.size(); ++k) {
            if (row[k].contains(point))
                return {r, k};
        }
    }
    return {};
}

QRect PictureView::toView(const QRect &layoutRect) const
{
    return QRect(layoutRect.x() * m_zoom, layoutRect.y() * m_zoom, layoutRect.width() * m_zoom,
                 layoutRect.height() * m_zoom);
}

QSize PictureView::sizeHint() const
{
    const QSize natural = m_picture.size().expandedTo(m_keysExtent);
    // A hostile layout may be wider than any widget can be; what lies beyond is never drawn.
    return QSize(int(qMin<qint64>(qint64(natural.width()) * m_zoom, QWIDGETSIZE_MAX)),
                 int(qMin<qint64>(qint64(natural.height()) * m_zoom, QWIDGETSIZE_MAX)));
}

void PictureView::paintPicture(QPainter &painter, const QRect &area) const
{
    const QRect shown = area & QRect(QPoint(0, 0), m_picture.size() * m_zoom);
    if (shown.isEmpty())
        return;
    if (m_zoom == 1) {
        painter.drawImage(shown.topLeft(), m_picture, shown);
        return;
    }
    // Whole picture pixels, scaled without smoothing so that they stay sharp.
    const QRect source(QPoint(shown.left() / m_zoom, shown.top() / m_zoom),
                       QPoint(shown.right() / m_zoom, shown.bottom() / m_zoom));
    painter.drawImage(toView(source), m_picture, source);
}

void PictureView::paintCaptions(QPainter &painter, const QRect &exposed) const
{
    painter.setPen(palette().color(QPalette::ButtonText));
    QFont font = painter.font();
    for (int r = 0; r < m_keys.rows.size() && r < m_captions.size(); ++r) {
        const QList<QRect> &row = m_keys.rows[r];
        if (row.isEmpty())
            continue;
        // As large as the row allows, within reason, so that captions grow with the zoom.
        font.setPixelSize(qBound(6, toView(row.first()).height() / 2, 48));
        painter.setFont(font);
        for (int k = 0; k < row.size() && k < m_captions[r].size(); ++k) {
            const QRect shown = toView(row[k]).adjusted(2, 1, -2, -1);
            if (shown.width() <= 0 || shown.height() <= 0 || !shown.intersects(exposed))
                continue;
            const QString caption = painter.fontMetrics().elidedText(m_captions[r][k], Qt::ElideRight, shown.width());
            painter.drawText(shown, Qt::AlignCenter, caption);
        }
    }
}

void PictureView::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const QRect keysArea(QPoint(0, 0), m_keysExtent * m_zoom);
    if (m_picture.isNull()) {
        painter.fillRect(keysArea & event->rect(), palette().color(QPalette::Mid));
        paintCaptions(painter, event->rect());
    } else {
        for (const QRect &area : event->region())
            paintPicture(painter, area);
        // The part of the key map the picture does not cover: keys the device shows blank.
        const QRegion uncovered = QRegion(keysArea) - QRegion(QRect(QPoint(0, 0), m_picture.size() * m_zoom));
        const QBrush hatch(warningColor(palette()), Qt::BDiagPattern);
        for (const QRect &area : uncovered & event->region())
            painter.fillRect(area, hatch);
    }

    if (m_hovered.isValid()) {
        painter.fillRect(toView(m_keys.rows[m_hovered.row][m_hovered.key]), pressedKeyFill(m_highlight));
    }
    for (const KeyPosition &key : std::as_const(m_marked))
        painter.fillRect(toView(m_keys.rows[key.row][key.key]), pressedKeyFill(m_highlight));

    if (!m_showKeys)
        return;
    // Black edged with white inside: an outline that shows on any picture. Its edges are filled
    // as thin rectangles, far cheaper than stroking 180 outlines.
    const QRect exposed = event->rect();
    for (const QList<QRect> &row : m_keys.rows) {
        for (const QRect &key : row) {
            const QRect shown = toView(key);
            if (shown.isEmpty() || !shown.intersects(exposed))
                continue;
            fillFrame(painter, shown, Qt::black);
            if (shown.width() > 2 && shown.height() > 2)
                fillFrame(painter, shown.adjusted(1, 1, -1, -1), Qt::white);
        }
    }
}

void PictureView::hoverAt(const QPoint &position)
{
    const KeyPosition key = keyAt(position);
    if (key == m_hovered)
        return;
    setHoveredKey(key);
    Q_EMIT keyHovered(key);
}

void PictureView::mouseMoveEvent(QMouseEvent *event)
{
    hoverAt(event->position().toPoint());
    QWidget::mouseMoveEvent(event);
}

void PictureView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    m_pressed = keyAt(event->position().toPoint());
    event->accept();
}

void PictureView::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mouseReleaseEvent(event);
    const KeyPosition pressed = m_pressed;
    m_pressed = KeyPosition();
    // As a push button: press and release on the same key.
    if (pressed.isValid() && keyAt(event->position().toPoint()) == pressed)
        Q_EMIT keyClicked(pressed);
    event->accept();
}

void PictureView::leaveEvent(QEvent *event)
{
    hoverAt(QPoint(-1, -1));
    QWidget::leaveEvent(event);
}

void PictureView::wheelEvent(QWheelEvent *event)
{
    if (!(event->modifiers() & Qt::ControlModifier)) {
        event->ignore();
        return;
    }
    // Fine-grained wheels send fractions of a step.
    m_wheelRemainder += event->angleDelta().y();
    const int steps = m_wheelRemainder / WheelStep;
    m_wheelRemainder -= steps * WheelStep;
    if (steps != 0)
        Q_EMIT zoomStepRequested(steps, event->position().toPoint());
    event->accept();
}

} // namespace velkari
