#include "canvasview.h"

#include "controlid.h"
#include "drawnmark.h"
#include "editorsettings.h"
#include "gridcell.h"
#include "layoutpictures.h"
#include "palettecolors.h"
#include "screenshape.h"
#include "skinfile.h"
#include "skinlayout.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCursor>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollBar>

#include <algorithm>
#include <optional>

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

QLabel *linkLabel(QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setTextFormat(Qt::RichText);
    label->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    label->hide();
    return label;
}

} // namespace

CanvasView::CanvasView(QWidget *parent)
    : QScrollArea(parent)
{
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(false);
    // The grid takes the focus, and the canvas follows it; a click beside the keys leaves it.
    setFocusPolicy(Qt::NoFocus);
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
            // One Tab stop for the whole grid: the current cell (setCurrentCell).
            cell->setFocusPolicy(Qt::ClickFocus);
            cell->installEventFilter(this);
            connect(cell, &QPushButton::clicked, this, [this, id] { Q_EMIT cellClicked(id); });
            connect(cell, &GridCell::hoverChanged, this,
                    [this, r, c](bool inside) { cellHoverChanged(r, c, inside); });
            connect(cell, &GridCell::dragMoved, this,
                    [this, id](const QPoint &position) { showDropMarker(id, position); });
            connect(cell, &GridCell::dropped, this, [this, id](const QPoint &position) { dropKey(id, position); });
            m_cells[r][c] = cell;
        }
        m_badges[r] = new QLabel(m_content);
        m_badges[r]->setCursor(Qt::PointingHandCursor);
        m_badges[r]->installEventFilter(this);
        m_badges[r]->hide();
    }
    m_cells[0][0]->setFocusPolicy(Qt::StrongFocus);
    m_sizeLine = new QLabel(m_content);
    m_sizeLine->setTextFormat(Qt::PlainText);
    createNotes();
    createViewControls(parent);
}

void CanvasView::createNotes()
{
    m_pictureOffer = linkLabel(m_content);
    connect(m_pictureOffer, &QLabel::linkActivated, this,
            [this](const QString &link) { Q_EMIT pictureFixRequested(link == QLatin1String("redraw")); });
    m_noRowsNote = linkLabel(m_content);
    m_noRowsNote->setWordWrap(true);
    m_noRowsNote->setFixedWidth(m_noRowsNote->fontMetrics().averageCharWidth() * 60);
    m_noRowsNote->setText(tr("This layout has no rows yet. Give it rows in <a href=\"layout\">Layout Properties</a>: "
                             "choose \"No of Rows\" and the height of each row. Then click a row's \"New\" cell "
                             "to add a key."));
    m_noRowsNote->resize(m_noRowsNote->width(), m_noRowsNote->heightForWidth(m_noRowsNote->width()));
    connect(m_noRowsNote, &QLabel::linkActivated, this, &CanvasView::layoutPropertiesRequested);
    m_dropMarker = new QFrame(m_content);
    m_dropMarker->setAutoFillBackground(true);
    m_dropMarker->setBackgroundRole(QPalette::Highlight);
    m_dropMarker->hide();
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

GridCell *CanvasView::currentCell() const
{
    return cell(m_current.row, m_current.column);
}

void CanvasView::showLayout(const SkinLayout *layout, int shape)
{
    // Taken before cells are hidden, which hands their focus on.
    const QWidget *focused = window()->focusWidget();
    const bool gridFocused = focused && focused->parentWidget() == m_content && qobject_cast<const GridCell *>(focused);
    const quint64 currentKey = m_shownKeys[m_current.row][m_current.column];
    const int scale = shape == Portrait || shape == Landscape ? 2 : 1;
    m_shape = shape;
    setHoveredKey({});
    int y = m_gridOrigin.y();
    for (int r = 0; r < GridCellId::Rows; ++r) {
        const SkinRow *row = layout ? layout->rows.at(r) : nullptr;
        m_rows[r] = ShownRow();
        m_shownKeys[r].fill(0);
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
            m_shownKeys[r][c] = button ? button->identity : 0;
            if (!button) {
                cell->hide();
                continue;
            }
            const bool narrow = button->width == 0;
            const int width = narrow ? StandInWidth : button->width * scale;
            cell->setGeometry(x, y, width, height);
            cell->setText(cellCaption(*button));
            cell->setStandIn(flatRow || narrow);
            cell->setNewCell(button->isPlaceholder());
            cell->show();
            x += width;
        }
        m_rows[r] = {int(row->buttons.count()), RowKeyWidth(*row),
                     QRect(m_gridOrigin.x(), y, x - m_gridOrigin.x(), height)};
        y += height;
    }
    m_rowCount = layout ? int(layout->rows.count()) : 0;
    showRowWidths(layout);
    m_noRowsNote->setVisible(layout && layout->rows.isEmpty());
    m_picture->setKeys(layout ? skinLayoutKeyRects(*layout) : SkinKeyRects());
    updateSizeLine();
    placeContent();
    if ((layout ? layout->identity : 0) != m_shownLayout) {
        // Another layout starts from the top-left, as the grid's origin promises.
        m_shownLayout = layout ? layout->identity : 0;
        m_current = GridCellId();
        horizontalScrollBar()->setValue(0);
        verticalScrollBar()->setValue(0);
    }
    // The keyboard stays with its key wherever an edit moved it, else at its place.
    GridCellId next = m_current;
    for (int r = 0; r < m_rowCount && currentKey; ++r) {
        for (int c = 0; c < m_rows[r].cells; ++c) {
            if (m_shownKeys[r][c] == currentKey)
                next = {r, c};
        }
    }
    next.row = qBound(0, next.row, qMax(0, m_rowCount - 1));
    next.column = qBound(0, next.column, qMax(0, m_rows[next.row].cells - 1));
    setCurrentCell(next.row, next.column, gridFocused);
    Q_EMIT refreshed();
}

