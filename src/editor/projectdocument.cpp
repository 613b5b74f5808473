#include "projectdocument.h"

#include "crashrecovery.h"
#include "dialogresult.h"
#include "editorsettings.h"
#include "fileerror.h"
#include "kleimport.h"
#include "layoutpictures.h"
#include "projectfile.h"

#include <QCoreApplication>
#include <QUndoStack>

namespace velkari {

namespace {

// The names Undo and Redo give the steps, in the editor's language.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(velkari::ProjectDocument)
};

} // namespace

ProjectDocument::ProjectDocument(QObject *parent, const QString &recoveryFolder)
    : QObject(parent)
    , m_history(new ProjectHistory(m_project, m_copied, this))
    , m_recovery(new CrashRecovery(m_project, this, recoveryFolder))
{
    NormalizeProject(m_project);
    m_history->reset();
    connect(m_history, &ProjectHistory::modifiedChanged, this, &ProjectDocument::modifiedChanged);
    connect(m_history, &ProjectHistory::restored, this, [this](const ProjectView &view) {
        Q_EMIT changed({DocumentChange::Kind::Restore, view});
    });
    connect(this, &ProjectDocument::changed, this, [this] { m_recovery->projectChanged(isModified()); });
    connect(this, &ProjectDocument::modifiedChanged, m_recovery, &CrashRecovery::projectChanged);
}

ProjectDocument::~ProjectDocument() = default;

bool ProjectDocument::isModified() const
{
    return m_history->isModified();
}

QUndoStack *ProjectDocument::undoStack() const
{
    return m_history->stack();
}

SkinLayout *ProjectDocument::layout(int shape, int index)
{
    return layoutAt(m_project, {shape, index});
}

SkinButton *ProjectDocument::button(const RecordPath &place)
{
    return buttonAt(m_project, place);
}

SkinLayout *ProjectDocument::copiedLayout()
{
    return m_copied.layout(m_project);
}

SkinButton *ProjectDocument::copiedButton()
{
    return m_copied.button(m_project);
}

void ProjectDocument::copyLayout(const SkinLayout *layout)
{
    m_copied.setLayout(m_project, layout);
}

void ProjectDocument::copyButton(const SkinButton *button)
{
    m_copied.setButton(m_project, button);
}

bool ProjectDocument::commit(EditStep step)
{
    if (!step.before.isValid())
        step.before = m_view;
    if (!step.after.isValid())
        step.after = m_view;
    const bool recorded = m_history->record(step);
    if (recorded)
        Q_EMIT changed({DocumentChange::Kind::Edit, step.after});
    return recorded;
}

void ProjectDocument::absorb(const ProjectView &view)
{
    m_history->absorb();
    Q_EMIT changed({DocumentChange::Kind::Edit, view});
}

bool ProjectDocument::rowIsFullFor(const RecordPath &place)
{
    const SkinLayout *layout = layoutAt(m_project, place);
    const SkinRow *row = layout ? layout->rows.at(place.row) : nullptr;
    const SkinButton *button = row ? row->buttons.at(place.button) : nullptr;
    // OK on a placeholder inside the row makes it a key where it stands.
    const bool placeInside = button && button->isPlaceholder() && place.button < row->buttons.count() - 1;
    return row && row->buttons.isFull() && !placeInside;
}

bool ProjectDocument::finishButtonDialog(const RecordPath &place, int result, bool addMode, bool pasted)
{
    const SkinLayout *layout = layoutAt(m_project, place);
    SkinRow *row = layout ? layout->rows.at(place.row) : nullptr;
    if (!row || !row->buttons.at(place.button))
        return false;
    // The "New" cell offers OK alone; a copy or removal of it would break the row's form.
    if (addMode && result != Ok)
        result = Cancel;
    switch (result) {
    case Ok: {
        // OK on a placeholder inside the row makes it a key where it stands; only the last one
        // needs a new place behind it.
        if (addMode && place.button == row->buttons.count() - 1)
            row->buttons.append(std::make_unique<SkinButton>());
        const QString action =
            addMode ? Text::tr("Add Button") : pasted ? Text::tr("Paste Button") : Text::tr("Edit Button");
        return commit({.action = action});
    }
    case InsertAfter:
    case InsertBefore:
        return insertButtonCopy(place, result == InsertAfter);
    case Delete:
        return removeButton(place);
    default:
        absorb(place.layoutPath().isValid() ? ProjectView{place.shape, place.layout} : m_view);
        return false;
    }
}

