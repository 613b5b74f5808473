#include "filecommands.h"

#include "keyboardpainter.h"
#include "projectdocument.h"
#include "projectfile.h"
#include "skinfile.h"
#include "templateproject.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace velkari {

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(velkari::FileCommands)
};

} // namespace

QString saveChangesQuestion()
{
    return Text::tr("Do you want to save the changes!");
}

QString openProjectTitle()
{
    return Text::tr("Open Velkari Skin Project");
}

QStringList projectFileFilters()
{
    return {Text::tr("Velkari Skin Project Files (*.vsp)"), Text::tr("All Files (*.*)")};
}

QString editorWindowTitle(const QString &projectPath)
{
    return projectPath.isEmpty() ? applicationName() : applicationName() + u'-' + projectPath;
}

bool ConfirmDiscard(ProjectDocument &document, DocumentPrompts &prompts)
{
    if (!document.isModified())
        return true;
    switch (prompts.askToSaveChanges()) {
    case DocumentPrompts::Answer::Cancel:
        return false;
    case DocumentPrompts::Answer::No:
        return true;
    case DocumentPrompts::Answer::Yes:
        ProjectSave(document, prompts);
        return !document.isModified();
    }
    return false;
}

namespace {

// Writes the chosen template's project to `path`, its pictures drawn into the folder beside it.
// False when nothing was written because the user declined to replace pictures or they could not
// be drawn (said in a message). Raises FileError when a file cannot be written.
bool writeTemplateProject(const NewProjectChoice &choice, const QString &path, DocumentPrompts &prompts)
{
    const std::optional<KeyboardTheme> theme = KeyboardTheme::named(choice.theme);
    SkinProject project;
    QList<PictureJob> jobs;
    if (!theme || !planTemplateProject(project, jobs, choice.templateName, path))
        return false;
    const QStringList inTheWay = picturesInTheWay(project, jobs);
    if (!inTheWay.isEmpty() && !prompts.askToReplaceFiles(inTheWay))
        return false;
    const QStringList problems = writeProjectWithPictures(project, jobs, KeyboardPainter(*theme));
    if (problems.isEmpty())
        return true;
    prompts.showMessage(problems.join(u'\n'), applicationName(), DocumentPrompts::Icon::Stop);
    return false;
}

} // namespace

void ProjectNew(ProjectDocument &document, DocumentPrompts &prompts)
{
    if (!ConfirmDiscard(document, prompts))
        return;
    const std::optional<NewProjectChoice> choice = prompts.askNewProject();
    if (!choice)
        return;
    if (choice->templateName.isEmpty()) {
        document.replaceWithNew();
        return;
    }
    const QString path = prompts.askSavePath();
    if (path.isEmpty())
        return;
    bool written = false;
    {
        WaitCursor wait(prompts);
        written = writeTemplateProject(*choice, path, prompts);
    }
    if (written)
        openProjectPath(document, prompts, path);
}

bool openProjectPath(ProjectDocument &document, DocumentPrompts &prompts, const QString &path)
{
    LoadReport report;
    {
        WaitCursor wait(prompts);
        if (!document.replaceFromFile(path, &report)) {
            wait.release();
            prompts.showMessage(report.damage.isEmpty() ? invalidProjectMessage()
                                                        : damagedProjectMessage(path, report.damage),
                                applicationName(), DocumentPrompts::Icon::Stop);
            return false;
        }
    }
    if (!report.isEmpty())
        prompts.showMessage(report.message(), applicationName(), DocumentPrompts::Icon::Warning);
    return true;
}

void ProjectOpen(ProjectDocument &document, DocumentPrompts &prompts)
{
    if (!ConfirmDiscard(document, prompts))
        return;
    const QString path = prompts.askOpenPath();
    if (!path.isEmpty())
        openProjectPath(document, prompts, path);
}

void ProjectSave(ProjectDocument &document, DocumentPrompts &prompts)
{
    if (document.path().isEmpty()) {
        ProjectSaveAs(document, prompts);
        return;
    }
    WaitCursor wait(prompts);
    document.saveTo(document.path());
}

void ProjectSaveAs(ProjectDocument &document, DocumentPrompts &prompts)
{
    WaitCursor wait(prompts);
    const QString path = prompts.askSavePath();
    // The new path is adopted only once the file is written, so a failed Save As leaves the
    // project where it was.
    if (!path.isEmpty())
        document.saveTo(path);
}

void CreateSkin(ProjectDocument &document, DocumentPrompts &prompts)
{
    if (document.isModified()) {
        ProjectSave(document, prompts);
        if (document.isModified())
            return;
    }
    // A skin goes beside its project; a project that has never been saved has no place yet.
    if (document.path().isEmpty()) {
        ProjectSaveAs(document, prompts);
        if (document.path().isEmpty())
            return;
    }
    WaitCursor wait(prompts);
    const QString failure = firstValidationFailure(document.project());
    if (!failure.isEmpty()) {
        wait.release();
        prompts.showMessage(failure, Text::tr("Error"), DocumentPrompts::Icon::Stop);
        return;
    }
    const QString skinPath = skinFilePath(document.path());
    writeSkinFile(document.project(), skinPath);
    wait.release();
    document.reportSkinWritten(skinPath, QFileInfo(skinPath).size());
}

} // namespace velkari
