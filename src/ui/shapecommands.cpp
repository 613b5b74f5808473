#include "shapecommands.h"

#include "controlid.h"
#include "controlids.h"
#include "deriveshapesdlg.h"
#include "editorsettings.h"
#include "filedialogfilters.h"
#include "fileerror.h"
#include "keyboardpainter.h"
#include "kleexport.h"
#include "kleimport.h"
#include "layoutpictures.h"
#include "problem.h"
#include "safefilewriter.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>

namespace velkari {

namespace {

// The look of the project's drawn pictures, else the theme last chosen for a new project (the
// settings only ever give one that exists).
KeyboardTheme pictureTheme(const SkinProject &project)
{
    return themeToDrawIn(project, QString(), *KeyboardTheme::named(EditorSettings().pictureTheme()));
}

QString shapeNames(const QList<int> &shapes)
{
    QStringList names;
    for (int shape : shapes)
        names << screenShapeName(shape);
    return names.join(QStringLiteral(", "));
}

// A question with one button that does it and Cancel; true when the user chose to do it.
bool confirm(QWidget *window, const QString &title, const QString &text, const QString &action)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Cancel, window);
    QPushButton *yes = box.addButton(action, QMessageBox::AcceptRole);
    box.setDefaultButton(yes);
    box.exec();
    return box.clickedButton() == yes;
}

class BusyCursor
{
public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
};

} // namespace

ShapeCommands::ShapeCommands(ProjectDocument &document, QWidget *window, QObject *parent)
    : QObject(parent)
    , m_document(document)
    , m_window(window)
{
}

void ShapeCommands::warn(const QString &title, const QString &text)
{
    QMessageBox::warning(m_window, title, text);
}

void ShapeCommands::showRow(int row)
{
    auto *cell = findControl<QPushButton>(m_window, GridCellId::encode(row, 0));
    if (!cell)
        return;
    cell->setFocus(Qt::OtherFocusReason);
    for (QWidget *parent = cell->parentWidget(); parent; parent = parent->parentWidget()) {
        if (auto *area = qobject_cast<QScrollArea *>(parent)) {
            area->ensureWidgetVisible(cell);
            break;
        }
    }
}

bool ShapeCommands::haveProjectFile()
{
    if (m_document.path().isEmpty())
        Q_EMIT saveAsRequested();
    return !m_document.path().isEmpty();
}

void ShapeCommands::deriveShapes(int shape)
{
    DeriveShapesDlg dialog(shape, !m_document.path().isEmpty(), m_window);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const int from = dialog.source();
    const QList<int> targets = dialog.targets();
    const QList<int> inUse = shapesInUse(m_document.project(), deriveTargets(from, targets));
    if (!inUse.isEmpty()
        && !confirm(m_window, tr("Derive Shapes"),
                    tr("These shapes hold layouts of their own: %1. Deriving replaces those layouts, keys and all; "
                       "their picture files stay on disk. Replace them?")
                        .arg(shapeNames(inUse)),
                    tr("Replace"))) {
        return;
    }
    if (!haveProjectFile())
        return;
    ProjectDocument::Derived derived;
    {
        const BusyCursor busy;
        derived = m_document.deriveShapes(from, targets, !inUse.isEmpty(), pictureTheme(m_document.project()),
                                          dialog.completesSource());
    }
    Q_EMIT layoutsChanged();
    const auto drawn = std::ranges::count_if(derived.pictures.written, &DerivedPicture::drawn);
    Q_EMIT note(tr("Derived %1 from %2: %3 pictures drawn, %4 scaled from the author's.")
                    .arg(shapeNames(derived.report.derived), screenShapeName(from))
                    .arg(drawn)
                    .arg(derived.pictures.written.size() - drawn)
                + (derived.emptyRowsRemoved > 0
                       ? u' ' + tr("Empty rows removed from the end of its layouts: %1.").arg(derived.emptyRowsRemoved)
                       : QString()));
    QStringList problems = derived.pictures.problems;
    for (const RowNote &row : derived.report.leftAlone + derived.sourceFitted.leftAlone)
        problems << rowNoteText(row);
    if (!problems.isEmpty())
        warn(tr("Derive Shapes"), tr("The shapes were derived, but:") + u'\n' + problems.join(u'\n'));
}

