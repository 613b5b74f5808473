#include "projectdocument.h"

#include "crashrecovery.h"
#include "dialogresult.h"
#include "editorsettings.h"
#include "projectfile.h"

#include <QCoreApplication>
#include <QUndoStack>

namespace velkari {

namespace {

// The names Undo and Redo give the steps, in the editor's language.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(velkari::CViziZareroDlg)
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
    return commit({.action = Text::tr("Insert Button"), .move = {inserted, +1}});
}

bool ProjectDocument::removeButton(const RecordPath &place)
{
    const SkinLayout *layout = layoutAt(m_project, place);
    SkinRow *row = layout ? layout->rows.at(place.button >= 0 ? place.row : -1) : nullptr;
    const SkinButton *button = row ? row->buttons.at(place.button) : nullptr;
    if (!button || row->buttons.count() <= 1 || place.button == row->buttons.count() - 1)
        return false;
    row->buttons.removeAt(place.button);
    return commit({.action = Text::tr("Delete Button"), .move = {place, -1}});
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
    if (layouts.count() <= 1 || !RemoveLayout(layouts, index))
        return false;
    return commit({.action = Text::tr("Delete Layout"),
                   .before = {shape, index},
                   .after = {shape, qMin(index, layouts.count() - 1)},
                   .move = {{shape, index}, -1}});
}

bool ProjectDocument::setPicture(int shape, int index, const QString &path)
{
    SkinLayout *changed = layout(shape, index);
    if (!changed || changed->picFileName == path)
        return false;
    changed->picFileName = path;
    return commit({.action = Text::tr("Set Picture"), .before = {shape, index}, .after = {shape, index}});
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
    if (!LoadProjectFile(m_project, path, report))
        return false;
    m_copied.clear();
    setPath(path);
    replaced(false);
    return true;
}

bool ProjectDocument::replaceFromRecovery(const RecoveryStore::Copy &copy)
{
    if (!m_recovery->store().take(copy, m_project))
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
    SaveProjectFile(m_project, path);
    if (path != m_project.projectPath)
        setPath(path);
    m_history->markSaved();
}

void ProjectDocument::reportSkinWritten(const QString &skinPath, qint64 bytes)
{
    Q_EMIT skinWritten(skinPath, m_project.layoutCount(), bytes);
}

} // namespace velkari
