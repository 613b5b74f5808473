#include "clicommand.h"

#include "drawsupport.h"
#include "keyboardpainter.h"
#include "projectfile.h"
#include "skintemplates.h"

#include <QDir>
#include <QFileInfo>
#include <QTextStream>

namespace velkari {

namespace {

QList<CliOption> newOptions()
{
    return {{{}, QStringLiteral("--template"), true},
            {{}, QStringLiteral("--theme"), true},
            {{}, QStringLiteral("--force"), false}};
}

bool hasTemplate(const QStringList &args)
{
    return ParseCommandLine(args, newOptions()).has(QStringLiteral("--template"));
}

int runNew(CliContext &context, const QStringList &args)
{
    const CommandLine line = ParseCommandLine(args, newOptions());
    if (!line.ok() || line.positional.size() != 1)
        return CommandUsageError(context, NewCommand(), line.ok() ? QStringLiteral("new takes one project file name") : line.error);
    const QString templateName = line.value(QStringLiteral("--template"));
    if (line.has(QStringLiteral("--template"))) {
        const auto &templates = SkinTemplates();
        if (std::none_of(templates.begin(), templates.end(),
                         [&](const SkinTemplateInfo &info) { return info.name == templateName; })) {
            return CommandUsageError(
                context, NewCommand(),
                QStringLiteral("unknown template \"%1\"; velkari-skin templates lists them").arg(templateName));
        }
    } else if (line.has(QStringLiteral("--theme"))) {
        return CommandUsageError(context, NewCommand(), QStringLiteral("--theme needs --template: only a template has pictures to draw"));
    }
    const std::optional<KeyboardTheme> theme = ThemeOption(context, NewCommand(), line);
    if (!theme)
        return ExitFailed;

    const QString path = AbsolutePath(line.positional.first());
    const bool force = line.has(QStringLiteral("--force"));
    if (!force && QFileInfo::exists(path)) {
        context.err << "velkari-skin: " << QDir::toNativeSeparators(path) << " exists; --force replaces it\n";
        return ExitFailed;
    }
    SkinProject project;
    if (templateName.isEmpty()) {
        NormalizeProject(project);
        SaveProjectFile(project, path);
        return ExitSuccess;
    }

    BuildTemplateProject(project, templateName);
    project.projectPath = path;
    const QList<PictureJob> jobs = planLayoutPictures(project, pictureFolderFor(path), PictureFormat::Gif, false);
    if (RefuseToOverwrite(context, project, jobs, force))
        return ExitFailed;
    if (DrawPictures(context, project, jobs, KeyboardPainter(*theme), false) != jobs.size())
        return ExitFailed;
    SaveProjectFile(project, path);
    context.out << "Wrote " << QDir::toNativeSeparators(path) << " and its " << jobs.size() << " pictures in "
                << QDir::toNativeSeparators(pictureFolderFor(path)) << '\n';
    return ExitSuccess;
}

} // namespace

const CliCommand &NewCommand()
{
    static const CliCommand command{
        "new", "new [--template NAME] [--theme dark|light] [--force] PROJECT.vsp",
        "write a fresh project, or one from a template with its pictures",
        "Writes a fresh project: one layout \"Layout00\" with five empty rows in each screen shape.\n"
        "With --template, writes the template's layouts instead (velkari-skin templates lists them)\n"
        "and draws their pictures as GIF into the folder PROJECT-pictures beside the project, in the\n"
        "theme of --theme (dark by default): the project builds a skin at once. An existing project or\n"
        "picture is not replaced unless --force is given.",
        runNew, hasTemplate};
    return command;
}

} // namespace velkari
