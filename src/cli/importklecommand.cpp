#include "commandruns.h"
#include "commandsupport.h"

#include "drawsupport.h"
#include "kleimport.h"
#include "projectfile.h"

#include <QDir>
#include <QFileInfo>
#include <QTextStream>

namespace velkari {

namespace {

std::optional<KleKeyboard> readLayoutFile(const CliContext &context, const QString &path)
{
    if (!checkInputReadable(context, path))
        return std::nullopt;
    QString problem;
    std::optional<KleKeyboard> keyboard = readKleKeyboardFile(path, &problem);
    if (!keyboard)
        context.message(QStringLiteral("%1 is not a keyboard layout. %2").arg(path, problem));
    return keyboard;
}

// The project to import into: the file as it is, or a new one where there is none (or, with
// --force, where the file is not a project).
bool projectToImportInto(const CliContext &context, SkinProject &project, const QString &path, bool force)
{
    const QFileInfo info(path);
    if (info.exists()) {
        if (!checkInputReadable(context, path))
            return false;
        LoadReport report;
        if (loadProjectFile(project, path, &report)) {
            if (!report.isEmpty())
                context.message(report.message());
            return true;
        }
        if (!force) {
            context.message(
                QStringLiteral("%1 is not a skin project; --force replaces it").arg(QDir::toNativeSeparators(path)));
            return false;
        }
    }
    NormalizeProject(project);
    project.projectPath = path;
    return true;
}

} // namespace

int runImportKle(CliContext &context, const CommandLine &line)
{
    // Every shape when the command line names none, each once, in the shapes' order.
    QList<int> shapes;
    for (int shape = 0; shape < ScreenShapeCount; ++shape) {
        if (!line.has("--shape") || line.shapes("--shape").contains(shape))
            shapes.append(shape);
    }
    const QString layoutPath = line.argument(0);
    const QString projectPath = absolutePathOf(line.argument(1));
    const bool force = line.has("--force");
    if (refuseOutputOverInput(context, {layoutPath}, projectPath))
        return ExitFailed;

    const std::optional<KleKeyboard> keyboard = readLayoutFile(context, layoutPath);
    if (!keyboard)
        return ExitFailed;
    const KleImport import(*keyboard);
    if (!import.ok()) {
        QString refusal = QStringLiteral("%1 cannot be imported; nothing was written:").arg(layoutPath);
        for (const QString &reason : import.refusals())
            refusal += QStringLiteral("\n  ") + reason;
        return context.fail(refusal);
    }
    QString name = line.text("--name");
    if (name.isEmpty())
        name = import.defaultName(layoutPath);

    SkinProject project;
    if (!projectToImportInto(context, project, projectPath, force))
        return ExitFailed;
    bool room = true;
    for (int shape : shapes) {
        const QString problem = importRoomProblem(project, shape);
        if (!problem.isEmpty()) {
            context.message(problem + QStringLiteral(" Nothing was written."));
            room = false;
        }
    }
    if (!room)
        return ExitFailed;
    QList<PictureJob> jobs;
    for (int shape : shapes) {
        const int position = addImportedLayout(project, shape, import.layoutFor(shape, name));
        const SkinLayout &layout = *project.layoutList(shape).at(position);
        jobs.append({shape, position,
                     proposedPicturePath(project, shape, layout, name, position, pictureFolderFor(projectPath),
                                         PictureFormat::Gif),
                     PictureFormat::Gif});
    }
    if (!writeProjectAndPictures(context, project, jobs, line.theme(), force))
        return ExitFailed;

    int keys = 0;
    for (const QList<KleImport::Key> &row : import.rows())
        keys += int(row.size());
    context.out() << QStringLiteral("Imported \"%1\" into %2: %3 rows, %4 keys\n")
                       .arg(name, QDir::toNativeSeparators(projectPath))
                       .arg(import.rows().size())
                       .arg(keys);
    for (const PictureJob &job : jobs) {
        context.out() << QStringLiteral("  %1, layout %2: %3\n")
                           .arg(screenShapeName(job.shape))
                           .arg(job.layout)
                           .arg(QDir::toNativeSeparators(job.path));
    }
    context.out() << import.summary().text();
    return ExitSuccess;
}

} // namespace velkari
