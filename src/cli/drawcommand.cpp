#include "clicommand.h"

#include "drawsupport.h"
#include "keyboardpainter.h"
#include "projectfile.h"

#include <QTextStream>

namespace velkari {

namespace {

QList<CliOption> drawOptions()
{
    return {{{}, QStringLiteral("--all"), false},
            {{}, QStringLiteral("--theme"), true},
            {{}, QStringLiteral("--format"), true},
            {{}, QStringLiteral("--project-text-color"), false},
            {{}, QStringLiteral("--force"), false}};
}

QRgb fromColorRef(quint32 color)
{
    return qRgb(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF));
}

int runDraw(CliContext &context, const QStringList &args)
{
    const CommandLine line = ParseCommandLine(args, drawOptions());
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

bool alwaysDraws(const QStringList &)
{
    return true;
}

} // namespace

const CliCommand &DrawCommand()
{
    static const CliCommand command{
        "draw",
        "draw PROJECT.vsp [--all] [--theme dark|light] [--format gif|bmp] [--project-text-color] [--force]",
        "draw the pictures of layouts from their keys",
        "Draws a picture for every layout that has no readable GIF or BMP picture (for every layout with\n"
        "--all), exactly the size of its key map, each key where the skin places it. The pictures go\n"
        "into the folder PROJECT-pictures beside the project, named after the shape and the layout;\n"
        "the layouts are pointed at them and the project is saved. --theme picks dark (the default) or\n"
        "light keys; --project-text-color writes the captions in the project's text colour on every\n"
        "key where it stays legible. A file that is not the layout's own picture is not replaced\n"
        "unless --force is given. Exit code 1 when a layout cannot be drawn (it has no keys).",
        runDraw, alwaysDraws};
    return command;
}

} // namespace velkari
