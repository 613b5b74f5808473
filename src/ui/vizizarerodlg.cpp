#include "vizizarerodlg.h"

#include "aboutbox.h"
#include "controlhints.h"
#include "controlid.h"
#include "controlids.h"
#include "crashrecovery.h"
#include "editcommands.h"
#include "dialogunits.h"
#include "editoractions.h"
#include "editorsettings.h"
#include "fileerror.h"
#include "filecommands.h"
#include "filedrops.h"
#include "gridcell.h"
#include "helpwindow.h"
#include "problemspanel.h"
#include "previewwindow.h"
#include "screenfit.h"
#include "statusarea.h"
#include "swatchbutton.h"
#include "userprompts.h"

#include <QApplication>
#include <QCloseEvent>
#include <QColorDialog>
#include <QComboBox>
#include <QCursor>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>

namespace velkari {

namespace {

// Below this the canvas would be too small to use; the page scrolls instead.
constexpr int MinCanvasHeight = 120;

} // namespace

CViziZareroDlg::CViziZareroDlg(QWidget *parent)
    : QDialog(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint)
    , m_document(new ProjectDocument(this))
    , m_prompts(std::make_unique<UserPrompts>(this, [this] { return workFiles(); }))
    , m_edits(new EditCommands(*m_document, this))
{
    setFont(DialogUnits::dialogFont());
    const DialogUnits units(font());
    m_templateSize = units.size(553, 398);
    setWindowTitle(editorWindowTitle({}) + QStringLiteral("[*]"));
    createControls(units);
    const QSize frame = ScreenFit::fitMinimumSize(this, m_templateSize);
    if (!restoreGeometry(EditorSettings().windowGeometry()))
        ScreenFit::placeInTheMiddle(this, frame);

    m_actions = new EditorActions(this, m_document->createUndoAction(this), m_document->createRedoAction(this));
    m_actions->addCommand(QKeySequence(Qt::CTRL | Qt::Key_N), this, &CViziZareroDlg::commandNew);
    m_actions->addCommand(QKeySequence(Qt::CTRL | Qt::Key_O), this, &CViziZareroDlg::commandOpen);
    m_actions->addCommand(QKeySequence(Qt::CTRL | Qt::Key_S), this, &CViziZareroDlg::commandSave);
    m_actions->addCommand(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), this, &CViziZareroDlg::commandSaveAs);
    m_actions->addCommand(QKeySequence(Qt::CTRL | Qt::Key_B), this, &CViziZareroDlg::commandCreateSkin);
    m_actions->addCommand(QKeySequence(Qt::Key_F1), this, &CViziZareroDlg::showHelp);
    connect(m_actions, &EditorActions::recentChosen, this, &CViziZareroDlg::openWithQuestion);
    // After the drop has ended: opening may ask questions.
    auto *drops = new FileDrops(this, m_canvas);
    connect(drops, &FileDrops::projectDropped, this, &CViziZareroDlg::openWithQuestion, Qt::QueuedConnection);
    connect(drops, &FileDrops::pictureDropped, m_edits, &EditCommands::setPicture, Qt::QueuedConnection);

    connectDocument();
    documentChanged({DocumentChange::Kind::Replace, {0, 0}, true});
}

CViziZareroDlg::~CViziZareroDlg() = default;

void CViziZareroDlg::setPrompts(std::unique_ptr<UserPrompts> prompts)
{
    m_prompts = std::move(prompts);
}

