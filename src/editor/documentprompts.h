#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <optional>

namespace velkari {

// What New makes: an empty project, or a template's with its pictures drawn in a theme.
struct NewProjectChoice
{
    QString templateName; // empty for an empty project
    QString theme;
};

// The questions the file commands put to the user and the messages they give, so that they run
// without widgets: the editor answers with Qt dialogs, the tests with a scripted fake. What the
// commands change is told by the document's signals, not through here.
class DocumentPrompts
{
public:
    enum class Answer { Yes, No, Cancel };
    enum class Icon { Information, Warning, Stop };

    virtual ~DocumentPrompts() = default;

    // "Do you want to save the changes!" with Yes, No and Cancel.
    virtual Answer askToSaveChanges() = 0;
    // The project file to open or to save as; empty when the user cancelled.
    virtual QString askOpenPath() = 0;
    virtual QString askSavePath() = 0;
    // Which project New makes; nothing when the user cancelled.
    virtual std::optional<NewProjectChoice> askNewProject() = 0;
    // True when the user agrees that the files, which exist, are replaced.
    virtual bool askToReplaceFiles(const QStringList &paths) = 0;
    // Whether to restore the changes an editor that ended without saving left in a recovery copy
    // of `projectPath` (empty for a project never saved), written at `written`.
    virtual bool askToRestoreRecoveryCopy(const QString &projectPath, const QDateTime &written) = 0;
    virtual void showMessage(const QString &text, const QString &caption, Icon icon) = 0;
    // Calls nest; the cursor is back to normal once every begin has its end.
    virtual void beginWait() = 0;
    virtual void endWait() = 0;
};

// Holds the wait cursor for a scope, also when the scope is left by an exception.
class WaitCursor
{
public:
    explicit WaitCursor(DocumentPrompts &prompts)
        : m_prompts(&prompts)
    {
        m_prompts->beginWait();
    }
    ~WaitCursor() { release(); }
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;

    void release()
    {
        if (m_prompts)
            m_prompts->endWait();
        m_prompts = nullptr;
    }

private:
    DocumentPrompts *m_prompts;
};

} // namespace velkari