QString ShapeCommands::chooseLayoutFile()
{
    QFileDialog dialog(m_window, tr("Import Layout"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDirectory(fileDialogFolder({m_document.path()}));
    setFileDialogFilters(dialog, {tr("Keyboard Layouts (*.json *.txt)"), tr("All Files (*.*)")});
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

bool ShapeCommands::drawImportedPicture(SkinLayout &layout, int shape, int position)
{
    const SkinProject &project = m_document.project();
    const QString path = proposedPicturePath(project, shape, layout, layout.name, position,
                                             pictureFolderFor(m_document.path()), PictureFormat::Gif);
    if (QFileInfo::exists(path)
        && !confirm(m_window, tr("Import Layout"),
                    tr("The picture \"%1\" exists already. Replace it with the imported layout's?")
                        .arg(QDir::toNativeSeparators(path)),
                    tr("Replace"))) {
        return false;
    }
    QString problem = KeyboardPainter::drawProblem(layout, screenShapeName(shape) + QStringLiteral("->") + layout.name);
    const QByteArray bytes =
        problem.isEmpty() ? drawLayoutPicture(layout, KeyboardPainter(pictureTheme(project)), PictureFormat::Gif)
                          : QByteArray();
    if (problem.isEmpty() && bytes.isEmpty())
        problem = tr("The picture could not be drawn.");
    try {
        if (problem.isEmpty())
            writePictureFile(path, bytes);
    } catch (const FileError &error) {
        problem = error.message();
    }
    if (!problem.isEmpty()) {
        QMessageBox::critical(m_window, tr("Import Layout"), problem);
        return false;
    }
    layout.picFileName = path;
    return true;
}

void ShapeCommands::importLayout(int shape)
{
    const QString room = importRoomProblem(m_document.project(), shape);
    if (!room.isEmpty()) {
        warn(tr("Import Layout"), room);
        return;
    }
    const QString file = chooseLayoutFile();
    if (file.isEmpty())
        return;
    QString error;
    const std::optional<KleKeyboard> keyboard = readKleKeyboardFile(file, &error);
    if (!keyboard) {
        warn(tr("Import Layout"),
             tr("\"%1\" is not a keyboard layout. %2").arg(QDir::toNativeSeparators(file), error));
        return;
    }
    const KleImport import(*keyboard);
    if (!import.ok()) {
        warn(tr("Import Layout"), tr("\"%1\" cannot be imported; nothing was changed:").arg(QDir::toNativeSeparators(file))
                                      + u'\n' + import.refusals().join(u'\n'));
        return;
    }
    if (m_document.path().isEmpty()
        && !confirm(m_window, tr("Import Layout"),
                    tr("The layout's picture is drawn into a folder beside the project file, and the project has "
                       "none yet. Save the project first?"),
                    tr("Save As..."))) {
        return;
    }
    if (!haveProjectFile())
        return;
    const LayoutList &layouts = m_document.project().layoutList(shape);
    const int position = holdsOnlyFreshLayout(layouts) ? 0 : layouts.count();
    std::unique_ptr<SkinLayout> layout = import.layoutFor(shape, import.defaultName(file));
    if (!layout || !drawImportedPicture(*layout, shape, position))
        return;
    const QString name = layout->name;
    const QString picture = layout->picFileName;
    const int at = m_document.importLayout(shape, std::move(layout));
    Q_EMIT showView({shape, at});
    int keys = 0;
    for (const QList<KleImport::Key> &row : import.rows())
        keys += int(row.size());
    const QString imported = tr("Imported \"%1\" into %2 as layout %3: %4 rows, %5 keys, its picture drawn as \"%6\".")
                                 .arg(name, screenShapeName(shape))
                                 .arg(at)
                                 .arg(import.rows().size())
                                 .arg(keys)
                                 .arg(QDir::toNativeSeparators(picture));
    Q_EMIT note(imported);
    QMessageBox box(QMessageBox::Information, tr("Import Layout"), imported, QMessageBox::Ok, m_window);
    box.setInformativeText(import.summary().text().trimmed());
    box.exec();
}

void ShapeCommands::exportLayout(const ProjectView &view)
{
    const SkinLayout *layout = m_document.layout(view.shape, view.layout);
    if (!layout)
        return;
    const QString folder = m_document.path().isEmpty() ? fileDialogFolder({layout->picFileName})
                                                       : QFileInfo(m_document.path()).absolutePath();
    // Named as its picture would be: "hires-portrait-letters.json".
    const QString name = QFileInfo(proposedPicturePath(m_document.project(), view.shape, *layout, layout->name,
                                                       view.layout, folder, PictureFormat::Gif))
                             .completeBaseName();
    QFileDialog dialog(m_window, tr("Export Layout"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    setFileDialogFilters(dialog, {tr("Keyboard Layouts (*.json)"), tr("All Files (*.*)")});
    dialog.setDefaultSuffix(QStringLiteral("json"));
    dialog.setDirectory(folder);
    dialog.selectFile(name + QStringLiteral(".json"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString path = dialog.selectedFiles().constFirst();
    if (QFileInfo(path) == QFileInfo(m_document.path())) {
        warn(tr("Export Layout"), tr("A layout is never exported over the project file itself."));
        return;
    }
    try {
        writeFileSafely(path, exportKleLayout(*layout));
    } catch (const FileError &error) {
        QMessageBox::critical(m_window, tr("Export Layout"), error.message());
        return;
    }
    Q_EMIT note(tr("Exported the layout \"%1\" to %2.").arg(layout->name, QDir::toNativeSeparators(path)));
}

void ShapeCommands::offerFit(const Problem &problem)
{
    const SkinLayout *layout = m_document.layout(problem.shape, problem.layout);
    const int row = qMax(0, problem.row);
    const SkinRow *shown = layout ? layout->rows.at(row) : nullptr;
    if (!shown)
        return;
    showRow(row);
    // Keys that add up to nothing keep no proportion to scale: the row is on view to be mended.
    if (rowKeySum(*shown) == 0)
        return;
    const int width = problem.neededWidth - problem.widthDifference;
    const int screen = screenShapeWidth(problem.shape);
    // Fit aims at the screen's width; a row that needs another width is fixed by fitting them all.
    const bool wholeLayout = problem.neededWidth != screen;
    const QString text = wholeLayout
        ? tr("Row %1 of the layout \"%2\" is %3 pixels wide and needs %4, but the %5 screen is %6 pixels wide. "
             "Fit scales the keys of every row of the layout in proportion so that each row adds up to %6.")
              .arg(QString::number(row), layout->name, QString::number(width), QString::number(problem.neededWidth),
                   screenShapeName(problem.shape), QString::number(screen))
        : tr("Row %1 of the layout \"%2\" is %3 pixels wide and needs %4. Fit scales its keys in proportion so that "
             "they add up to %4.")
              .arg(QString::number(row), layout->name, QString::number(width), QString::number(problem.neededWidth));
    if (!confirm(m_window, tr("Fit Rows"), text, tr("Fit")))
        return;
    const FitReport report = wholeLayout ? m_document.fitRows(problem.shape, problem.layout)
                                         : m_document.fitRows(problem.shape, problem.layout, row);
    Q_EMIT layoutsChanged();
    QStringList lines;
    for (const RowNote &note : report.changed + report.leftAlone)
        lines << rowNoteText(note);
    Q_EMIT note(lines.join(u'\n'));
}

} // namespace velkari
