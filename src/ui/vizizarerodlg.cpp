#include "vizizarerodlg.h"

#include "aboutbox.h"
#include "appicon.h"
#include "buttondescription.h"
#include "buttondlg.h"
#include "controlid.h"
#include "dialogresult.h"
#include "dialogunits.h"
#include "fileerror.h"
#include "filecommands.h"
#include "helpwindow.h"
#include "layoutdlg.h"
#include "swatchbutton.h"

#include <QApplication>
#include <QCloseEvent>
#include <QColorDialog>
#include <QComboBox>
#include <QCursor>
#include <QFileDialog>
#include <QFileInfo>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>

namespace velkari {

namespace {

enum ControlId : int {
    IdHelpFileName = 1000,
    IdAddLayout = 1007,
    IdLayoutProperties = 1009,
    IdOpen = 1010,
    IdSave = 1011,
    IdCreateSkin = 1012,
    IdShapeList = 1013,
    IdSaveAs = 1014,
    IdCopyLayout = 1015,
    IdNew = 1016,
    IdTextColor = 1017,
    IdHighlightColor = 1018,
    IdLayoutList = 1026,
    IdPicture = 1029,
    IdStatus = 1030,
    IdClose = 1031,
    IdHelp = 57670,
};

// A grid caption is the key's own text: an ampersand is shown, not taken for a mnemonic.
QString cellCaption(const SkinButton &button)
{
    if (button.isPlaceholder())
        return QStringLiteral("New");
    QString caption = button.caption;
    return caption.replace(u'&', QStringLiteral("&&"));
}

QMessageBox::Icon messageIcon(FileCommandHost::Icon icon)
{
    switch (icon) {
    case FileCommandHost::Icon::Information:
        return QMessageBox::Information;
    case FileCommandHost::Icon::Warning:
        return QMessageBox::Warning;
    case FileCommandHost::Icon::Stop:
        break;
    }
    return QMessageBox::Critical;
}

} // namespace

CViziZareroDlg::CViziZareroDlg(QWidget *parent)
    : QDialog(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowCloseButtonHint)
{
    setFont(DialogUnits::dialogFont());
    const DialogUnits units(font());
    setFixedSize(units.size(553, 398));
    setWindowTitle(ApplicationName());
    setWindowIcon(applicationIcon());
    createControls(units);

    m_project.modified = false;
    runCommand([this] { ProjectNew(m_project, *this); });

    m_hoverTimer = new QTimer(this);
    m_hoverTimer->setInterval(HoverInterval);
    connect(m_hoverTimer, &QTimer::timeout, this, &CViziZareroDlg::hoverTick);
    m_hoverTimer->start();
}

CViziZareroDlg::~CViziZareroDlg() = default;

QPushButton *CViziZareroDlg::addButton(int id, const QString &caption, const QRect &rect)
{
    auto *button = new QPushButton(caption, this);
    setControlId(button, id);
    button->setGeometry(rect);
    return button;
}

QLabel *CViziZareroDlg::addLabel(const QString &text, const QRect &rect, Qt::Alignment alignment)
{
    auto *label = new QLabel(text, this);
    label->setGeometry(rect);
    label->setAlignment(alignment | Qt::AlignVCenter);
    return label;
}

void CViziZareroDlg::createControls(const DialogUnits &units)
{
    // The picture goes first so that every control stays above a large one.
    m_pictureLabel = new QLabel(this);
    setControlId(m_pictureLabel, IdPicture);
    m_pictureLabel->move(units.x(7), units.y(221));
    m_pictureLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    connect(addButton(IdNew, QStringLiteral("New"), units.rect(7, 0, 38, 14)), &QPushButton::clicked, this,
            &CViziZareroDlg::commandNew);
    connect(addButton(IdOpen, QStringLiteral("Open"), units.rect(46, 0, 38, 14)), &QPushButton::clicked, this,
            &CViziZareroDlg::commandOpen);
    connect(addButton(IdSave, QStringLiteral("Save"), units.rect(86, 0, 38, 14)), &QPushButton::clicked, this,
            &CViziZareroDlg::commandSave);
    connect(addButton(IdSaveAs, QStringLiteral("Save As"), units.rect(126, 0, 38, 14)), &QPushButton::clicked, this,
            &CViziZareroDlg::commandSaveAs);
    connect(addButton(IdCreateSkin, QStringLiteral("Create Skin"), units.rect(166, 0, 53, 14)),
            &QPushButton::clicked, this, &CViziZareroDlg::commandCreateSkin);
    connect(addButton(IdHelp, QStringLiteral("&Help"), units.rect(221, 0, 50, 14)), &QPushButton::clicked, this,
            &CViziZareroDlg::showHelp);

    addLabel(QStringLiteral("Orientation and Resolution:"), units.rect(7, 27, 96, 12));
    m_shapeList = new QComboBox(this);
    setControlId(m_shapeList, IdShapeList);
    m_shapeList->setGeometry(units.rect(105, 27, 82, 12));
    for (int shape = 0; shape < ScreenShapeCount; ++shape)
        m_shapeList->addItem(ScreenShapeName(shape));
    connect(m_shapeList, &QComboBox::activated, this, &CViziZareroDlg::fullRefresh);

    addLabel(QStringLiteral("Current Layout:"), units.rect(7, 41, 96, 12));
    m_layoutList = new QComboBox(this);
    setControlId(m_layoutList, IdLayoutList);
    m_layoutList->setGeometry(units.rect(105, 41, 82, 12));
    m_layoutList->setMaxVisibleItems(LayoutList::capacity);
    connect(m_layoutList, &QComboBox::activated, this, &CViziZareroDlg::layoutSelected);

    connect(addButton(IdLayoutProperties, QStringLiteral("Layout Properties"), units.rect(189, 41, 71, 12)),
            &QPushButton::clicked, this, &CViziZareroDlg::commandLayoutProperties);
    connect(addButton(IdAddLayout, QStringLiteral("Add Layout"), units.rect(263, 41, 56, 12)), &QPushButton::clicked,
            this, &CViziZareroDlg::commandAddLayout);
    connect(addButton(IdCopyLayout, QStringLiteral("Copy Layout"), units.rect(322, 41, 56, 12)),
            &QPushButton::clicked, this, &CViziZareroDlg::commandCopyLayout);

    addLabel(QStringLiteral("Text Color:"), units.rect(7, 55, 96, 12));
    m_textColorButton = new SwatchButton(this);
    setControlId(m_textColorButton, IdTextColor);
    m_textColorButton->setGeometry(units.rect(105, 55, 82, 12));
    connect(m_textColorButton, &QPushButton::clicked, this, &CViziZareroDlg::chooseTextColor);

    addLabel(QStringLiteral("Highlight Color:"), units.rect(7, 69, 96, 12));
    m_highlightColorButton = new SwatchButton(this);
    setControlId(m_highlightColorButton, IdHighlightColor);
    m_highlightColorButton->setGeometry(units.rect(105, 69, 82, 12));
    connect(m_highlightColorButton, &QPushButton::clicked, this, &CViziZareroDlg::chooseHighlightColor);

    addLabel(QStringLiteral("Help File Name:"), units.rect(250, 69, 63, 12));
    m_helpFileEdit = new QLineEdit(this);
    setControlId(m_helpFileEdit, IdHelpFileName);
    m_helpFileEdit->setGeometry(units.rect(315, 69, 61, 12));
    connect(m_helpFileEdit, &QLineEdit::textChanged, this, &CViziZareroDlg::helpFileNameEdited);

    for (int r = 0; r < GridRows; ++r) {
        for (int c = 0; c < GridColumns; ++c) {
            const int id = GridFirstId + 100 * r + c;
            QPushButton *cell = addButton(id, QStringLiteral("B%1%2").arg(r).arg(c, 2, 10, QLatin1Char('0')),
                                          units.rect(7 + 18 * c, 87 + 20 * r, 17, 20));
            connect(cell, &QPushButton::clicked, this, [this, id] { commandGridButton(id); });
            m_grid[r][c] = cell;
        }
    }

    connect(addButton(IdClose, QStringLiteral("Close"), units.rect(496, 313, 50, 14)), &QPushButton::clicked, this,
            &CViziZareroDlg::commandClose);

    m_status = new QLabel(this);
    setControlId(m_status, IdStatus);
    m_status->setGeometry(units.rect(7, 331, 539, 60));
    m_status->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_status->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_status->setTextFormat(Qt::PlainText);
    m_status->setWordWrap(true);
}

bool CViziZareroDlg::runCommand(const std::function<void()> &command)
{
    try {
        command();
        return true;
    } catch (const FileError &error) {
        showMessage(error.message(), ApplicationName(), Icon::Stop);
        return false;
    }
}

LayoutList *CViziZareroDlg::currentShapeLayouts()
{
    if (m_currentShape < 0 || m_currentShape >= ScreenShapeCount)
        return nullptr;
    return &m_project.layoutList(m_currentShape);
}

SkinLayout *CViziZareroDlg::currentLayoutRecord() const
{
    if (m_currentShape < 0 || m_currentShape >= ScreenShapeCount)
        return nullptr;
    return m_project.layoutList(m_currentShape).at(m_currentLayout);
}

QPushButton *CViziZareroDlg::gridButton(int row, int column) const
{
    if (row < 0 || row >= GridRows || column < 0 || column >= GridColumns)
        return nullptr;
    return m_grid[row][column];
}

void CViziZareroDlg::fullRefresh()
{
    const int shape = m_shapeList->currentIndex();
    {
        const QSignalBlocker blocker(m_layoutList);
        m_layoutList->clear();
        if (shape >= 0 && shape < ScreenShapeCount) {
            for (const auto &layout : m_project.layoutList(shape))
                m_layoutList->addItem(layout->name);
        }
    }
    if (shape != m_currentShape) {
        m_currentShape = shape;
        m_currentLayout = 0;
    }
    const int count = m_layoutList->count();
    if (m_currentLayout >= count)
        m_currentLayout = count - 1;
    {
        const QSignalBlocker blocker(m_layoutList);
        m_layoutList->setCurrentIndex(m_currentLayout);
    }
    m_currentLayout = m_layoutList->currentIndex();
    gridRefresh();
    pictureRefresh();
}

void CViziZareroDlg::layoutSelected()
{
    m_currentLayout = m_layoutList->currentIndex();
    gridRefresh();
    pictureRefresh();
}

void CViziZareroDlg::gridRefresh()
{
    const SkinLayout *layout = currentLayoutRecord();
    if (!layout) {
        for (const auto &row : m_grid) {
            for (QPushButton *cell : row)
                cell->hide();
        }
        return;
    }
    // The low-resolution shapes are shown at twice their size.
    const int scale = m_currentShape == Portrait || m_currentShape == Landscape ? 2 : 1;
    int y = GridTop;
    for (int r = 0; r < GridRows; ++r) {
        const SkinRow *row = layout->rows.at(r);
        if (!row) {
            for (QPushButton *cell : m_grid[r])
                cell->hide();
            continue;
        }
        const int height = row->height * scale;
        int x = GridLeft;
        for (int c = 0; c < GridColumns; ++c) {
            QPushButton *cell = m_grid[r][c];
            const SkinButton *button = row->buttons.at(c);
            if (!button) {
                cell->hide();
                continue;
            }
            const int width = button->width * scale;
            cell->setGeometry(x, y, width, height);
            cell->setText(cellCaption(*button));
            cell->show();
            x += width;
        }
        y += height;
    }
}

void CViziZareroDlg::pictureRefresh()
{
    const SkinLayout *layout = currentLayoutRecord();
    if (layout && !layout->picFileName.isEmpty()) {
        // A missing or undecodable file shows no picture and is reported at Create Skin only.
        QImageReader reader(layout->picFileName);
        m_picture = reader.read();
        m_pictureLabel->setPixmap(m_picture.isNull() ? QPixmap() : QPixmap::fromImage(m_picture));
    } else {
        m_pictureLabel->setPixmap(QPixmap());
    }
    m_pictureLabel->resize(m_pictureLabel->pixmap().isNull() ? QSize(0, 0) : m_pictureLabel->pixmap().size());
    m_pictureLabel->repaint();
}

QWidget *CViziZareroDlg::widgetUnderMouse() const
{
    return QApplication::widgetAt(QCursor::pos());
}

void CViziZareroDlg::hoverTick()
{
    // The control is the nearest widget with an id: a combo box's inner parts count as the box.
    int id = 0;
    for (QWidget *widget = widgetUnderMouse(); widget && !id; widget = widget->parentWidget()) {
        id = controlId(widget);
        if (widget == this)
            break;
    }
    if (id == m_lastHoveredId)
        return;
    m_status->setText(DescribeControl(id, currentLayoutRecord(), currentShapeLayouts(), m_project.helpFileName));
    m_lastHoveredId = id;
}

void CViziZareroDlg::openProjectFile(const QString &path)
{
    runCommand([this, &path] { OpenProjectPath(m_project, *this, QFileInfo(path).absoluteFilePath()); });
}

void CViziZareroDlg::commandNew()
{
    runCommand([this] { ProjectNew(m_project, *this); });
}

void CViziZareroDlg::commandOpen()
{
    runCommand([this] { ProjectOpen(m_project, *this); });
}

void CViziZareroDlg::commandSave()
{
    runCommand([this] { ProjectSave(m_project, *this); });
}

void CViziZareroDlg::commandSaveAs()
{
    runCommand([this] { ProjectSaveAs(m_project, *this); });
}

void CViziZareroDlg::commandCreateSkin()
{
    runCommand([this] { CreateSkin(m_project, *this); });
}

void CViziZareroDlg::commandAddLayout()
{
    LayoutList *layouts = currentShapeLayouts();
    if (!layouts)
        return;
    // The last of the list's 20 places is never filled from here.
    if (layouts->count() >= LayoutList::capacity - 1) {
        QMessageBox::critical(this, QStringLiteral("Error:"), QStringLiteral("Too many Layouts!"));
        return;
    }
    auto layout = std::make_unique<SkinLayout>();
    CLayoutDlg dialog(*layout, m_project, *layouts, this);
    if (dialog.exec() == Ok) {
        m_project.modified = true;
        SkinLayout &added = *layout;
        layouts->append(std::move(layout));
        FixRowPlaceholders(added);
    }
    fullRefresh();
}

void CViziZareroDlg::commandLayoutProperties()
{
    LayoutList *layouts = currentShapeLayouts();
    SkinLayout *layout = currentLayoutRecord();
    if (!layout)
        return;
    CLayoutDlg dialog(*layout, m_project, *layouts, this);
    switch (dialog.exec()) {
    case Ok:
        m_project.modified = true;
        FixRowPlaceholders(*layout);
        break;
    case Delete:
        if (layouts->count() > 1) {
            m_project.modified = true;
            RemoveLayout(*layouts, m_currentLayout);
        }
        break;
    default:
        break;
    }
    // Also after Cancel and a refused delete: the grid never shows what the layout lacks.
    fullRefresh();
}

void CViziZareroDlg::commandCopyLayout()
{
    m_project.copiedLayout = currentLayoutRecord();
}

void CViziZareroDlg::commandGridButton(int id)
{
    const int r = (id - GridFirstId) / 100;
    const int c = (id - GridFirstId) % 100;
    SkinLayout *layout = currentLayoutRecord();
    SkinRow *row = layout ? layout->rows.at(r) : nullptr;
    SkinButton *button = row ? row->buttons.at(c) : nullptr;
    if (!button)
        return;
    const bool wasLast = c == row->buttons.count() - 1;
    const bool wasPlaceholder = button->isPlaceholder();
    CButtonDlg dialog(*button, m_project, *currentShapeLayouts(), row->buttons.isFull(), this);
    int result = dialog.exec();
    // The "New" cell offers OK alone; a copy or removal of it would break the row's form.
    if (wasPlaceholder && result != Ok)
        result = Cancel;
    switch (result) {
    case Ok:
        m_project.modified = true;
        if (wasLast)
            row->buttons.append(std::make_unique<SkinButton>());
        break;
    case InsertAfter:
        if (row->buttons.insertCopyAt(c + 1, *button))
            m_project.modified = true;
        break;
    case InsertBefore:
        if (row->buttons.insertCopyAt(c, *button))
            m_project.modified = true;
        break;
    case Delete:
        if (row->buttons.count() > 1) {
            m_project.modified = true;
            row->buttons.removeAt(c);
        }
        break;
    default:
        break;
    }
    gridRefresh();
}

bool CViziZareroDlg::confirmClose()
{
    bool proceed = false;
    runCommand([this, &proceed] { proceed = ConfirmDiscard(m_project, *this); });
    return proceed;
}

void CViziZareroDlg::commandClose()
{
    if (!confirmClose())
        return;
    m_closing = true;
    done(Ok);
}

void CViziZareroDlg::closeEvent(QCloseEvent *event)
{
    if (m_closing || confirmClose()) {
        m_closing = true;
        event->accept();
        done(Ok);
    } else {
        event->ignore();
    }
}

void CViziZareroDlg::reject()
{
}

void CViziZareroDlg::accept()
{
}

void CViziZareroDlg::keyPressEvent(QKeyEvent *event)
{
    // Enter away from a push button and Escape would end a dialog; this window ignores both.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (event->key() == Qt::Key_Escape || (enter && !qobject_cast<QPushButton *>(focusWidget()))) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CViziZareroDlg::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu menu(this);
    menu.addAction(AboutBox::menuText(), this, &CViziZareroDlg::showAbout);
    menu.exec(event->globalPos());
}

void CViziZareroDlg::showAbout()
{
    AboutBox::exec(this);
}

void CViziZareroDlg::showHelp()
{
    if (!m_helpWindow)
        m_helpWindow = new HelpWindow(this);
    m_helpWindow->show();
    m_helpWindow->raise();
    m_helpWindow->activateWindow();
}

void CViziZareroDlg::chooseColor(quint32 &color, SwatchButton *swatch)
{
    const QColor chosen = QColorDialog::getColor(SwatchButton::toQColor(color), this);
    if (!chosen.isValid())
        return;
    color = SwatchButton::fromQColor(chosen);
    swatch->setColor(color);
    // The colours are saved with the project; a change must not be lost at Close.
    m_project.modified = true;
}

void CViziZareroDlg::chooseTextColor()
{
    chooseColor(m_project.textColor, m_textColorButton);
}

void CViziZareroDlg::chooseHighlightColor()
{
    chooseColor(m_project.highlightColor, m_highlightColorButton);
}

void CViziZareroDlg::helpFileNameEdited(const QString &text)
{
    m_project.helpFileName = text;
    m_project.modified = true;
}

template <typename Result>
Result CViziZareroDlg::withoutWaitCursor(const std::function<Result()> &ask)
{
    const int depth = m_waitDepth;
    for (int i = 0; i < depth; ++i)
        QApplication::restoreOverrideCursor();
    const Result result = ask();
    for (int i = 0; i < depth; ++i)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    return result;
}

FileCommandHost::Answer CViziZareroDlg::askToSaveChanges()
{
    return withoutWaitCursor<Answer>([this] {
        const auto pressed = QMessageBox::question(this, ApplicationName(), SaveChangesQuestion(),
                                                   QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        return pressed == QMessageBox::Yes ? Answer::Yes : pressed == QMessageBox::No ? Answer::No : Answer::Cancel;
    });
}

QString CViziZareroDlg::askOpenPath()
{
    return withoutWaitCursor<QString>([this] {
        QFileDialog dialog(this, OpenProjectTitle());
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setNameFilters(ProjectFileFilters());
        dialog.setDefaultSuffix(ProjectFileSuffix());
        return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
    });
}

QString CViziZareroDlg::askSavePath()
{
    return withoutWaitCursor<QString>([this] {
        QFileDialog dialog(this);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setNameFilters(ProjectFileFilters());
        dialog.setDefaultSuffix(ProjectFileSuffix());
        dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
        return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
    });
}

void CViziZareroDlg::showMessage(const QString &text, const QString &caption, Icon icon)
{
    withoutWaitCursor<int>([&] {
        QMessageBox box(messageIcon(icon), caption, text, QMessageBox::Ok, this);
        return box.exec();
    });
}

void CViziZareroDlg::beginWait()
{
    ++m_waitDepth;
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void CViziZareroDlg::endWait()
{
    if (m_waitDepth == 0)
        return;
    --m_waitDepth;
    QApplication::restoreOverrideCursor();
}

void CViziZareroDlg::setTitle(const QString &title)
{
    setWindowTitle(title);
}

void CViziZareroDlg::showProjectSettings()
{
    m_textColorButton->setColor(m_project.textColor);
    m_highlightColorButton->setColor(m_project.highlightColor);
    m_helpFileEdit->setText(m_project.helpFileName);
}

QString CViziZareroDlg::helpFileNameText()
{
    return m_helpFileEdit->text();
}

void CViziZareroDlg::resetView(bool selectFirstShape)
{
    m_currentLayout = 0;
    if (selectFirstShape)
        m_shapeList->setCurrentIndex(0);
    else
        m_currentShape = 0;
    fullRefresh();
}

} // namespace velkari
