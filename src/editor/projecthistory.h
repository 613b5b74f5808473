#pragma once

#include "copiedrecords.h"
#include "projectstate.h"

#include <QObject>
#include <QString>

#include <optional>

class QUndoStack;

namespace velkari {

// The shape and layout on view in the main window.
struct ProjectView
{
    int shape = -1;
    int layout = -1;

    bool isValid() const { return shape >= 0; }
};

// What the document tells the history about a change it has just made to the project.
struct EditStep
{
    QString action {};         // the name Undo and Redo show
    ProjectView before {};     // shown again on undo; the view at recording when not given
    ProjectView after {};      // shown again on redo; the view at recording when not given
    ItemMoves move {};         // layouts or buttons inserted or removed, for the copied references
    bool settingsOnly = false; // no layout was touched, so none is written out anew
    int mergeId = -1;          // steps with one id in a row become one until the history seals it
};

// The undo history of the project: every change is one step holding the project before and after
// in its file form. Undo and redo put a state back, only the layouts that differ being rebuilt, and
// keep the copied references on their records. Whether the project is modified is the stack's
// clean state alone.
class ProjectHistory : public QObject
{
    Q_OBJECT

public:
    ProjectHistory(SkinProject &project, CopiedRecords &copied, QObject *parent = nullptr);
    ~ProjectHistory() override;

    QUndoStack *stack() const { return m_stack; }
    bool isModified() const { return m_modified; }

    // New and Open: the history starts again from the project as it now stands, which is saved.
    void reset();
    // The project differs from its file, and no step leads back to it (a recovery copy put back).
    void markUnsaved();
    // Makes the change just made one step; false when the project holds what it held.
    bool record(const EditStep &step);
    // A change that is no step of its own (what a cancelled dialog leaves behind) becomes part of
    // the state: the last step redoes to it and the next step undoes to it.
    void absorb();
    // The next step starts anew even if it could join the last one.
    void seal();
    // The project was saved as it stands.
    void markSaved();

    void undo();
    void redo();

Q_SIGNALS:
    // After undo or redo put a state back: the window shows `view` and the project anew.
    void restored(const ProjectView &view);
    void modifiedChanged(bool modified);

private:
    class Step;

    void apply(const ProjectState &state, const ProjectView &view, const ItemMoves &moves);
    void stackMoved();

    SkinProject &m_project;
    CopiedRecords &m_copied;
    QUndoStack *m_stack;
    ProjectState m_current;
    std::optional<ProjectView> m_restoredView;
    bool m_modified = false;
};

} // namespace velkari