bool ProjectDocument::insertButtonCopy(const RecordPath &place, bool after)
{
    const SkinLayout *layout = layoutAt(m_project, place);
    SkinRow *row = layout ? layout->rows.at(place.button >= 0 ? place.row : -1) : nullptr;
    const SkinButton *button = row ? row->buttons.at(place.button) : nullptr;
    if (!button || button->isPlaceholder())
        return false;
    const int at = after ? place.button + 1 : place.button;
    if (!row->buttons.insertCopyAt(at, *button))
        return false;
    RecordPath inserted = place;
    inserted.button = at;
    return commit({.action = Text::tr("Insert Button"), .move = ItemMove{inserted, +1}});
}

bool ProjectDocument::removeButton(const RecordPath &place)
{
    const SkinLayout *layout = layoutAt(m_project, place);
    SkinRow *row = layout ? layout->rows.at(place.button >= 0 ? place.row : -1) : nullptr;
    const SkinButton *button = row ? row->buttons.at(place.button) : nullptr;
    if (!button || row->buttons.count() <= 1 || place.button == row->buttons.count() - 1)
        return false;
    row->buttons.removeAt(place.button);
    return commit({.action = Text::tr("Delete Button"), .move = ItemMove{place, -1}});
}

bool ProjectDocument::moveButton(const RecordPath &from, const RecordPath &to)
{
    const SkinLayout *layout = layoutAt(m_project, from);
    SkinRow *source = layout && from.isButton() ? layout->rows.at(from.row) : nullptr;
    SkinRow *target = layout && to.isButton() && to.layoutPath() == from.layoutPath() ? layout->rows.at(to.row) : nullptr;
    const SkinButton *button = source ? source->buttons.at(from.button) : nullptr;
    if (!button || !target || button->isPlaceholder())
        return false;
    const bool sameRow = source == target;
    // The "New" cell stays last: a key goes before it at the latest.
    const int last = target->buttons.count() - (sameRow ? 2 : 1);
    RecordPath landing = to;
    landing.button = qBound(0, to.button, last);
    if ((sameRow && landing.button == from.button) || (!sameRow && target->buttons.isFull()))
        return false;
    target->buttons.insertAt(landing.button, source->buttons.takeAt(from.button));
    return commit({.action = Text::tr("Move Button"), .move = {ItemMove{from, -1}, ItemMove{landing, +1}}});
}

bool ProjectDocument::pasteButton(const RecordPath &place)
{
    SkinButton *button = buttonAt(m_project, place);
    const SkinButton *source = copiedButton();
    if (!button || !source)
        return false;
    const bool placeholder = button->isPlaceholder();
    if (placeholder && rowIsFullFor(place))
        return false;
    button->copyFieldsFrom(*source);
    if (!placeholder)
        return commit({.action = Text::tr("Paste Button")});
    // A pasted placeholder is a key as OK would make it; only the last needs a new place behind it.
    button->flags &= quint16(~ButtonFlagPlaceholder);
    return finishButtonDialog(place, Ok, true, true);
}

bool ProjectDocument::canAddLayout(int shape) const
{
    // The last of the list's 20 places is never filled by Add Layout.
    return shape >= 0 && shape < ScreenShapeCount && m_project.layoutList(shape).count() < LayoutList::capacity - 1;
}

bool ProjectDocument::addLayout(int shape, std::unique_ptr<SkinLayout> layout)
{
    if (!canAddLayout(shape) || !layout)
        return false;
    LayoutList &layouts = m_project.layoutList(shape);
    SkinLayout &added = *layout;
    layouts.append(std::move(layout));
    FixRowPlaceholders(added);
    // Redo shows the layout it adds; undo the one on show before.
    return commit({.action = Text::tr("Add Layout"), .after = {shape, added.index}});
}

bool ProjectDocument::finishLayoutDialog(int shape, int index, int result, bool pasted)
{
    SkinLayout *edited = layout(shape, index);
    if (!edited)
        return false;
    switch (result) {
    case Ok:
        FixRowPlaceholders(*edited);
        return commit({.action = pasted ? Text::tr("Paste Layout") : Text::tr("Edit Layout"),
                       .before = {shape, index},
                       .after = {shape, index}});
    case Delete:
        return removeLayout(shape, index);
    default:
        absorb({shape, index});
        return false;
    }
}

