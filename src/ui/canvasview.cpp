#include "canvasview.h"

#include "controlid.h"
#include "editorsettings.h"
#include "gridcell.h"
#include "layoutpictures.h"
#include "palettecolors.h"
#include "skinfile.h"
#include "skinlayout.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollBar>

#include <algorithm>

namespace velkari {

namespace {

constexpr int SizeLineGap = 4;
constexpr int ContentMargin = 10;

// A grid caption is the key's own text: an ampersand is shown, not taken for a mnemonic.
QString cellCaption(const SkinButton &button)
{
    if (button.isPlaceholder())
        return CanvasView::tr("New");
    QString caption = button.caption;
    return caption.replace(u'&', QStringLiteral("&&"));
}

// An invalid colour is the normal text colour. A new palette costs a round of events, so it is
// set only when the colour changes.
void setTextColor(QLabel *label, const QColor &color)
{
    const QColor shown = color.isValid() ? color : label->parentWidget()->palette().color(QPalette::WindowText);
    if (label->palette().color(QPalette::WindowText) == shown)
        return;
    QPalette palette;
    if (color.isValid()) {
        palette = label->palette();
        palette.setColor(QPalette::WindowText, color);
    }
    label->setPalette(palette);
}

} // namespace

CanvasView::CanvasView(QWidget *parent)
    : QScrollArea(parent)
{
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(false);
    // Given to the scroll area while still empty, as moving its 200 children in costs.
    m_content = new QWidget;
    setWidget(m_content);

    // The picture goes first so that the cells and labels stay above it should they ever meet.
    m_picture = new PictureView(m_content);
    setControlId(m_picture, IdLayoutPicture);
    connect(m_picture, &PictureView::keyHovered, this, &CanvasView::setHoveredKey);
    connect(m_picture, &PictureView::keyClicked, this,
            [this](PictureView::KeyPosition key) { Q_EMIT cellClicked(GridCellId::encode(key.row, key.key)); });
    connect(m_picture, &PictureView::zoomStepRequested, this, &CanvasView::zoomBy);

    for (int r = 0; r < GridCellId::Rows; ++r) {
        for (int c = 0; c < GridCellId::Columns; ++c) {
            const int id = GridCellId::encode(r, c);
            auto *cell = new GridCell(QStringLiteral("B%1%2").arg(r).arg(c, 2, 10, QLatin1Char('0')), m_content);
            setControlId(cell, id);
            cell->hide();
            connect(cell, &QPushButton::clicked, this, [this, id] { Q_EMIT cellClicked(id); });
            connect(cell, &GridCell::hoverChanged, this,
                    [this, r, c](bool inside) { cellHoverChanged(r, c, inside); });
            m_cells[r][c] = cell;
        }
        m_badges[r] = new QLabel(m_content);
        m_badges[r]->hide();
    }
    m_sizeLine = new QLabel(m_content);
    m_sizeLine->setTextFormat(Qt::PlainText);
    createViewControls(parent);
}

void CanvasView::createViewControls(QWidget *parent)
{
    const EditorSettings settings;
    m_viewControls = new QWidget(parent);
    auto *layout = new QHBoxLayout(m_viewControls);
    layout->setContentsMargins(0, 0, 0, 0);

    m_showKeys = new QCheckBox(tr("Show keys"), m_viewControls);
    m_showKeys->setChecked(settings.showKeys());
    m_picture->setShowKeys(m_showKeys->isChecked());
    connect(m_showKeys, &QCheckBox::toggled, this, [this](bool show) {
        m_picture->setShowKeys(show);
        EditorSettings().setShowKeys(show);
    });
    layout->addWidget(m_showKeys);
    layout->addSpacing(12);

    auto *zoomLabel = new QLabel(tr("&Zoom:"), m_viewControls);
    layout->addWidget(zoomLabel);
    m_zoomList = new QComboBox(m_viewControls);
    PictureView::addZoomSteps(m_zoomList);
    zoomLabel->setBuddy(m_zoomList);
    connect(m_zoomList, &QComboBox::activated, this,
            [this](int index) { setZoom(m_zoomList->itemData(index).toInt()); });
    layout->addWidget(m_zoomList);
    layout->addStretch();

    const int zoom = settings.zoom();
    m_zoomList->setCurrentIndex(zoom - EditorSettings::MinZoom);
    m_picture->setZoom(zoom);
}

void CanvasView::setOrigins(const QPoint &grid, const QPoint &picture)
{
    m_gridOrigin = grid;
    m_pictureOrigin = picture;
    placeContent();
}

GridCell *CanvasView::cell(int row, int column) const
{
    if (row < 0 || row >= GridCellId::Rows || column < 0 || column >= GridCellId::Columns)
        return nullptr;
    return m_cells[row][column];
}

QLabel *CanvasView::rowWidthBadge(int row) const
{
    return row >= 0 && row < GridCellId::Rows ? m_badges[row] : nullptr;
}

void CanvasView::showLayout(const SkinLayout *layout, int scale)
{
    setHoveredKey({});
    std::array<QRect, GridCellId::Rows> rowAreas;
    int y = m_gridOrigin.y();
    for (int r = 0; r < GridCellId::Rows; ++r) {
        const SkinRow *row = layout ? layout->rows.at(r) : nullptr;
        if (!row) {
            for (GridCell *cell : m_cells[r])
                cell->hide();
            continue;
        }
        const bool flatRow = row->height == 0;
        const int height = flatRow ? StandInHeight : row->height * scale;
        int x = m_gridOrigin.x();
        for (int c = 0; c < GridCellId::Columns; ++c) {
            GridCell *cell = m_cells[r][c];
            const SkinButton *button = row->buttons.at(c);
            if (!button) {
                cell->hide();
                continue;
            }
            const bool narrow = button->width == 0;
            const int width = narrow ? StandInWidth : button->width * scale;
            cell->setGeometry(x, y, width, height);
            cell->setText(cellCaption(*button));
            cell->setStandIn(flatRow || narrow);
            cell->show();
            x += width;
        }
        rowAreas[r] = QRect(m_gridOrigin.x(), y, x - m_gridOrigin.x(), height);
        y += height;
    }
    showRowWidths(layout, rowAreas);
    m_picture->setKeys(layout ? SkinLayoutKeyRects(*layout) : SkinKeyRects());
    updateSizeLine();
    placeContent();
    if (layout != m_shownLayout) {
        // Another layout starts from the top-left, as the grid's origin promises.
        m_shownLayout = layout;
        horizontalScrollBar()->setValue(0);
        verticalScrollBar()->setValue(0);
    }
    Q_EMIT refreshed();
}

void CanvasView::showRowWidths(const SkinLayout *layout, const std::array<QRect, GridCellId::Rows> &rowAreas)
{
    const quint16 expectedWidth = layout ? ExpectedRowKeyWidth(*layout) : 0;
    // One column right of the widest row: a label never covers a cell, and rows too flat for
    // a line of text push the labels below them down instead of overlapping them.
    int column = 0;
    for (const QRect &area : rowAreas)
        column = qMax(column, area.right() + 1 + BadgeGap);
    int previousBottom = 0;
    for (int r = 0; r < GridCellId::Rows; ++r) {
        const SkinRow *row = layout ? layout->rows.at(r) : nullptr;
        QLabel *badge = m_badges[r];
        if (!row) {
            badge->hide();
            continue;
        }
        const quint16 width = RowKeyWidth(*row);
        if (width == expectedWidth) {
            badge->setText(QString::number(width));
            setTextColor(badge, QColor());
            badge->setToolTip(tr("Row %1: the keys are %2 pixels wide.").arg(r).arg(width));
        } else {
            badge->setText(QStringLiteral("%1 / %2").arg(width).arg(expectedWidth));
            setTextColor(badge, errorColor(palette()));
            badge->setToolTip(
                tr("Row %1: the keys are %2 pixels wide; every row must be %3.").arg(r).arg(width).arg(expectedWidth));
        }
        const QSize size = badge->sizeHint();
        const int top = qMax(rowAreas[r].center().y() - size.height() / 2, previousBottom);
        badge->setGeometry(column, top, size.width(), size.height());
        badge->show();
        previousBottom = top + size.height();
    }
}

void CanvasView::showPicture(const SkinLayout *layout)
{
    m_picturePath = layout ? layout->picFileName : QString();
    const QImage image = layout ? readLayoutPicture(*layout) : QImage();
    if (m_picturePath.isEmpty())
        m_pictureState = PictureState::None;
    else
        m_pictureState = image.isNull() ? PictureState::Unreadable : PictureState::Shown;
    m_picture->setPicture(image);
    updateSizeLine();
    placeContent();
}

void CanvasView::updateSizeLine()
{
    const QSize keys = m_picture->keys().extent();
    const QString keysText = tr("keys %1 × %2 px").arg(keys.width()).arg(keys.height());
    const QSize picture = m_picture->picture().size();
    QString text;
    bool warn = true;
    switch (m_pictureState) {
    case PictureState::None:
        text = tr("No picture") + QStringLiteral(" · ") + keysText;
        break;
    case PictureState::Unreadable:
        text = tr("Cannot read the picture file \"%1\"").arg(m_picturePath) + QStringLiteral(" · ") + keysText;
        break;
    case PictureState::Shown:
        text = tr("Picture %1 × %2 px").arg(picture.width()).arg(picture.height()) + QStringLiteral(" · ")
            + keysText;
        warn = picture != keys;
        if (warn)
            text += QStringLiteral(" · ") + tr("the sizes differ");
        break;
    }
    m_sizeLine->setText(text);
    setTextColor(m_sizeLine, warn ? warningColor(palette()) : QColor());
}

void CanvasView::placeContent()
{
    int gridBottom = m_gridOrigin.y();
    int right = 0;
    for (int r = 0; r < GridCellId::Rows; ++r) {
        for (const GridCell *cell : m_cells[r]) {
            if (!cell->isHidden())
                gridBottom = qMax(gridBottom, cell->geometry().bottom() + 1);
        }
        if (!m_badges[r]->isHidden()) {
            gridBottom = qMax(gridBottom, m_badges[r]->geometry().bottom() + 1);
            right = qMax(right, m_badges[r]->geometry().right() + 1);
        }
    }
    const QPoint picturePosition(m_pictureOrigin.x(), qMax(m_pictureOrigin.y(), gridBottom + PictureGap));
    m_picture->setGeometry(QRect(picturePosition, m_picture->sizeHint()));
    const QSize lineSize = m_sizeLine->sizeHint();
    m_sizeLine->setGeometry(QRect(QPoint(picturePosition.x(), m_picture->geometry().bottom() + 1 + SizeLineGap),
                                  lineSize));
    right = std::max({right, m_picture->geometry().right() + 1, m_sizeLine->geometry().right() + 1});
    const qint64 width = qint64(right) + ContentMargin;
    const qint64 height = qint64(m_sizeLine->geometry().bottom()) + 1 + ContentMargin;
    m_content->resize(int(qMin<qint64>(width, QWIDGETSIZE_MAX)), int(qMin<qint64>(height, QWIDGETSIZE_MAX)));
}

void CanvasView::setHighlightColor(const QColor &color)
{
    m_highlight = color;
    m_picture->setHighlightColor(color);
    if (m_hovered.isValid())
        m_cells[m_hovered.row][m_hovered.key]->setHighlight(pressedKeyFill(color));
}

void CanvasView::setHoveredKey(PictureView::KeyPosition key)
{
    if (key == m_hovered)
        return;
    if (m_hovered.isValid())
        m_cells[m_hovered.row][m_hovered.key]->setHighlight(QColor());
    m_hovered = key;
    m_picture->setHoveredKey(key);
    if (m_hovered.isValid())
        m_cells[m_hovered.row][m_hovered.key]->setHighlight(pressedKeyFill(m_highlight));
}

void CanvasView::cellHoverChanged(int row, int column, bool inside)
{
    // The "New" cell is no key: the picture has nothing to show for it.
    const auto &keys = m_picture->keys().rows;
    const bool isKey = row < keys.size() && column < keys[row].size();
    if (inside && isKey)
        setHoveredKey({row, column});
    else if (!inside && m_hovered == PictureView::KeyPosition{row, column})
        setHoveredKey({});
}

void CanvasView::setZoom(int zoom)
{
    zoom = qBound(EditorSettings::MinZoom, zoom, EditorSettings::MaxZoom);
    m_zoomList->setCurrentIndex(zoom - EditorSettings::MinZoom);
    if (zoom == m_picture->zoom())
        return;
    m_picture->setZoom(zoom);
    placeContent();
    EditorSettings().setZoom(zoom);
}

void CanvasView::zoomBy(int steps, const QPoint &anchor)
{
    const int before = m_picture->zoom();
    setZoom(before + steps);
    const int after = m_picture->zoom();
    // The point under the mouse stays under it.
    const QPoint moved = anchor * after / before - anchor;
    horizontalScrollBar()->setValue(horizontalScrollBar()->value() + moved.x());
    verticalScrollBar()->setValue(verticalScrollBar()->value() + moved.y());
}

int CanvasView::describedControlId(const QWidget *widget, const QPoint &globalPosition) const
{
    if (widget == m_picture) {
        const PictureView::KeyPosition key = m_picture->keyAt(m_picture->mapFromGlobal(globalPosition));
        if (key.isValid())
            return GridCellId::encode(key.row, key.key);
    }
    return controlId(widget);
}

} // namespace velkari
