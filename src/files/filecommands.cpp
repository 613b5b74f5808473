#include "filecommands.h"

#include "projectfile.h"
#include "skinfile.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace velkari {

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(velkari::FileCommands)
};

} // namespace

QString SaveChangesQuestion()
{
    return Text::tr("Do you want to save the changes!");
}

QString InvalidProjectMessage()
{
    return Text::tr("Invalid Velkari Skin Project File!");
}

QString OpenProjectTitle()
{
    return Text::tr("Open Velkari Skin Project");
}

QStringList ProjectFileFilters()
{
    return {Text::tr("Velkari Skin Project Files (*.vsp)"), Text::tr("All Files (*.*)")};
}

QString WindowTitle(const QString &projectPath)
{
    return projectPath.isEmpty() ? ApplicationName() : ApplicationName() + u'-' + projectPath;
}

bool ConfirmDiscard(SkinProject &project, FileCommandHost &host)
{
    if (!project.modified)
        return true;
    switch (host.askToSaveChanges()) {
    case FileCommandHost::Answer::Cancel:
        return false;
    case FileCommandHost::Answer::No:
        return true;
    case FileCommandHost::Answer::Yes:
        ProjectSave(project, host);
        return !project.modified;
    }
    return false;
}

void ProjectNew(SkinProject &project, FileCommandHost &host)
{
    if (!ConfirmDiscard(project, host))
        return;
    const std::optional<NewProjectChoice> choice = host.askNewProject();
    if (!choice)
        return;
    if (choice->templateName.isEmpty()) {
        NewEmptyProject(project, host);
        return;
    }
    const QString path = host.askSavePath();
    if (path.isEmpty())
        return;
    bool written = false;
    {
        WaitCursor wait(host);
        written = host.writeTemplateProject(*choice, path);
    }
    if (written)
        OpenProjectPath(project, host, path);
}

void NewEmptyProject(SkinProject &project, FileCommandHost &host)
{
    project.resetToDefaults();
    host.setTitle(WindowTitle(project.projectPath));
    host.showProjectSettings();
    NormalizeProject(project);
    host.resetView(true);
    // Last: showing the help file name changes its field, and every change of it marks the
    // project modified.
    project.modified = false;
}

bool OpenProjectPath(SkinProject &project, FileCommandHost &host, const QString &path)
{
    LoadReport report;
    {
        WaitCursor wait(host);
        if (!LoadProjectFile(project, path, &report)) {
            wait.release();
            host.showMessage(report.damage.isEmpty() ? InvalidProjectMessage() : DamagedProjectMessage(path, report.damage),
                             ApplicationName(), FileCommandHost::Icon::Stop);
            return false;
        }
        host.setTitle(WindowTitle(project.projectPath));
        host.showProjectSettings();
        host.resetView(false);
        project.modified = false;
    }
    if (!report.isEmpty())
        host.showMessage(report.message(), ApplicationName(), FileCommandHost::Icon::Warning);
    return true;
}

void ProjectOpen(SkinProject &project, FileCommandHost &host)
{
    if (!ConfirmDiscard(project, host))
        return;
    const QString path = host.askOpenPath();
    if (!path.isEmpty())
        OpenProjectPath(project, host, path);
}

void ProjectSave(SkinProject &project, FileCommandHost &host)
{
    if (project.projectPath.isEmpty()) {
        ProjectSaveAs(project, host);
        return;
    }
    WaitCursor wait(host);
    project.helpFileName = host.helpFileNameText();
    SaveProjectFile(project, project.projectPath);
    project.modified = false;
}

void ProjectSaveAs(SkinProject &project, FileCommandHost &host)
{
    WaitCursor wait(host);
    const QString path = host.askSavePath();
    if (path.isEmpty())
        return;
    // The new path is adopted only once the file is written, so a failed Save As leaves the
    // project where it was.
    project.helpFileName = host.helpFileNameText();
    SaveProjectFile(project, path);
    project.projectPath = path;
    project.modified = false;
    host.setTitle(WindowTitle(path));
}

void CreateSkin(SkinProject &project, FileCommandHost &host)
{
    if (project.modified) {
        ProjectSave(project, host);
        if (project.modified)
            return;
    }
    // A skin goes beside its project; a project that has never been saved has no place yet.
    if (project.projectPath.isEmpty()) {
        ProjectSaveAs(project, host);
        if (project.projectPath.isEmpty())
            return;
    }
    WaitCursor wait(host);
    const QString failure = FirstValidationFailure(project);
    if (!failure.isEmpty()) {
        wait.release();
        host.showMessage(failure, Text::tr("Error"), FileCommandHost::Icon::Stop);
        return;
    }
    const QString skinPath = SkinFilePath(project.projectPath);
    WriteSkinFile(project, skinPath);
    project.modified = false;
    wait.release();
    host.reportSkinWritten(skinPath, project.layoutCount(), QFileInfo(skinPath).size());
}

} // namespace velkari
