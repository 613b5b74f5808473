#include "previewwindow.h"

#include "buttonfunctions.h"
#include "dialogunits.h"
#include "editorsettings.h"
#include "layoutpictures.h"
#include "picturereader.h"
#include "screenfit.h"
#include "screenshape.h"
#include "skinproject.h"
#include "swatchbutton.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace velkari {

namespace {

// Until the user picks a zoom, the low-resolution shapes are shown at twice their size, as the
// main window's grid shows them.
int defaultZoom(int shape)
{
    return shape == Portrait || shape == Landscape ? 2 : 1;
}

// A line of any width: a window that grew with every long name would jump about. What does not
// fit ends in "…"; the whole text is the tooltip.
class ElidingLabel : public QLabel
{
public:
    ElidingLabel(const QString &text, QWidget *parent)
        : QLabel(text, parent)
    {
        setTextFormat(Qt::PlainText);
    }

    QSize minimumSizeHint() const override { return QSize(0, QLabel::minimumSizeHint().height()); }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        const QRect area = contentsRect();
        const QString shown = fontMetrics().elidedText(text(), Qt::ElideRight, area.width());
        setToolTip(shown == text() ? QString() : text());
        painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter, shown);
    }
};

} // namespace

PreviewWindow::PreviewWindow(const SkinProject &project, int shape, QWidget *parent)
    // A dialog of the main window, so that it stays above it while the author edits beside it;
    // it can still be maximised to try a large layout at a high zoom.
    : QDialog(parent, Qt::Dialog | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint)
    , m_project(project)
    , m_device(CompiledSkin(), shape)
{
    setFont(DialogUnits::dialogFont());
    setWindowTitle(tr("Try Skin"));
    createControls();
    refreshSkin();
    // Last: what the page asks for is measured anew when the window is first shown.
    ScreenFit::scrollWhenTooLarge(this);
}

