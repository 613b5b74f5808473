#include "clicommand.h"

#include "drawsupport.h"
#include "kleimport.h"
#include "projectfile.h"
#include "skinsource.h"

#include <QDir>
#include <QFileInfo>
#include <QTextStream>

namespace velkari {

namespace {

QList<CliOption> importOptions()
{
    return {{{}, QStringLiteral("--shape"), true, true},
            {{}, QStringLiteral("--name"), true},
            {{}, QStringLiteral("--theme"), true},
            {{}, QStringLiteral("--force"), false}};
}

// Every shape when the command line names none.
bool shapesFromCommandLine(CliContext &context, const CommandLine &line, QList<int> &shapes)
{
    for (const QString &name : line.repeated.value(ShapeOption().longName)) {
        const int shape = ShapeNamed(name);
        if (shape < 0) {
            CommandUsageError(context, ImportKleCommand(), UnknownShapeProblem(name));
            return false;
        }
        if (!shapes.contains(shape))
            shapes.append(shape);
    }
    if (shapes.isEmpty()) {
        for (int shape = 0; shape < ScreenShapeCount; ++shape)
            shapes.append(shape);
    }
    std::sort(shapes.begin(), shapes.end());
    return true;
}

std::optional<KleKeyboard> readLayoutFile(CliContext &context, const QString &path)
{
    if (!CheckInputReadable(context, path))
        return std::nullopt;
    QString problem;
    std::optional<KleKeyboard> keyboard = readKleKeyboardFile(path, &problem);
    if (!keyboard)
        context.err << QStringLiteral("velkari-skin: %1 is not a keyboard layout. %2\n").arg(path, problem);
    return keyboard;
}

// The project to import into: the file as it is, or a new one where there is none (or, with
// --force, where the file is not a project).
bool projectToImportInto(CliContext &context, SkinProject &project, const QString &path, bool force)
{
    const QFileInfo info(path);
    if (info.exists()) {
        if (!CheckInputReadable(context, path))
            return false;
        LoadReport report;
        if (LoadProjectFile(project, path, &report)) {
            if (!report.isEmpty())
                context.err << report.message() << '\n';
            return true;
        }
        if (!force) {
            context.err << QStringLiteral("velkari-skin: %1 is not a skin project; --force replaces it\n")
                               .arg(QDir::toNativeSeparators(path));
            return false;
        }
    }
    NormalizeProject(project);
    project.projectPath = path;
    return true;
}

int runImportKle(CliContext &context, const QStringList &args)
{
    const CommandLine line = ParseCommandLine(args, importOptions());
    if (!line.ok() || line.positional.size() != 2) {
        const QString problem = QStringLiteral("import-kle takes a layout file and a project file");
        return CommandUsageError(context, ImportKleCommand(), line.ok() ? problem : line.error);
    }
    QList<int> shapes;
    if (!shapesFromCommandLine(context, line, shapes))
        return ExitFailed;
    const std::optional<KeyboardTheme> theme = ThemeOption(context, ImportKleCommand(), line);
    if (!theme)
        return ExitFailed;
    const QString layoutPath = line.positional.first();
    const QString projectPath = AbsolutePath(line.positional.last());
    const bool force = line.has(QStringLiteral("--force"));
    if (RefuseOutputOverInput(context, {layoutPath}, projectPath))
        return ExitFailed;

    const std::optional<KleKeyboard> keyboard = readLayoutFile(context, layoutPath);
    if (!keyboard)
        return ExitFailed;
    const KleImport import(*keyboard);
    if (!import.ok()) {
        context.err << QStringLiteral("velkari-skin: %1 cannot be imported; nothing was written:\n").arg(layoutPath);
        for (const QString &refusal : import.refusals())
            context.err << "  " << refusal << '\n';
        return ExitFailed;
    }
    QString name = line.value(QStringLiteral("--name"));
    if (name.isEmpty())
        name = import.defaultName(layoutPath);

    SkinProject project;
    if (!projectToImportInto(context, project, projectPath, force))
        return ExitFailed;
    bool room = true;
    for (int shape : shapes) {
        const QString problem = importRoomProblem(project, shape);
        if (!problem.isEmpty()) {
            context.err << "velkari-skin: " << problem << " Nothing was written.\n";
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
    if (!WriteProjectAndPictures(context, project, jobs, *theme, force))
        return ExitFailed;

    int keys = 0;
    for (const QList<KleImport::Key> &row : import.rows())
        keys += int(row.size());
    context.out << QStringLiteral("Imported \"%1\" into %2: %3 rows, %4 keys\n")
                       .arg(name, QDir::toNativeSeparators(projectPath))
                       .arg(import.rows().size())
                       .arg(keys);
    for (const PictureJob &job : jobs) {
        context.out << QStringLiteral("  %1, layout %2: %3\n")
                           .arg(ScreenShapeName(job.shape))
                           .arg(job.layout)
                           .arg(QDir::toNativeSeparators(job.path));
    }
    context.out << import.summary().text();
    return ExitSuccess;
}

} // namespace

const CliCommand &ImportKleCommand()
{
    static const CliCommand command{
        "import-kle",
        "import-kle LAYOUT.json PROJECT.vsp [--shape NAME]... [--name LAYOUT_NAME] [--theme dark|light] [--force]",
        "add a layout from keyboard-layout-editor.com to a project, with its picture",
        "Reads a layout in the format of keyboard-layout-editor.com (its downloaded JSON, or the text of\n"
        "its \"Raw data\" box) and adds it to the project in every shape, or in the shapes --shape names\n"
        "(portrait, landscape, hires-portrait, hires-landscape or a display name; repeat it for more). The\n"
        "layout takes the place of a new project's empty \"Layout00\"; PROJECT is made when it does not\n"
        "exist. The widest row fills the shape's screen; shorter rows end with a blank key. Legends become\n"
        "captions; characters and key names (Enter, Shift, Tab, F1, ...) become what the keys send; other\n"
        "keys become blank keys that keep their caption. The layout is named by --name, else by the\n"
        "file's metadata, else after the file. Its pictures are drawn as GIF into PROJECT-pictures, in\n"
        "the theme of --theme (dark by default). Rotated keys, more than 6 rows or 29 keys in a row, and\n"
        "a 20th layout in a shape are refused with nothing written; --force replaces a file that is not\n"
        "a project, and pictures in the way. Prints what became of the keys.",
        runImportKle};
    return command;
}

} // namespace velkari