void CViziZareroDlg::connectDocument()
{
    connect(m_edits, &EditCommands::gridChanged, this, &CViziZareroDlg::gridRefresh);
    connect(m_edits, &EditCommands::layoutsChanged, this, &CViziZareroDlg::fullRefresh);
    connect(m_edits, &EditCommands::showView, this, &CViziZareroDlg::showView);
    connect(m_edits, &EditCommands::note, this, &CViziZareroDlg::showStatus);
    connect(m_document, &ProjectDocument::changed, this, &CViziZareroDlg::documentChanged);
    connect(m_document, &ProjectDocument::changed, m_problems, &ProblemsPanel::scheduleCheck);
    connect(m_document, &ProjectDocument::modifiedChanged, this, &QWidget::setWindowModified);
    connect(m_document, &ProjectDocument::pathChanged, this,
            [this](const QString &path) { setWindowTitle(editorWindowTitle(path) + QStringLiteral("[*]")); });
    connect(m_document, &ProjectDocument::skinWritten, this, [this](const QString &skin, int layouts, qint64 bytes) {
        m_problems->checkNow();
        m_status->showSkinWritten(skin, layouts, bytes, m_problems->warningsLeft());
    });
    connect(m_edits, &EditCommands::saveAsRequested, this, &CViziZareroDlg::commandSaveAs);
}

QPushButton *CViziZareroDlg::addButton(int id, const QString &caption, const QRect &rect)
{
    auto *button = new QPushButton(caption, m_page);
    setControlId(button, id);
    button->setGeometry(rect);
    return button;
}