void PreviewWindow::createControls()
{
    auto *top = new QHBoxLayout;
    auto *shapeLabel = new QLabel(tr("S&creen shape:"), this);
    m_shapeList = new QComboBox(this);
    for (int shape = 0; shape < ScreenShapeCount; ++shape)
        m_shapeList->addItem(screenShapeName(shape));
    m_shapeList->setCurrentIndex(m_device.shape());
    shapeLabel->setBuddy(m_shapeList);
    connect(m_shapeList, &QComboBox::activated, this, &PreviewWindow::setShape);
    top->addWidget(shapeLabel);
    top->addWidget(m_shapeList);
    top->addSpacing(12);

    auto *zoomLabel = new QLabel(tr("&Zoom:"), this);
    m_zoomList = new QComboBox(this);
    PictureView::addZoomSteps(m_zoomList);
    zoomLabel->setBuddy(m_zoomList);
    connect(m_zoomList, &QComboBox::activated, this,
            [this](int index) { setZoom(m_zoomList->itemData(index).toInt()); });
    top->addWidget(zoomLabel);
    top->addWidget(m_zoomList);
    top->addSpacing(12);

    // The device draws no outlines; they help to see where a tap lands.
    m_showKeys = new QCheckBox(tr("Show &keys"), this);
    connect(m_showKeys, &QCheckBox::toggled, this,
            [this](bool show) { m_view->setShowKeys(show || m_view->picture().isNull()); });
    top->addWidget(m_showKeys);
    top->addStretch();

    m_layoutLine = new ElidingLabel(QString(), this);

    m_view = new PictureView;
    m_view->installEventFilter(this);
    connect(m_view, &PictureView::zoomStepRequested, this,
            [this](int steps) { setZoom(m_view->zoom() + steps); });
    m_pictureArea = new QScrollArea;
    m_pictureArea->setAlignment(Qt::AlignCenter);
    m_pictureArea->setWidget(m_view);
    m_hiddenNotice = new QLabel(tr("The keyboard is hidden. Show brings it back."));
    m_hiddenNotice->setAlignment(Qt::AlignCenter);
    m_hiddenNotice->setWordWrap(true);
    m_keyboard = new QStackedWidget(this);
    m_keyboard->addWidget(m_pictureArea);
    m_keyboard->addWidget(m_hiddenNotice);

    auto *hint = new ElidingLabel(tr("Click a key to tap it; drag upwards for the drag-up layout."), this);
    hint->setForegroundRole(QPalette::PlaceholderText);

    m_calculatorRow = new QWidget(this);
    auto *calculator = new QHBoxLayout(m_calculatorRow);
    calculator->setContentsMargins(0, 0, 0, 0);
    auto *displayLabel = new QLabel(tr("Calculator:"), m_calculatorRow);
    m_display = new QLineEdit(m_calculatorRow);
    m_display->setReadOnly(true);
    m_display->setAlignment(Qt::AlignRight);
    QFont displayFont = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    displayFont.setPixelSize(QFontInfo(font()).pixelSize() * 3 / 2);
    m_display->setFont(displayFont);
    displayLabel->setBuddy(m_display);
    calculator->addWidget(displayLabel);
    calculator->addWidget(m_display, 1);

    auto *buttons = new QHBoxLayout;
    m_dragUp = new QPushButton(tr("&Drag Up"), this);
    m_dragUp->setToolTip(tr("Switches to the layout's drag-up layout, as a stroke upwards over the keyboard does."));
    connect(m_dragUp, &QPushButton::clicked, this, [this] { run(m_device.dragUp()); });
    m_hide = new QPushButton(tr("&Hide"), this);
    m_hide->setToolTip(tr("Hides or shows the keyboard, as the device does when a program asks for it."));
    connect(m_hide, &QPushButton::clicked, this,
            [this] { run(m_device.isHidden() ? m_device.show() : m_device.hide()); });
    m_reset = new QPushButton(tr("&Reset"), this);
    m_reset->setToolTip(tr("Starts again on layout 0 with nothing held, typed or calculated."));
    connect(m_reset, &QPushButton::clicked, this, &PreviewWindow::reset);
    for (QPushButton *button : {m_dragUp, m_hide, m_reset}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    buttons->addStretch();

    auto *textLabel = new QLabel(tr("&Typed text:"), this);
    m_text = new QPlainTextEdit(this);
    m_text->setReadOnly(true);
    m_text->setPlaceholderText(tr("What the keys type appears here."));
    textLabel->setBuddy(m_text);
    auto *logLabel = new QLabel(tr("&Events:"), this);
    m_log = new QPlainTextEdit(this);
    m_log->setReadOnly(true);
    m_log->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_log->setMaximumBlockCount(KeyboardDevice::MaxLoggedEvents);
    logLabel->setBuddy(m_log);
    // The newest event stays in view when the window, or a scroll bar, takes room from the list;
    // unless the reader has put the cursor on an older line.
    connect(m_log->verticalScrollBar(), &QScrollBar::rangeChanged, this, [this](int, int maximum) {
        if (m_log->textCursor().atEnd())
            m_log->verticalScrollBar()->setValue(maximum);
    });
    const int lines = fontMetrics().lineSpacing();
    m_text->setMinimumHeight(8 * lines);
    m_log->setMinimumHeight(8 * lines);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_layoutLine);
    layout->addWidget(m_keyboard, 1);
    layout->addWidget(hint);
    layout->addWidget(m_calculatorRow);
    layout->addLayout(buttons);
    auto *texts = new QGridLayout;
    texts->addWidget(textLabel, 0, 0);
    texts->addWidget(m_text, 1, 0);
    texts->addWidget(logLabel, 0, 1);
    texts->addWidget(m_log, 1, 1);
    texts->setColumnStretch(0, 1);
    texts->setColumnStretch(1, 2);
    layout->addLayout(texts);
}

void PreviewWindow::refreshSkin()
{
    // The device runs one shape at a time; the others are compiled when they are chosen.
    m_device.setSkin(compileSkin(m_project, m_device.shape()));
    m_view->setHighlightColor(SwatchButton::toQColor(m_project.highlightColor));
    showLayout();
    showState();
}

