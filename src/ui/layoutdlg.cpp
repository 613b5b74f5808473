#include "layoutdlg.h"

#include "controlid.h"
#include "controlids.h"
#include "derivedpictures.h"
#include "dialogunits.h"
#include "drawnmark.h"
#include "editorsettings.h"
#include "fieldcheck.h"
#include "filedialogfilters.h"
#include "fileerror.h"
#include "keyboardpainter.h"
#include "keymaplayout.h"
#include "layoutpictures.h"
#include "picturereader.h"
#include "projectdocument.h"
#include "screenfit.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace velkari {

namespace {

int nextLayoutNumber = 0;


struct FlagBox
{
    int id;
    quint16 bit;
    const char *caption;
    int y;
};

// In tab order.
constexpr std::array<FlagBox, 6> flagBoxes { {
    { IdLayoutResetOnShow, LayoutFlagResetOnShow, QT_TRANSLATE_NOOP("velkari::CLayoutDlg", "Reset On Show"), 97 },
    { IdLayoutResetOnHide, LayoutFlagResetOnHide, QT_TRANSLATE_NOOP("velkari::CLayoutDlg", "Reset On Hide"), 109 },
    { IdLayoutTaskManager, LayoutFlagTaskManager, QT_TRANSLATE_NOOP("velkari::CLayoutDlg", "Task Manager"), 121 },
    { IdLayoutCalculator, LayoutFlagCalculator, QT_TRANSLATE_NOOP("velkari::CLayoutDlg", "Calculator"), 133 },
    { IdLayoutMacros, LayoutFlagMacros, QT_TRANSLATE_NOOP("velkari::CLayoutDlg", "Macros"), 145 },
    { IdLayoutShortcuts, LayoutFlagShortcuts, QT_TRANSLATE_NOOP("velkari::CLayoutDlg", "Shortcuts"), 156 },
} };

constexpr std::array<int, RowList::capacity> heightEditY { 92, 105, 116, 129, 140, 153 };
constexpr std::array<const char *, RowList::capacity> heightLabels {
    QT_TRANSLATE_NOOP("velkari::CLayoutDlg", "1st row height:"),
    QT_TRANSLATE_NOOP("velkari::CLayoutDlg", "2nd row height:"),
    QT_TRANSLATE_NOOP("velkari::CLayoutDlg", "3rd row height:"),
    QT_TRANSLATE_NOOP("velkari::CLayoutDlg", "4th row height:"),
    QT_TRANSLATE_NOOP("velkari::CLayoutDlg", "5th row height:"),
    QT_TRANSLATE_NOOP("velkari::CLayoutDlg", "6th row height:"),
};

// In the project's pictures folder, named as the command line's draw names it; in the working
// folder while the project has no file.
QString proposedPath(const SkinProject &project, const LayoutList &shapeLayouts, const SkinLayout &layout,
                     const QString &name)
{
    int shape = 0;
    while (shape + 1 < ScreenShapeCount && &project.layoutList(shape) != &shapeLayouts)
        ++shape;
    const QString folder = project.projectPath.isEmpty() ? fileDialogFolder({ layout.picFileName })
                                                         : pictureFolderFor(project.projectPath);
    // A layout being added takes the place after the last.
    const int number = layout.index >= 0 ? layout.index : shapeLayouts.count();
    return proposedPicturePath(project, shape, layout, name, number, folder, PictureFormat::Gif);
}

} // namespace

struct CLayoutDlg::Saved
{
    QString name;
    QString picFileName;
    quint16 flags;
    RowList rows; // the originals, moved aside by the first Paste that replaced them
    bool rowsAside = false;
    qint8 dragUpLayout;
};