void CViziZareroDlg::createControls(const DialogUnits &units)
{
    m_page = ScreenFit::scrollingPage(this);
    const struct {
        int id;
        QString caption;
        QRect rect;
        void (CViziZareroDlg::*command)();
    } commands[] = {
        {IdNew, tr("New"), units.rect(7, 0, 38, 14), &CViziZareroDlg::commandNew},
        {IdOpen, tr("Open"), units.rect(46, 0, 38, 14), &CViziZareroDlg::commandOpen},
        {IdSave, tr("Save"), units.rect(86, 0, 38, 14), &CViziZareroDlg::commandSave},
        {IdSaveAs, tr("Save As"), units.rect(126, 0, 38, 14), &CViziZareroDlg::commandSaveAs},
        {IdCreateSkin, tr("Create Skin"), units.rect(166, 0, 53, 14), &CViziZareroDlg::commandCreateSkin},
        {IdHelp, tr("&Help"), units.rect(221, 0, 50, 14), &CViziZareroDlg::showHelp},
        {IdTrySkin, tr("Try Skin"), units.rect(357, 0, 50, 14), &CViziZareroDlg::showPreview},
    };
    for (const auto &command : commands)
        connect(addButton(command.id, command.caption, command.rect), &QPushButton::clicked, this, command.command);
    const struct {
        int id;
        QString caption;
        QRect rect;
        void (EditCommands::*command)();
    } edits[] = {
        {IdLayoutProperties, tr("Layout Properties"), units.rect(189, 41, 71, 12), &EditCommands::layoutProperties},
        {IdAddLayout, tr("Add Layout"), units.rect(263, 41, 56, 12), &EditCommands::addLayout},
        {IdCopyLayout, tr("Copy Layout"), units.rect(322, 41, 56, 12), &EditCommands::copyLayout},
        {IdDeriveShapes, tr("Derive Shapes..."), units.rect(189, 27, 71, 12), &EditCommands::deriveShapes},
        {IdImportLayout, tr("Import Layout..."), units.rect(263, 27, 70, 12), &EditCommands::importLayout},
        {IdExportLayout, tr("Export Layout..."), units.rect(336, 27, 70, 12), &EditCommands::exportLayout},
    };
    for (const auto &command : edits)
        connect(addButton(command.id, command.caption, command.rect), &QPushButton::clicked, m_edits, command.command);
    findControl(m_page, IdTrySkin)
        ->setToolTip(tr("Run the skin as the device would: tap keys, switch layouts, see what they type."));
    m_problems = new ProblemsPanel(m_document->project(), this);
    auto *problemsButton = addButton(IdProblems, m_problems->caption(), units.rect(275, 0, 78, 14));
    connect(problemsButton, &QPushButton::clicked, this, &CViziZareroDlg::showProblems);
    connect(m_problems, &ProblemsPanel::checked, problemsButton, &QPushButton::setText);
    connect(m_problems, &ProblemsPanel::picturesMissing, this, &CViziZareroDlg::showStatus);
    connect(m_problems, &ProblemsPanel::problemChosen, m_edits, &EditCommands::mend);

    const auto addLabel = [this](const QString &text, const QRect &rect) {
        auto *label = new QLabel(text, m_page);
        label->setGeometry(rect);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    };
    addLabel(tr("Orientation and Resolution:"), units.rect(7, 27, 96, 12));
    m_shapeList = new QComboBox(m_page);
    setControlId(m_shapeList, IdShapeList);
    m_shapeList->setGeometry(units.rect(105, 27, 82, 12));
    for (int shape = 0; shape < ScreenShapeCount; ++shape)
        m_shapeList->addItem(screenShapeName(shape));
    connect(m_shapeList, &QComboBox::activated, this, &CViziZareroDlg::fullRefresh);

    addLabel(tr("Current Layout:"), units.rect(7, 41, 96, 12));
    m_layoutList = new QComboBox(m_page);
    setControlId(m_layoutList, IdLayoutList);
    m_layoutList->setGeometry(units.rect(105, 41, 82, 12));
    m_layoutList->setMaxVisibleItems(LayoutList::capacity);
    connect(m_layoutList, &QComboBox::activated, this, &CViziZareroDlg::layoutSelected);

    addLabel(tr("Text Color:"), units.rect(7, 55, 96, 12));
    m_textColorButton = new SwatchButton(m_page);
    setControlId(m_textColorButton, IdTextColor);
    m_textColorButton->setGeometry(units.rect(105, 55, 82, 12));
    connect(m_textColorButton, &QPushButton::clicked, this,
            [this] { chooseColor(project().textColor, &ProjectDocument::setTextColor); });

    addLabel(tr("Highlight Color:"), units.rect(7, 69, 96, 12));
    m_highlightColorButton = new SwatchButton(m_page);
    setControlId(m_highlightColorButton, IdHighlightColor);
    m_highlightColorButton->setGeometry(units.rect(105, 69, 82, 12));
    connect(m_highlightColorButton, &QPushButton::clicked, this,
            [this] { chooseColor(project().highlightColor, &ProjectDocument::setHighlightColor); });

    addLabel(tr("Help File Name:"), units.rect(250, 69, 63, 12));
    m_helpFileEdit = new QLineEdit(m_page);
    setControlId(m_helpFileEdit, IdHelpFileName);
    m_helpFileEdit->setGeometry(units.rect(315, 69, 61, 12));
    // Showing the project's own name changes nothing.
    connect(m_helpFileEdit, &QLineEdit::textChanged, this, [this](const QString &text) {
        if (text != project().helpFileName)
            m_document->setHelpFileName(text);
    });
    connect(m_helpFileEdit, &QLineEdit::editingFinished, m_document, &ProjectDocument::sealHelpFileName);

    // The canvas starts just below the lowest control above it; unscrolled, its content lies
    // where it lay in the fixed window.
    m_canvasTop = units.y(83);
    m_canvas = new CanvasView(m_page);
    m_canvas->move(0, m_canvasTop);
    m_canvas->setOrigins(QPoint(GridLeft, GridTop - m_canvasTop), QPoint(units.x(7), units.y(221) - m_canvasTop));
    connect(m_canvas, &CanvasView::cellClicked, m_edits, &EditCommands::gridCell);
    m_edits->connectCanvas(m_canvas);

    m_closeRect = units.rect(496, 313, 50, 14);
    m_closeButton = addButton(IdClose, tr("Close"), m_closeRect);
    connect(m_closeButton, &QPushButton::clicked, this, &CViziZareroDlg::commandClose);

    m_statusRect = units.rect(7, 331, 539, 60);
    m_status = new StatusArea(m_page, this);
    m_status->setDescriptions([this] { return widgetUnderMouse(); },
                              [this](const QWidget *widget) { return m_canvas->describedControlId(widget, QCursor::pos()); },
                              [this](int id) {
                                  return DescribeControl(id, currentLayoutRecord(), currentShapeLayouts(),
                                                         project().helpFileName);
                              });
    setControlId(m_status, IdStatus);
    m_status->setGeometry(m_statusRect);

    // The page never gets so small that a control above the canvas or on the bottom row is cut.
    int right = 0;
    for (const QWidget *child : m_page->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (child != m_canvas->viewControls() && child->geometry().bottom() < m_canvasTop)
            right = qMax(right, child->geometry().right() + 1);
    }
    const int bottomRow = m_statusRect.left() + m_canvas->viewControls()->sizeHint().width() + m_closeRect.width()
        + 2 * (m_templateSize.width() - m_closeRect.right() - 1);
    m_page->setMinimumSize(qMax(right + m_statusRect.left(), bottomRow),
                           m_canvasTop + MinCanvasHeight + m_templateSize.height() - m_closeRect.top());
    m_page->installEventFilter(this);
}