void PreviewWindow::setShape(int shape)
{
    shape = qBound(0, shape, ScreenShapeCount - 1);
    m_shapeList->setCurrentIndex(shape);
    if (shape == m_device.shape())
        return;
    m_device.setShape(shape);
    refreshSkin();
}

void PreviewWindow::setZoom(int zoom)
{
    m_zoomChosen = true;
    const QSize room = spareRoom();
    showZoom(zoom);
    fitPicture(room);
}

void PreviewWindow::showZoom(int zoom)
{
    zoom = qBound(EditorSettings::MinZoom, zoom, EditorSettings::MaxZoom);
    m_zoomList->setCurrentIndex(zoom - EditorSettings::MinZoom);
    m_view->setZoom(zoom);
}

void PreviewWindow::reset()
{
    m_device.reset();
    m_log->clear();
    showLayout();
    showState();
}

bool PreviewWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_view && handleMouse(event))
        return true;
    return QDialog::eventFilter(watched, event);
}

// Taps act when the button comes up, so that a stroke upwards can still become the drag-up
// gesture; the key under the stylus shows as pressed until then.
bool PreviewWindow::handleMouse(QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: { // the second press of a quick double tap
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() != Qt::LeftButton)
            return true;
        m_pressing = true;
        m_pressPoint = mouse->position().toPoint();
        m_pressed = m_view->keyAt(m_pressPoint);
        showState();
        return true;
    }
    case QEvent::MouseButtonRelease: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() != Qt::LeftButton || !m_pressing)
            return true;
        m_pressing = false;
        m_pressed = PictureView::KeyPosition();
        const QPoint moved = mouse->position().toPoint() - m_pressPoint;
        const bool upwards = -moved.y() >= QApplication::startDragDistance() && -moved.y() > qAbs(moved.x());
        if (upwards)
            run(m_device.dragUp());
        else
            run(m_device.tap(m_pressPoint.x() / m_view->zoom(), m_pressPoint.y() / m_view->zoom()));
        return true;
    }
    case QEvent::MouseMove:
        // The device knows no hovering: only pressed and held keys light up.
        return true;
    default:
        return false;
    }
}

void PreviewWindow::run(const DeviceEvent &event)
{
    m_log->appendPlainText(event.line());
    m_log->moveCursor(QTextCursor::End);
    if (m_device.layout() != m_shownLayout)
        showLayout();
    showState();
}

void PreviewWindow::showLayout()
{
    const QSize room = spareRoom();
    const SkinLayoutData *data = m_device.currentLayout();
    const SkinLayout *layout = m_project.layoutList(m_device.shape()).at(m_device.layout());
    m_view->setKeys(data ? skinLayoutKeyRects(*data) : SkinKeyRects());
    // Without its picture the layout still runs: its keys are outlined on a neutral ground.
    const QImage picture = data && layout ? layoutPicture(layoutPicturePath(*layout)) : QImage();
    m_view->setPicture(picture);
    QList<QStringList> captions;
    if (layout) {
        for (const auto &row : layout->rows) {
            QStringList &keys = captions.emplace_back();
            for (int k = 0; k + 1 < row->buttons.count(); ++k)
                keys << row->buttons.at(k)->caption;
        }
    }
    m_view->setCaptions(captions);
    m_layoutNotes.clear();
    if (data && layout) {
        if (picture.isNull())
            m_layoutNotes << (layout->picFileName.isEmpty() ? tr("no picture") : tr("the picture cannot be read"));
        if (std::all_of(data->rows.cbegin(), data->rows.cend(), [](const auto &row) { return row.isEmpty(); }))
            m_layoutNotes << tr("no keys");
    }
    m_view->setShowKeys(m_showKeys->isChecked() || picture.isNull());
    m_calculatorRow->setVisible(isCalculatorLayout());
    if (!m_zoomChosen)
        showZoom(defaultZoom(m_device.shape()));
    const bool sameLayout = m_shownShape == m_device.shape() && m_shownLayout == m_device.layout();
    m_shownShape = m_device.shape();
    m_shownLayout = m_device.layout();
    fitPicture(room);
    if (!sameLayout) {
        m_pictureArea->horizontalScrollBar()->setValue(0);
        m_pictureArea->verticalScrollBar()->setValue(0);
    }
}

