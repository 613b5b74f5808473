#include "projecthistory.h"

#include <QUndoStack>

namespace velkari {

class ProjectHistory::Step : public QUndoCommand
{
public:
    Step(ProjectHistory &history, const EditStep &step, ProjectState before, ProjectState after)
        : QUndoCommand(step.action)
        , m_history(history)
        , m_before(std::move(before))
        , m_after(std::move(after))
        , m_beforeView(step.before)
        , m_afterView(step.after)
        , m_move(step.move)
        , m_mergeId(step.mergeId)
    {
    }

    void undo() override
    {
        m_sealed = true;
        m_history.apply(m_before, m_beforeView, m_move.reversed());
    }

    void redo() override
    {
        // Pushed after the change was made: the project already holds it.
        if (m_pushed)
            m_history.apply(m_after, m_afterView, m_move);
        m_pushed = true;
        m_sealed = m_sealed || m_mergeId < 0;
    }

    int id() const override { return m_mergeId; }

    bool mergeWith(const QUndoCommand *other) override
    {
        if (m_sealed)
            return false;
        const auto *next = static_cast<const Step *>(other);
        m_after = next->m_after;
        m_afterView = next->m_afterView;
        setObsolete(m_after == m_before);
        return true;
    }

    void seal() { m_sealed = true; }
    void setAfter(const ProjectState &after) { m_after = after; }

private:
    ProjectHistory &m_history;
    ProjectState m_before;
    ProjectState m_after;
    ProjectView m_beforeView;
    ProjectView m_afterView;
    ItemMoves m_move;
    int m_mergeId;
    bool m_pushed = false;
    bool m_sealed = false;
};

ProjectHistory::ProjectHistory(SkinProject &project, CopiedRecords &copied, QObject *parent)
    : QObject(parent)
    , m_project(project)
    , m_copied(copied)
    , m_stack(new QUndoStack(this))
{
    connect(m_stack, &QUndoStack::indexChanged, this, &ProjectHistory::stackMoved);
    connect(m_stack, &QUndoStack::cleanChanged, this, &ProjectHistory::stackMoved);
}

ProjectHistory::~ProjectHistory() = default;

void ProjectHistory::reset()
{
    m_stack->clear();
    m_current = ProjectState::capture(m_project);
    stackMoved();
}

void ProjectHistory::markUnsaved()
{
    m_stack->resetClean();
    stackMoved();
}

bool ProjectHistory::record(const EditStep &step)
{
    ProjectState after = step.settingsOnly ? ProjectState::captureSettings(m_project, m_current)
                                           : ProjectState::capture(m_project, &m_current);
    if (after == m_current)
        return false;
    if (m_stack->index() > 0 && m_stack->command(m_stack->index() - 1)->id() != step.mergeId)
        seal();
    auto *command = new Step(*this, step, m_current, after);
    m_current = std::move(after);
    m_stack->push(command);
    return true;
}

void ProjectHistory::absorb()
{
    m_current = ProjectState::capture(m_project, &m_current);
    if (m_stack->index() > 0)
        static_cast<Step *>(const_cast<QUndoCommand *>(m_stack->command(m_stack->index() - 1)))->setAfter(m_current);
}

void ProjectHistory::seal()
{
    if (m_stack->index() > 0)
        static_cast<Step *>(const_cast<QUndoCommand *>(m_stack->command(m_stack->index() - 1)))->seal();
}

void ProjectHistory::markSaved()
{
    m_stack->setClean();
    stackMoved();
}

void ProjectHistory::undo()
{
    m_stack->undo();
}

void ProjectHistory::redo()
{
    m_stack->redo();
}

void ProjectHistory::apply(const ProjectState &state, const ProjectView &view, const ItemMoves &moves)
{
    const CopiedRecords::Places places = m_copied.locate(m_project);
    state.restore(m_project, m_current);
    m_current = state;
    m_copied.attach(m_project, places, moves);
    m_restoredView = view;
}

// Once the stack has settled on its new place, so that `modified` is already right for whoever
// follows the change.
void ProjectHistory::stackMoved()
{
    const bool modified = !m_stack->isClean();
    if (modified != m_modified) {
        m_modified = modified;
        Q_EMIT modifiedChanged(modified);
    }
    if (m_restoredView) {
        const ProjectView view = *m_restoredView;
        m_restoredView.reset();
        Q_EMIT restored(view);
    }
}

} // namespace velkari