bool ProjectDocument::removeLayout(int shape, int index)
{
    if (shape < 0 || shape >= ScreenShapeCount)
        return false;
    LayoutList &layouts = m_project.layoutList(shape);
    if (layouts.count() <= 1 || !removeLayoutKeepingLinks(layouts, index))
        return false;
    return commit({.action = Text::tr("Delete Layout"),
                   .before = {shape, index},
                   .after = {shape, qMin(index, layouts.count() - 1)},
                   .move = ItemMove{{shape, index}, -1}});
}

bool ProjectDocument::setPicture(int shape, int index, const QString &path)
{
    SkinLayout *changed = layout(shape, index);
    if (!changed || changed->picFileName == path)
        return false;
    changed->picFileName = path;
    return commit({.action = Text::tr("Set Picture"), .before = {shape, index}, .after = {shape, index}});
}

bool ProjectDocument::commitFit(const FitReport &report, int shape, int layout, const QString &action)
{
    if (report.changed.isEmpty())
        return false;
    const ProjectView view{shape, layout >= 0 ? layout : m_view.layout};
    return commit({.action = action, .before = view, .after = view});
}

FitReport ProjectDocument::fitRows(int shape, int layout, int row)
{
    const FitReport report = layout < 0 ? fitShape(m_project, shape)
        : row < 0                       ? fitLayout(m_project, shape, layout)
                                        : fitRow(m_project, shape, layout, row);
    commitFit(report, shape, layout, Text::tr("Fit Rows"));
    return report;
}

FitReport ProjectDocument::equalRowWidths(int shape, int layout, int row)
{
    const FitReport report = velkari::equalRowWidths(m_project, shape, layout, row);
    commitFit(report, shape, layout, Text::tr("Equal Widths"));
    return report;
}

ProjectDocument::Derived ProjectDocument::deriveShapes(int from, const QList<int> &targets, bool replaceShapesInUse,
                                                       const KeyboardTheme &fallbackTheme, bool fitSource)
{
    Derived derived;
    const QList<int> shapes = deriveTargets(from, targets);
    const bool refused = shapes.isEmpty() || (!replaceShapesInUse && !shapesInUse(m_project, shapes).isEmpty());
    // Before the copies are made, so that they lack the rows too; only where a picture is to be
    // drawn, since an author's picture shows the rows it was made for.
    if (fitSource && !refused) {
        for (const auto &layout : m_project.layoutList(from)) {
            if (!hasReadablePicture(*layout))
                derived.emptyRowsRemoved += removeEmptyLastRows(*layout);
        }
    }
    derived.report = velkari::deriveShapes(m_project, from, targets, replaceShapesInUse);
    if (derived.report.derived.isEmpty())
        return derived;
    // The copies were scaled from the source's proportions, which fitting keeps.
    if (fitSource)
        derived.sourceFitted = fitShape(m_project, from);
    // The layouts are the step whatever becomes of their pictures; a picture that cannot be
    // written is reported once the step is made.
    try {
        if (fitSource)
            drawMissingPictures(from, fallbackTheme, derived.pictures);
        const DerivedPictures written = writeDerivedPictures(m_project, from, derived.report.derived,
                                                             pictureFolderFor(path()), fallbackTheme);
        derived.pictures.written.append(written.written);
        derived.pictures.problems.append(written.problems);
    } catch (const FileError &error) {
        derived.pictures.problems.append(error.message());
    }
    commit({.action = Text::tr("Derive Shapes")});
    return derived;
}

void ProjectDocument::drawMissingPictures(int shape, const KeyboardTheme &theme, DerivedPictures &pictures)
{
    const QString folder = pictureFolderFor(path());
    for (const auto &layout : m_project.layoutList(shape)) {
        if (hasReadablePicture(*layout))
            continue;
        const QString problem = redrawLayoutPicture(m_project, shape, layout->index, folder, theme);
        if (problem.isEmpty())
            pictures.written.append({shape, layout->index, layout->picFileName, true});
        else
            pictures.problems.append(problem);
    }
}

