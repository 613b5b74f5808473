#pragma once

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

// Everything the file commands need from the window, so that they run without widgets: the
// editor implements it with Qt dialogs, the tests with a scripted fake.
class FileCommandHost
{
public:
    enum class Answer { Yes, No, Cancel };
    enum class Icon { Information, Warning, Stop };

    virtual ~FileCommandHost() = default;

    // "Do you want to save the changes!" with Yes, No and Cancel.
    virtual Answer askToSaveChanges() = 0;
    // The project file to open or to save as; empty when the user cancelled.
    virtual QString askOpenPath() = 0;
    virtual QString askSavePath() = 0;
    virtual void showMessage(const QString &text, const QString &caption, Icon icon) = 0;
    // Calls nest; the cursor is back to normal once every begin has its end.
    virtual void beginWait() = 0;
    virtual void endWait() = 0;
    virtual void setTitle(const QString &title) = 0;
    // The colours and the help file name of the project changed: show them.
    virtual void showProjectSettings() = 0;
    // The text of the help file name field as the user left it.
    virtual QString helpFileNameText() = 0;
    // After the project was rebuilt: current layout 0 (and shape 0 unless the first shape is to
    // be selected), the first shape selected when asked, then a full refresh.
    virtual void resetView(bool selectFirstShape) = 0;
    // Which project New makes; nothing when the user cancelled.
    virtual std::optional<NewProjectChoice> askNewProject() = 0;
    // Writes the chosen template's project to `path`, its pictures drawn into the folder beside
    // it. False when nothing was written because the user declined to replace pictures or they
    // could not be drawn (the host has said why). Raises FileError when a file cannot be written.
    virtual bool writeTemplateProject(const NewProjectChoice &choice, const QString &path) = 0;
    // Create Skin succeeded: said in the status line rather than in a box, so that building skin
    // after skin is not interrupted. `layoutCount` counts every shape's layouts.
    virtual void reportSkinWritten(const QString &skinPath, int layoutCount, qint64 bytes) = 0;
};

// Holds the wait cursor for a scope, also when the scope is left by an exception.
class WaitCursor
{
public:
    explicit WaitCursor(FileCommandHost &host)
        : m_host(&host)
    {
        m_host->beginWait();
    }
    ~WaitCursor() { release(); }
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;

    void release()
    {
        if (m_host)
            m_host->endWait();
        m_host = nullptr;
    }

private:
    FileCommandHost *m_host;
};

} // namespace velkari