void CViziZareroDlg::placeControls()
{
    const QSize grown = m_page->size() - m_templateSize;
    const QRect close = m_closeRect.translated(grown.width(), grown.height());
    m_closeButton->setGeometry(close);
    m_status->setGeometry(m_statusRect.adjusted(0, grown.height(), grown.width(), grown.height()));
    const int gap = m_statusRect.top() - m_closeRect.bottom() - 1;
    QWidget *viewControls = m_canvas->viewControls();
    const QSize wanted = viewControls->sizeHint();
    viewControls->setGeometry(m_statusRect.left(), close.center().y() - wanted.height() / 2,
                              qMin(wanted.width(), close.left() - gap - m_statusRect.left()), wanted.height());
    m_canvas->setGeometry(0, m_canvasTop, m_page->width(), qMin(close.top(), viewControls->y()) - gap - m_canvasTop);
}

void CViziZareroDlg::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    ScreenFit::fitMinimumSize(this, m_templateSize);
}

bool CViziZareroDlg::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_page && event->type() == QEvent::Resize)
        placeControls();
    return QDialog::eventFilter(watched, event);
}

void CViziZareroDlg::runFileCommand(void (*command)(ProjectDocument &, DocumentPrompts &))
{
    runCommand([this, command] { command(*m_document, *m_prompts); });
}

bool CViziZareroDlg::runCommand(const std::function<void()> &command)
{
    try {
        command();
        return true;
    } catch (const FileError &error) {
        m_prompts->showMessage(error.message(), applicationName(), DocumentPrompts::Icon::Stop);
        return false;
    }
}

const LayoutList *CViziZareroDlg::currentShapeLayouts() const
{
    if (m_currentShape < 0 || m_currentShape >= ScreenShapeCount)
        return nullptr;
    return &m_document->project().layoutList(m_currentShape);
}

SkinLayout *CViziZareroDlg::currentLayoutRecord() const
{
    return m_document->layout(m_currentShape, m_currentLayout);
}