CLayoutDlg::CLayoutDlg(SkinLayout &layout, ProjectDocument &document, const LayoutList &shapeLayouts,
                       QWidget *parent)
    : QDialog(parent)
    , m_layout(layout)
    , m_document(document)
    , m_shapeLayouts(shapeLayouts)
    , m_addMode(layout.flags & LayoutFlagNew)
{
    setFont(DialogUnits::dialogFont());
    setWindowTitle(tr("Layout Properties"));
    createControls();
    ScreenFit::scrollWhenTooLarge(this);

    if (m_addMode) {
        m_layout.name = QStringLiteral("Layout%1").arg(nextLayoutNumber++, 2, 10, QLatin1Char('0'));
        setWindowTitle(tr("Add new layout"));
        m_deleteButton->hide();
    }

    m_dragUpList->addItem(tr("None"));
    for (const auto &other : shapeLayouts)
        m_dragUpList->addItem(other->name);
    const int dragUpEntry = m_layout.dragUpLayout + 1;
    const bool named = dragUpEntry >= 0 && dragUpEntry < m_dragUpList->count();
    m_dragUpList->setCurrentIndex(named ? dragUpEntry : -1);

    showLayout();
}

CLayoutDlg::~CLayoutDlg() = default;

int CLayoutDlg::layoutNameCounter()
{
    return nextLayoutNumber;
}

void CLayoutDlg::createControls()
{
    const DialogUnits du(font());
    setFixedSize(du.size(325, 180));

    auto label = [&](const QString &text, int x, int y, int width) {
        auto *widget = new QLabel(text, this);
        widget->setGeometry(du.rect(x, y, width, 8));
        return widget;
    };
    auto lineEdit = [&](int id, int x, int y, int width) {
        auto *edit = new QLineEdit(this);
        setControlId(edit, id);
        edit->setGeometry(du.rect(x, y, width, 12));
        return edit;
    };
    auto pushButton = [&](int id, const QString &caption, int x, int y, int width, int height) {
        auto *button = new QPushButton(caption, this);
        setControlId(button, id);
        button->setGeometry(du.rect(x, y, width, height));
        return button;
    };
    // The template height of a drop-down list includes its open list; closed it is as tall as
    // an edit.
    auto dropDown = [&](int id, int x, int y, int width) {
        auto *list = new QComboBox(this);
        setControlId(list, id);
        list->setGeometry(du.rect(x, y, width, 12));
        return list;
    };

    auto *flagsGroup = new QGroupBox(tr("Flags:"), this);
    flagsGroup->setGeometry(du.rect(143, 86, 85, 87));

    label(tr("Layout Name:"), 7, 16, 48);
    m_nameEdit = lineEdit(IdLayoutName, 57, 14, 190);
    label(tr("Skin:"), 7, 31, 48);
    m_pictureEdit = lineEdit(IdLayoutPictureName, 57, 29, 190);
    auto *browseButton = pushButton(IdLayoutBrowse, tr("Browse"), 249, 29, 41, 12);
    label(tr("Drag Up Layout:"), 7, 54, 55);
    m_dragUpList = dropDown(IdLayoutDragUp, 64, 52, 80);
    label(tr("No of Rows:"), 7, 78, 55);
    m_rowCountList = dropDown(IdLayoutRowCount, 64, 76, 54);
    for (int i = 1; i <= RowList::capacity; ++i)
        m_rowCountList->addItem(QString::number(i));
    for (int i = 0; i < RowList::capacity; ++i) {
        label(tr(heightLabels[i]), 7, heightEditY[i] + 2, 55);
        m_heightEdits[i] = lineEdit(IdLayoutFirstHeight + i, 64, heightEditY[i], 54);
    }
    for (size_t i = 0; i < flagBoxes.size(); ++i) {
        auto *box = new QCheckBox(tr(flagBoxes[i].caption), this);
        setControlId(box, flagBoxes[i].id);
        box->setGeometry(du.rect(156, flagBoxes[i].y, 64, 10));
        m_flagBoxes[i] = box;
    }
    auto *okButton = pushButton(Ok, tr("OK"), 268, 59, 50, 14);
    okButton->setDefault(true);
    auto *cancelButton = pushButton(Cancel, tr("Cancel"), 268, 79, 50, 14);
    auto *pasteButton = pushButton(IdLayoutPaste, tr("Paste Layout Info"), 247, 140, 71, 14);
    m_deleteButton = pushButton(Delete, tr("Delete this Layout"), 247, 159, 71, 14);
    auto *drawButton = pushButton(IdLayoutDrawPicture, tr("Draw Picture"), 247, 121, 71, 14);
    auto *readKeysButton = pushButton(IdLayoutReadKeys, tr("Read Keys from Picture"), 232, 102, 86, 14);

    QWidget *previous = m_nameEdit;
    auto chain = [&previous](QWidget *next) {
        setTabOrder(previous, next);
        previous = next;
    };
    chain(m_pictureEdit);
    chain(browseButton);
    chain(m_dragUpList);
    chain(m_rowCountList);
    for (QLineEdit *edit : m_heightEdits)
        chain(edit);
    for (QCheckBox *box : m_flagBoxes)
        chain(box);
    chain(okButton);
    chain(cancelButton);
    chain(readKeysButton);
    chain(drawButton);
    chain(pasteButton);
    chain(m_deleteButton);
    // Only something copied can be pasted.
    pasteButton->setEnabled(m_document.copiedLayout());

    connect(browseButton, &QPushButton::clicked, this, &CLayoutDlg::browse);
    connect(m_rowCountList, &QComboBox::activated, this, &CLayoutDlg::rowCountChanged);
    connect(pasteButton, &QPushButton::clicked, this, &CLayoutDlg::paste);
    connect(drawButton, &QPushButton::clicked, this, &CLayoutDlg::drawPicture);
    connect(readKeysButton, &QPushButton::clicked, this, &CLayoutDlg::readKeys);
    connect(okButton, &QPushButton::clicked, this, &CLayoutDlg::accept);
    connect(cancelButton, &QPushButton::clicked, this, &CLayoutDlg::reject);
    connect(m_deleteButton, &QPushButton::clicked, this, [this] {
        restoreSaved();
        done(Delete);
    });
}