void CanvasView::showRowWidths(const SkinLayout *layout)
{
    const int expectedWidth = layout ? expectedRowKeyWidth(*layout, m_shape) : 0;
    // One column right of the widest row: a label never covers a cell, and rows too flat for
    // a line of text push the labels below them down instead of overlapping them.
    int column = 0;
    for (const ShownRow &row : m_rows)
        column = qMax(column, row.area.right() + 1 + BadgeGap);
    int previousBottom = 0;
    for (int r = 0; r < GridCellId::Rows; ++r) {
        QLabel *badge = m_badges[r];
        if (r >= m_rowCount) {
            badge->hide();
            continue;
        }
        const int width = m_rows[r].keyWidth;
        if (width == expectedWidth) {
            badge->setText(QString::number(width));
            setTextColor(badge, QColor());
            badge->setToolTip(tr("Row %1: the keys are %2 pixels wide.").arg(r).arg(width) + u' '
                              + tr("Click for Fit and Equal widths."));
        } else {
            badge->setText(QStringLiteral("%1 / %2").arg(width).arg(expectedWidth));
            setTextColor(badge, errorColor(palette()));
            badge->setToolTip(
                tr("Row %1: the keys are %2 pixels wide; every row must be %3.").arg(r).arg(width).arg(expectedWidth)
                + u' ' + tr("Click for Fit and Equal widths."));
        }
        const QSize size = badge->sizeHint();
        const int top = qMax(m_rows[r].area.center().y() - size.height() / 2, previousBottom);
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
    m_pictureDrawn = m_pictureState == PictureState::Shown && isDrawnPicture(layoutPicturePath(*layout));
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
    // A drawn picture is drawn again; the author's own is scaled into a file of its own.
    const bool offer = m_pictureState == PictureState::Shown && warn && !keys.isEmpty();
    m_pictureOffer->setVisible(offer);
    if (!offer)
        return;
    if (m_pictureDrawn) {
        m_pictureOffer->setText(tr("<a href=\"redraw\">Draw the picture again</a>"));
        m_pictureOffer->setToolTip(tr("Draws the picture again from the keys, in the look it has."));
    } else {
        m_pictureOffer->setText(tr("<a href=\"scale\">Scale it into a new file</a>"));
        m_pictureOffer->setToolTip(tr("Scales the picture to the size of the keys and saves it as a new file "
                                      "beside it; your file stays as it is."));
    }
    m_pictureOffer->resize(m_pictureOffer->sizeHint());
}

void CanvasView::placeContent()
{
    int gridBottom = m_gridOrigin.y();
    int right = 0;
    if (!m_noRowsNote->isHidden()) {
        m_noRowsNote->move(m_gridOrigin);
        gridBottom = m_noRowsNote->geometry().bottom() + 1;
        right = m_noRowsNote->geometry().right() + 1;
    }
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
    m_pictureOffer->move(m_sizeLine->geometry().right() + 1 + BadgeGap, m_sizeLine->y());
    const int lineRight = (m_pictureOffer->isHidden() ? m_sizeLine : m_pictureOffer)->geometry().right() + 1;
    right = std::max({right, m_picture->geometry().right() + 1, lineRight});
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

void CanvasView::setCurrentCell(int row, int column, bool focus)
{
    if (GridCell *previous = currentCell())
        previous->setFocusPolicy(Qt::ClickFocus);
    m_current = {row, column};
    GridCell *now = currentCell();
    now->setFocusPolicy(Qt::StrongFocus);
    if (focus && !now->isHidden()) {
        now->setFocus(Qt::OtherFocusReason);
        ensureWidgetVisible(now, 0, 0);
    }
}

bool CanvasView::eventFilter(QObject *watched, QEvent *event)
{
    if (const auto badge = std::find(m_badges.cbegin(), m_badges.cend(), watched); badge != m_badges.cend()) {
        const bool click = event->type() == QEvent::MouseButtonRelease
            && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton;
        if (click || event->type() == QEvent::ContextMenu) {
            popUpRowMenu(int(badge - m_badges.cbegin()), QCursor::pos());
            return true;
        }
        return false;
    }
    const std::optional<GridCellId> cell = GridCellId::decode(controlId(qobject_cast<QWidget *>(watched)));
    if (cell && event->type() == QEvent::FocusIn)
        setCurrentCell(cell->row, cell->column, false);
    if (cell && event->type() == QEvent::KeyPress
        && cellKeyPressed(cell->row, cell->column, static_cast<QKeyEvent *>(event)))
        return true;
    return QScrollArea::eventFilter(watched, event);
}

// Arrows, Home and End move between cells (Ctrl+Home and Ctrl+End to the first and the last);
// Alt with an arrow moves the key. On the "New" cell, which is no key, only opening it and
// pasting act.
bool CanvasView::cellKeyPressed(int row, int column, const QKeyEvent *event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const bool isKey = !m_cells[row][column]->isNewCell();
    const int id = GridCellId::encode(row, column);
    const int lastColumn = m_rows[row].cells - 1;
    const auto go = [this](int r, int c) {
        if (r >= 0 && r < m_rowCount)
            setCurrentCell(r, qBound(0, c, m_rows[r].cells - 1), true);
    };
    if (modifiers == Qt::AltModifier) {
        static const QHash<int, QPoint> steps{
            {Qt::Key_Left, {-1, 0}}, {Qt::Key_Right, {1, 0}}, {Qt::Key_Up, {0, -1}}, {Qt::Key_Down, {0, 1}}};
        const auto step = steps.constFind(event->key());
        if (step == steps.cend())
            return false;
        if (isKey)
            moveKeyBy(row, column, step->y(), step->x());
        return true;
    }
    if (modifiers == Qt::ControlModifier && (event->key() == Qt::Key_Home || event->key() == Qt::Key_End)) {
        const int lastRow = m_rowCount - 1;
        go(event->key() == Qt::Key_Home ? 0 : lastRow, event->key() == Qt::Key_Home ? 0 : GridCellId::Columns);
        return true;
    }
    if (event->matches(QKeySequence::Copy) || event->matches(QKeySequence::Paste)) {
        const bool paste = event->matches(QKeySequence::Paste);
        if (paste || isKey)
            Q_EMIT cellCommand(paste ? GridCommand::Paste : GridCommand::Copy, id);
        return true;
    }
    if (modifiers != Qt::NoModifier)
        return false;
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
        go(row, column + (event->key() == Qt::Key_Left ? -1 : 1));
        return true;
    case Qt::Key_Up:
    case Qt::Key_Down: {
        // To the cell of the next row that lies under the middle of this one.
        const int r = row + (event->key() == Qt::Key_Up ? -1 : 1);
        if (r < 0 || r >= m_rowCount)
            return true;
        const int middle = m_cells[row][column]->geometry().center().x();
        int c = 0;
        while (c + 1 < m_rows[r].cells && m_cells[r][c]->geometry().right() < middle)
            ++c;
        go(r, c);
        return true;
    }
    case Qt::Key_Home:
    case Qt::Key_End:
        go(row, event->key() == Qt::Key_Home ? 0 : lastColumn);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        Q_EMIT cellClicked(id);
        return true;
    case Qt::Key_Delete:
    case Qt::Key_Insert:
        if (isKey)
            Q_EMIT cellCommand(event->key() == Qt::Key_Delete ? GridCommand::Remove : GridCommand::InsertCopy, id);
        return true;
    case Qt::Key_Menu:
        popUpRowMenu(row, m_cells[row][column]->mapToGlobal(m_cells[row][column]->rect().center()));
        return true;
    default:
        return false;
    }
}

// Past the end of a row a key goes on to the next row, or back to the end of the one before.
void CanvasView::moveKeyBy(int row, int column, int rows, int columns)
{
    int r = row + rows;
    int c = column + columns;
    if (columns < 0 && c < 0) {
        --r;
        c = GridCellId::Columns;
    } else if (columns > 0 && c >= m_rows[row].cells - 1) {
        ++r;
        c = 0;
    }
    if (r < 0 || r >= m_rowCount)
        return;
    Q_EMIT keyMoved(GridCellId::encode(row, column), GridCellId::encode(r, qMin(c, m_rows[r].cells - 1)));
}

std::optional<GridCellId> CanvasView::cellAt(const QPoint &globalPosition) const
{
    const QPoint at = m_content->mapFromGlobal(globalPosition);
    for (int r = 0; r < m_rowCount; ++r) {
        const QRect &area = m_rows[r].area;
        if (at.y() < area.top() || at.y() > area.bottom())
            continue;
        int c = 0;
        while (c + 1 < m_rows[r].cells && m_cells[r][c]->geometry().right() < at.x())
            ++c;
        return GridCellId{r, c};
    }
    return std::nullopt;
}

// Where the key would land: before the cell it is dropped on, or after it when it comes from
// the left in the same row; the "New" cell stays last.
void CanvasView::showDropMarker(int fromId, const QPoint &globalPosition)
{
    const GridCellId from = *GridCellId::decode(fromId);
    const std::optional<GridCellId> to = cellAt(globalPosition);
    const bool sameRow = to && to->row == from.row;
    const int landing = !to ? -1 : sameRow ? qMin(to->column, m_rows[from.row].cells - 2) : to->column;
    if (!to || (sameRow && landing == from.column)) {
        m_dropMarker->hide();
        return;
    }
    const QRect target = m_cells[to->row][landing]->geometry();
    const int x = sameRow && landing > from.column ? target.right() + 1 : target.left();
    m_dropMarker->setGeometry(x - 1, target.top(), 3, target.height());
    m_dropMarker->show();
    m_dropMarker->raise();
}

void CanvasView::dropKey(int fromId, const QPoint &globalPosition)
{
    m_dropMarker->hide();
    if (const std::optional<GridCellId> to = cellAt(globalPosition))
        Q_EMIT keyMoved(fromId, to->id());
}

void CanvasView::popUpRowMenu(int row, const QPoint &globalPosition)
{
    const ShownRow &shown = m_rows[row];
    const int width = screenShapeWidth(m_shape);
    const bool hasKeys = shown.cells > 1;
    auto *menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    QAction *fit = menu->addAction(tr("&Fit to %1 pixels").arg(width), this,
                                   [this, row] { Q_EMIT rowFitRequested(row, false); });
    fit->setEnabled(hasKeys && shown.keyWidth != width);
    QAction *equal = menu->addAction(tr("&Equal widths at %1 pixels").arg(width), this,
                                     [this, row] { Q_EMIT rowFitRequested(row, true); });
    equal->setEnabled(hasKeys);
    menu->popup(globalPosition);
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
