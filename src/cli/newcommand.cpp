#include "commandruns.h"
#include "commandsupport.h"

#include "drawsupport.h"
#include "projectfile.h"
#include "templateproject.h"

#include <QDir>
#include <QFileInfo>
#include <QTextStream>

namespace velkari {

namespace {

// Refuses to replace an existing project unless `force`.
bool projectInTheWay(const CliContext &context, const QString &path, bool force)
{
    if (force || !QFileInfo::exists(path))
        return false;
    context.message(QDir::toNativeSeparators(path) + QStringLiteral(" exists; --force replaces it"));
    return true;
}

int newFromTemplate(CliContext &context, const CommandLine &line)
{
    SkinProject project;
    QList<PictureJob> jobs;
    if (!planTemplateProject(project, jobs, line.text("--template"), absolutePathOf(line.argument(0))))
        return context.fail(QStringLiteral("there is no template \"%1\"").arg(line.text("--template")));
    const QString path = project.projectPath;
    const bool force = line.has("--force");
    if (projectInTheWay(context, path, force) || !writeProjectAndPictures(context, project, jobs, line.theme(), force))
        return ExitFailed;
    context.out() << "Wrote " << QDir::toNativeSeparators(path) << " and its " << jobs.size() << " pictures in "
                  << QDir::toNativeSeparators(pictureFolderFor(path)) << '\n';
    return ExitSuccess;
}

} // namespace

int runNew(CliContext &context, const CommandLine &line)
{
    if (line.has("--template"))
        return newFromTemplate(context, line);
    const QString path = absolutePathOf(line.argument(0));
    if (projectInTheWay(context, path, line.has("--force")))
        return ExitFailed;
    SkinProject project;
    NormalizeProject(project);
    saveProjectFile(project, path);
    return ExitSuccess;
}

} // namespace velkari