QString ProjectDocument::redrawPicture(int shape, int index, const KeyboardTheme &fallbackTheme)
{
    const QString problem = redrawLayoutPicture(m_project, shape, index, pictureFolderFor(path()), fallbackTheme);
    if (problem.isEmpty())
        commit({.action = Text::tr("Redraw Picture"), .before = {shape, index}, .after = {shape, index}});
    return problem;
}

QString ProjectDocument::scalePicture(int shape, int index)
{
    const QString problem = scaleLayoutPicture(m_project, shape, index);
    if (problem.isEmpty())
        commit({.action = Text::tr("Scale Picture"), .before = {shape, index}, .after = {shape, index}});
    return problem;
}

int ProjectDocument::importLayout(int shape, std::unique_ptr<SkinLayout> layout)
{
    const int position = addImportedLayout(m_project, shape, std::move(layout));
    if (position >= 0)
        commit({.action = Text::tr("Import Layout"), .after = {shape, position}});
    return position;
}

KeyMapReport ProjectDocument::readKeys(int shape, int index, const PictureKeyMap &map)
{
    SkinLayout *read = layout(shape, index);
    if (!read || map.isEmpty())
        return {};
    const KeyMapReport report = applyKeyMap(*read, map);
    commit({.action = Text::tr("Read Keys from Picture"), .before = {shape, index}, .after = {shape, index}});
    return report;
}

bool ProjectDocument::setTextColor(quint32 color)
{
    m_project.textColor = color;
    return commit({.action = Text::tr("Change Text Color"), .settingsOnly = true});
}

bool ProjectDocument::setHighlightColor(quint32 color)
{
    m_project.highlightColor = color;
    return commit({.action = Text::tr("Change Highlight Color"), .settingsOnly = true});
}

bool ProjectDocument::setHelpFileName(const QString &name)
{
    m_project.helpFileName = name;
    return commit({.action = Text::tr("Change Help File Name"), .settingsOnly = true, .mergeId = HelpFileNameMergeId});
}

void ProjectDocument::sealHelpFileName()
{
    m_history->seal();
}

void ProjectDocument::undo()
{
    m_history->undo();
}

void ProjectDocument::redo()
{
    m_history->redo();
}

QAction *ProjectDocument::createUndoAction(QObject *parent) const
{
    // Qt's own "Undo %1", translated with Qt's texts.
    return m_history->stack()->createUndoAction(parent);
}

QAction *ProjectDocument::createRedoAction(QObject *parent) const
{
    return m_history->stack()->createRedoAction(parent);
}

void ProjectDocument::replaced(bool newProject)
{
    // New and Open replace the whole project, and its history with it.
    m_history->reset();
    m_recovery->discard();
    Q_EMIT changed({DocumentChange::Kind::Replace, {0, 0}, newProject});
}

void ProjectDocument::setPath(const QString &path)
{
    m_project.projectPath = path;
    if (!path.isEmpty())
        EditorSettings().addRecentProject(path);
    Q_EMIT pathChanged(path);
}

void ProjectDocument::replaceWithNew()
{
    m_copied.clear();
    m_project.resetToDefaults();
    NormalizeProject(m_project);
    setPath({});
    replaced(true);
}

bool ProjectDocument::replaceFromFile(const QString &path, LoadReport *report)
{
    if (!loadProjectFile(m_project, path, report))
        return false;
    m_copied.clear();
    setPath(path);
    replaced(false);
    return true;
}

bool ProjectDocument::replaceFromRecovery(const RecoveryStore::Copy &copy, QString *damage)
{
    if (!m_recovery->store().take(copy, m_project, damage))
        return false;
    m_copied.clear();
    NormalizeProject(m_project);
    setPath(m_project.projectPath);
    m_history->reset();
    // The copy holds changes its project's file does not.
    m_history->markUnsaved();
    Q_EMIT changed({DocumentChange::Kind::Replace, {0, 0}, false});
    return true;
}

void ProjectDocument::saveTo(const QString &path)
{
    saveProjectFile(m_project, path);
    if (path != m_project.projectPath)
        setPath(path);
    m_history->markSaved();
}

void ProjectDocument::reportSkinWritten(const QString &skinPath, qint64 bytes)
{
    Q_EMIT skinWritten(skinPath, m_project.layoutCount(), bytes);
}

} // namespace velkari