void CViziZareroDlg::fullRefresh()
{
    const int shape = m_shapeList->currentIndex();
    {
        const QSignalBlocker blocker(m_layoutList);
        m_layoutList->clear();
        if (shape >= 0 && shape < ScreenShapeCount) {
            for (const auto &layout : project().layoutList(shape))
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
    layoutSelected();
}

void CViziZareroDlg::layoutSelected()
{
    m_currentLayout = m_layoutList->currentIndex();
    m_document->setView(currentView());
    m_edits->setView(currentView());
    gridRefresh();
    pictureRefresh();
}

void CViziZareroDlg::gridRefresh()
{
    m_canvas->showLayout(currentLayoutRecord(), m_currentShape);
}

void CViziZareroDlg::pictureRefresh()
{
    // A missing or undecodable file is reported under the picture and at Create Skin.
    m_canvas->showPicture(currentLayoutRecord());
}

void CViziZareroDlg::showView(const ProjectView &view)
{
    if (view.isValid()) {
        m_shapeList->setCurrentIndex(view.shape);
        m_currentShape = view.shape;
        m_currentLayout = view.layout;
    }
    fullRefresh();
}

void CViziZareroDlg::documentChanged(const DocumentChange &change)
{
    switch (change.kind) {
    case DocumentChange::Kind::Edit:
        break;
    case DocumentChange::Kind::Restore:
        showProjectSettings();
        showView(change.view);
        break;
    case DocumentChange::Kind::Replace:
        // New shows the first shape; Open stays on the shape on view, at its first layout.
        showProjectSettings();
        m_currentLayout = 0;
        if (change.newProject)
            m_shapeList->setCurrentIndex(0);
        else
            m_currentShape = 0;
        fullRefresh();
        showStatus({});
        m_problems->projectReplaced(!change.newProject);
        break;
    }
}

void CViziZareroDlg::showProjectSettings()
{
    m_textColorButton->setColor(project().textColor);
    m_highlightColorButton->setColor(project().highlightColor);
    m_canvas->setHighlightColor(SwatchButton::toQColor(project().highlightColor));
    m_helpFileEdit->setText(project().helpFileName);
}

QWidget *CViziZareroDlg::widgetUnderMouse() const
{
    return QApplication::widgetAt(QCursor::pos());
}

void CViziZareroDlg::openProjectFile(const QString &path)
{
    runCommand([this, &path] { openProjectPath(*m_document, *m_prompts, QFileInfo(path).absoluteFilePath()); });
}

void CViziZareroDlg::openWithQuestion(const QString &path)
{
    runCommand([this, &path] {
        if (ConfirmDiscard(*m_document, *m_prompts))
            openProjectPath(*m_document, *m_prompts, path);
    });
}

QStringList CViziZareroDlg::workFiles() const
{
    const SkinLayout *layout = currentLayoutRecord();
    return {m_document->path(), layout ? layout->picFileName : QString()};
}

bool CViziZareroDlg::confirmClose()
{
    bool proceed = false;
    runCommand([this, &proceed] { proceed = ConfirmDiscard(*m_document, *m_prompts); });
    return proceed;
}

void CViziZareroDlg::commandClose()
{
    if (confirmClose())
        finishClose();
}

void CViziZareroDlg::closeEvent(QCloseEvent *event)
{
    if (m_closing || confirmClose()) {
        event->accept();
        finishClose();
    } else {
        event->ignore();
    }
}

void CViziZareroDlg::finishClose()
{
    if (!m_closing)
        EditorSettings().setWindowGeometry(saveGeometry());
    m_closing = true;
    m_document->recovery().discard();
    done(Ok);
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
    m_actions->fillContextMenu(menu);
    menu.exec(event->globalPos());
}

void CViziZareroDlg::showHelp()
{
    if (!m_helpWindow)
        m_helpWindow = new HelpWindow(this);
    ScreenFit::bringToFront(m_helpWindow);
}

void CViziZareroDlg::showProblems()
{
    m_problems->showBeside();
}

void CViziZareroDlg::showPreview()
{
    if (!m_previewWindow) {
        m_previewWindow = new PreviewWindow(project(), m_currentShape, this);
        connect(m_document, &ProjectDocument::changed, m_previewWindow, &PreviewWindow::refreshSkin);
    }
    m_previewWindow->setShape(m_currentShape);
    ScreenFit::bringToFront(m_previewWindow);
}

void CViziZareroDlg::chooseColor(quint32 color, bool (ProjectDocument::*store)(quint32))
{
    const QColor chosen = QColorDialog::getColor(SwatchButton::toQColor(color), this);
    if (!chosen.isValid())
        return;
    (m_document->*store)(SwatchButton::fromQColor(chosen));
    showProjectSettings();
}

} // namespace velkari