void PreviewWindow::showState()
{
    QList<PictureView::KeyPosition> marked;
    for (const KeyRef &key : m_device.heldKeys())
        marked.append({key.row, key.key});
    if (m_pressed.isValid())
        marked.append(m_pressed);
    m_view->setMarkedKeys(marked);

    if (m_text->toPlainText() != m_device.text()) {
        m_text->setPlainText(m_device.text());
        m_text->moveCursor(QTextCursor::End);
    }
    m_display->setText(m_device.display());

    QString line;
    if (m_device.layoutCount() == 0) {
        line = tr("This shape has no layouts.");
    } else {
        const SkinLayout *layout = m_project.layoutList(m_device.shape()).at(m_device.layout());
        line = tr("Layout %1: %2").arg(m_device.layout()).arg(layout ? layout->name : QString());
        for (const QString &note : std::as_const(m_layoutNotes))
            line += QStringLiteral(" · ") + note;
    }
    QStringList held;
    for (int toggle : m_device.heldToggles())
        held << vkName(m_device.state().heldVk[toggle]);
    if (!held.isEmpty())
        line += QStringLiteral(" · ") + tr("held down: %1").arg(held.join(QStringLiteral(", ")));
    m_layoutLine->setText(line);

    const bool hidden = m_device.isHidden();
    m_keyboard->setCurrentWidget(hidden ? static_cast<QWidget *>(m_hiddenNotice) : m_pictureArea);
    m_hide->setText(hidden ? tr("&Show") : tr("&Hide"));
    m_dragUp->setEnabled(!hidden && m_device.currentLayout());
}

// Every edit refreshes the preview, most of them far from the picture: a file that has not
// changed is not decoded again.
QImage PreviewWindow::layoutPicture(const QString &path)
{
    const QFileInfo file(path);
    const QDateTime modified = path.isEmpty() ? QDateTime() : file.lastModified();
    const qint64 size = path.isEmpty() ? -1 : file.size();
    if (path != m_picturePath || modified != m_pictureModified || size != m_pictureSize) {
        m_picturePath = path;
        m_pictureModified = modified;
        m_pictureSize = size;
        m_picture = decodePicture(path);
    }
    return m_picture;
}

QSize PreviewWindow::spareRoom() const
{
    return (size() - minimumSizeHint()).expandedTo(QSize(0, 0));
}

// The picture area asks for room for the whole picture at its zoom, as far as the screen allows;
// beyond that it scrolls. The window grows and shrinks with it, so that the room the user gave
// the text and the events stays theirs.
void PreviewWindow::fitPicture(const QSize &spareRoom)
{
    m_view->resize(m_view->sizeHint());
    const int frame = 2 * m_pictureArea->frameWidth();
    const QSize wanted = m_view->sizeHint() + QSize(frame, frame);
    const QRect screenArea = screen()->availableGeometry();
    const QSize room(screenArea.width() - 80, screenArea.height() / 2);
    m_pictureArea->setMinimumSize(wanted.boundedTo(room).expandedTo(QSize(frame + 1, frame + 1)));
    if (!isVisible() || isMaximized() || isFullScreen())
        return;
    // The nested layouts settle first, or the window would measure what they were.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    layout()->activate();
    resize((minimumSizeHint() + spareRoom).boundedTo(ScreenFit::roomOnScreen(this)));
    ScreenFit::keepOnScreen(this);
}

bool PreviewWindow::isCalculatorLayout() const
{
    const SkinLayoutData *data = m_device.currentLayout();
    if (!data)
        return false;
    if (data->flags & LayoutFlagCalculator)
        return true;
    for (const QList<SkinKeyRecord> &row : data->rows) {
        for (const SkinKeyRecord &key : row) {
            if (buttonKind(key.flags) == KindCalculator)
                return true;
        }
    }
    return false;
}

} // namespace velkari