// Everything but the drag-up list, which keeps its selection across a Paste.
void CLayoutDlg::showLayout()
{
    m_nameEdit->setText(m_layout.name);
    m_pictureEdit->setText(m_layout.picFileName);
    const int rowCount = m_layout.rows.count();
    m_rowCountList->setCurrentIndex(rowCount - 1);
    showRowHeights(rowCount);
    for (size_t i = 0; i < flagBoxes.size(); ++i)
        m_flagBoxes[i]->setChecked(m_layout.flags & flagBoxes[i].bit);
}

void CLayoutDlg::showRowHeights(int rowCount, int kept)
{
    for (int i = 0; i < RowList::capacity; ++i) {
        QLineEdit *edit = m_heightEdits[i];
        edit->setEnabled(i < rowCount);
        if (i < kept && i < rowCount)
            continue;
        if (i >= rowCount)
            edit->setText(tr("N/A"));
        else if (const SkinRow *row = m_layout.rows.at(i))
            edit->setText(QString::number(row->height));
        else
            edit->clear();
    }
}

QString CLayoutDlg::choosePictureFile()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QFileDialog dialog(this, tr("Select Skin Picture File"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDirectory(fileDialogFolder({ m_pictureEdit->text(), m_document.project().projectPath }));
    setFileDialogFilters(dialog, { tr("Pictures (*.gif *.bmp)"), tr("GIF Files(*.gif)"), tr("Bitmap Files(*.bmp)"),
                                   tr("All Files (*.*)") });
    dialog.setDefaultSuffix(QStringLiteral("gif"));
    QApplication::restoreOverrideCursor();

    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

void CLayoutDlg::browse()
{
    const QString path = choosePictureFile();
    if (!path.isEmpty())
        m_pictureEdit->setText(path);
}

QString CLayoutDlg::choosePictureSavePath(const QString &proposed)
{
    QFileDialog dialog(this, tr("Save Drawn Picture"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    setFileDialogFilters(dialog, { tr("GIF Files(*.gif)"), tr("Bitmap Files(*.bmp)") });
    dialog.setDefaultSuffix(QStringLiteral("gif"));
    // The pictures' folder may not exist yet: it is made when the picture is written.
    const QFileInfo file(proposed);
    const QFileInfo folder(file.absolutePath());
    if (folder.isDir()) {
        dialog.selectFile(proposed);
    } else {
        dialog.setDirectory(folder.absolutePath());
        dialog.selectFile(folder.fileName() + u'/' + file.fileName());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

std::unique_ptr<SkinLayout> CLayoutDlg::layoutAsShown(const Heights &heights) const
{
    auto shown = std::make_unique<SkinLayout>();
    shown->name = m_nameEdit->text();
    shown->rows.assignCopy(m_layout.rows);
    const int rowCount = m_rowCountList->currentIndex() + 1;
    while (shown->rows.count() > rowCount)
        shown->rows.removeAt(shown->rows.count() - 1);
    while (shown->rows.count() < rowCount)
        shown->rows.append(std::make_unique<SkinRow>());
    for (int i = 0; i < rowCount; ++i)
        shown->rows.at(i)->height = heights[i];
    return shown;
}

void CLayoutDlg::drawPicture()
{
    // Drawn from what the dialog shows, so that the picture fits the key map OK stores; heights
    // that OK would refuse are refused here too.
    const std::optional<Heights> heights = checkedHeights();
    if (!heights)
        return;
    const std::unique_ptr<SkinLayout> shown = layoutAsShown(*heights);
    QString problem = KeyboardPainter::drawProblem(*shown, shown->name);
    // The settings only ever give a theme that exists.
    const KeyboardTheme theme =
        themeToDrawIn(m_document.project(), m_pictureEdit->text(), *KeyboardTheme::named(EditorSettings().pictureTheme()));
    const QImage picture = problem.isEmpty() ? KeyboardPainter(theme).paint(*shown) : QImage();
    if (problem.isEmpty() && picture.isNull())
        problem = tr("The picture could not be drawn.");
    if (!problem.isEmpty()) {
        QMessageBox::warning(this, tr("Draw Picture"), problem);
        return;
    }
    const QString path = choosePictureSavePath(proposedPath(m_document.project(), m_shapeLayouts, m_layout, shown->name));
    if (path.isEmpty())
        return;
    const bool bitmap = path.endsWith(QStringLiteral(".bmp"), Qt::CaseInsensitive);
    try {
        writePictureFile(path, encodeDrawnPicture(picture, bitmap ? PictureFormat::Bmp : PictureFormat::Gif));
    } catch (const FileError &error) {
        QMessageBox::critical(this, tr("Draw Picture"), error.message());
        return;
    }
    m_pictureEdit->setText(path);
}

void CLayoutDlg::rowCountChanged()
{
    int typed = 0;
    while (typed < RowList::capacity && m_heightEdits[typed]->isEnabled())
        ++typed;
    showRowHeights(m_rowCountList->currentIndex() + 1, typed);
}

void CLayoutDlg::keepForCancel()
{
    if (m_saved)
        return;
    m_saved = std::make_unique<Saved>();
    m_saved->name = m_layout.name;
    m_saved->picFileName = m_layout.picFileName;
    m_saved->flags = m_layout.flags;
    m_saved->dragUpLayout = m_layout.dragUpLayout;
}

void CLayoutDlg::replaceRows(const RowList &rows)
{
    RowList copies;
    copies.assignCopy(rows);
    if (!m_saved->rowsAside) {
        m_saved->rows.swap(m_layout.rows);
        m_saved->rowsAside = true;
    }
    m_layout.rows.swap(copies); // an earlier paste's copies go with `copies`
}

void CLayoutDlg::paste()
{
    const SkinLayout *source = m_document.copiedLayout();
    if (!source)
        return;
    keepForCancel();
    // Pasting a layout onto itself leaves its rows alone.
    if (source != &m_layout)
        replaceRows(source->rows);
    m_layout.name = source->name;
    m_layout.picFileName = source->picFileName;
    m_layout.flags = source->flags;
    m_layout.dragUpLayout = source->dragUpLayout;
    m_pasted = true;
    showLayout();
}

void CLayoutDlg::readKeys()
{
    SkinLayout named;
    named.picFileName = m_pictureEdit->text();
    const QString path = layoutPicturePath(named);
    const QImage picture = path.isEmpty() ? QImage() : decodePicture(path);
    const PictureKeyMap map = readPictureKeyMap(picture);
    QString problem;
    if (path.isEmpty())
        problem = tr("Name the picture in \"Skin:\" first, or choose it with Browse.");
    else if (picture.isNull())
        problem = tr("\"%1\" is not a picture that can be read.").arg(QDir::toNativeSeparators(path));
    else if (map.isEmpty())
        problem = tr("No keys were recognised in \"%1\"; nothing was changed.").arg(QDir::toNativeSeparators(path));
    if (!problem.isEmpty()) {
        QMessageBox::warning(this, tr("Read Keys from Picture"), problem);
        return;
    }
    keepForCancel();
    if (!m_saved->rowsAside)
        replaceRows(m_layout.rows);
    const KeyMapReport report = applyKeyMap(m_layout, map);
    m_rowCountList->setCurrentIndex(m_layout.rows.count() - 1);
    showRowHeights(m_layout.rows.count());
    QMessageBox::information(this, tr("Read Keys from Picture"),
                             report.lines().join(u'\n') + u'\n'
                                 + tr("OK keeps this with the dialog's other changes; Cancel puts the layout back as it was."));
}

void CLayoutDlg::restoreSaved()
{
    if (!m_saved)
        return;
    m_layout.name = m_saved->name;
    m_layout.picFileName = m_saved->picFileName;
    m_layout.flags = m_saved->flags;
    if (m_saved->rowsAside)
        m_layout.rows.swap(m_saved->rows);
    m_layout.dragUpLayout = m_saved->dragUpLayout;
    m_saved.reset();
}

std::optional<CLayoutDlg::Heights> CLayoutDlg::checkedHeights()
{
    FieldCheck check(this);
    Heights heights {};
    for (int i = 0; i < m_rowCountList->currentIndex() + 1; ++i)
        heights[i] = check.number(m_heightEdits[i], tr(heightLabels[i]), 1, 0xFFFF).value_or(0);
    if (check.failed())
        return std::nullopt;
    return heights;
}

void CLayoutDlg::accept()
{
    const int rowCount = m_rowCountList->currentIndex() + 1;
    const std::optional<Heights> heights = checkedHeights();
    if (!heights)
        return;

    m_layout.name = m_nameEdit->text();
    m_layout.picFileName = m_pictureEdit->text();
    // No selection only happens for a stored number that names no entry: keep that number.
    if (m_dragUpList->currentIndex() >= 0)
        m_layout.dragUpLayout = qint8(m_dragUpList->currentIndex() - 1);

    quint16 flags = 0;
    for (size_t i = 0; i < flagBoxes.size(); ++i) {
        if (m_flagBoxes[i]->isChecked())
            flags |= flagBoxes[i].bit;
    }
    m_layout.flags = flags;

    while (m_layout.rows.count() < rowCount)
        m_layout.rows.append(std::make_unique<SkinRow>());
    while (m_layout.rows.count() > rowCount)
        m_layout.rows.removeAt(m_layout.rows.count() - 1);
    for (int i = 0; i < rowCount; ++i)
        m_layout.rows.at(i)->height = (*heights)[i];

    m_saved.reset(); // what Paste replaced is gone for good
    done(Ok);
}

void CLayoutDlg::reject()
{
    restoreSaved();
    done(Cancel);
}

} // namespace velkari
