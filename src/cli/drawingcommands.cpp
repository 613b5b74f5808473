#include "clicommand.h"

#include "drawsupport.h"
#include "keyboardpainter.h"
#include "newcommand.h"
#include "projectfile.h"
#include "templateproject.h"

#include <QDir>
#include <QTextStream>

#include <algorithm>

namespace velkari {

namespace {

QRgb fromColorRef(quint32 color)
{
    return qRgb(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF));
}

// velkari-skin has checked the arguments that need no drawing.
int newFromTemplate(CliContext &context, const QStringList &args)
{
    const CommandLine line = ParseCommandLine(args, NewCommandOptions());
    SkinProject project;
    QList<PictureJob> jobs;
    if (!line.ok() || line.positional.size() != 1
        || !planTemplateProject(project, jobs, line.value(QStringLiteral("--template")), AbsolutePath(line.positional.first())))
        return CommandUsageError(context, NewCommand(), QStringLiteral("new --template takes a template and a project file name"));
    const std::optional<KeyboardTheme> theme = ThemeOption(context, NewCommand(), line);
    if (!theme)
        return ExitFailed;
    const QString path = project.projectPath;
    const bool force = line.has(QStringLiteral("--force"));
    if (ProjectInTheWay(context, path, force))
        return ExitFailed;
    if (!WriteProjectAndPictures(context, project, jobs, *theme, force))
        return ExitFailed;
    context.out << "Wrote " << QDir::toNativeSeparators(path) << " and its " << jobs.size() << " pictures in "
                << QDir::toNativeSeparators(pictureFolderFor(path)) << '\n';
    return ExitSuccess;
}

int draw(CliContext &context, const QStringList &args)
{
    const CommandLine line = ParseCommandLine(args, {{{}, QStringLiteral("--all"), false},
                                                     {{}, QStringLiteral("--theme"), true},
                                                     {{}, QStringLiteral("--format"), true},
                                                     {{}, QStringLiteral("--project-text-color"), false},
                                                     {{}, QStringLiteral("--force"), false}});
    if (!line.ok() || line.positional.size() != 1)
        return CommandUsageError(context, DrawCommand(), line.ok() ? QStringLiteral("draw takes one project file name") : line.error);
    const std::optional<KeyboardTheme> theme = ThemeOption(context, DrawCommand(), line);
    if (!theme)
        return ExitFailed;
    const QString formatName = line.value(QStringLiteral("--format"), QStringLiteral("gif"));
    const std::optional<PictureFormat> format = pictureFormatNamed(formatName);
    if (!format)
        return CommandUsageError(context, DrawCommand(), QStringLiteral("unknown format \"%1\"; gif or bmp").arg(formatName));

    SkinProject project;
    if (!OpenProjectForCommand(context, project, line.positional.first()))
        return ExitFailed;
    const QList<PictureJob> jobs =
        planLayoutPictures(project, pictureFolderFor(project.projectPath), *format, !line.has(QStringLiteral("--all")));
    if (jobs.isEmpty()) {
        context.out << "Every layout has a readable picture; --all draws them all again.\n";
        return ExitSuccess;
    }
    if (RefuseToOverwrite(context, project, jobs, line.has(QStringLiteral("--force"))))
        return ExitFailed;
    const std::optional<QRgb> captions = line.has(QStringLiteral("--project-text-color"))
        ? std::optional<QRgb>(fromColorRef(project.textColor))
        : std::nullopt;
    const int written = DrawPictures(context, project, jobs, KeyboardPainter(*theme, captions), true);
    if (written > 0)
        SaveProjectFile(project, project.projectPath);
    return written == jobs.size() ? ExitSuccess : ExitRuleFailed;
}

} // namespace

bool CommandLineDraws(const QStringList &arguments)
{
    const QString command = arguments.value(0);
    if (command == QLatin1String(DrawCommand().name) || command == QLatin1String(DeriveCommand().name)
        || command == QLatin1String(ImportKleCommand().name))
        return true;
    if (command != QLatin1String(NewCommand().name))
        return false;
    return std::any_of(arguments.begin(), arguments.end(), [](const QString &argument) {
        return argument == QLatin1String("--template") || argument.startsWith(QLatin1String("--template="));
    });
}

int RunDrawingCommand(CliContext &context, const CliCommand &command, const QStringList &args)
{
    return &command == &NewCommand() ? newFromTemplate(context, args) : draw(context, args);
}

} // namespace velkari
