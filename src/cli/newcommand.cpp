#include "clicommand.h"

#include "newcommand.h"
#include "projectfile.h"
#include "skintemplates.h"

#include <QDir>
#include <QFileInfo>
#include <QTextStream>

#include <algorithm>

namespace velkari {

namespace {

int runNew(CliContext &context, const QStringList &args)
{
    const CommandLine line = ParseCommandLine(args, NewCommandOptions());
    if (!line.ok() || line.positional.size() != 1)
        return CommandUsageError(context, NewCommand(), line.ok() ? QStringLiteral("new takes one project file name") : line.error);
    if (line.has(QStringLiteral("--template"))) {
        const QString name = line.value(QStringLiteral("--template"));
        const auto &templates = SkinTemplates();
        if (std::none_of(templates.begin(), templates.end(),
                         [&](const SkinTemplateInfo &info) { return info.name == name; })) {
            return CommandUsageError(context, NewCommand(),
                                     QStringLiteral("unknown template \"%1\"; velkari-skin templates lists them").arg(name));
        }
        return RunDrawingCommand(context, NewCommand(), args);
    }
    if (line.has(QStringLiteral("--theme")))
        return CommandUsageError(context, NewCommand(), QStringLiteral("--theme needs --template: only a template has pictures to draw"));
    const QString path = AbsolutePath(line.positional.first());
    if (ProjectInTheWay(context, path, line.has(QStringLiteral("--force"))))
        return ExitFailed;
    SkinProject project;
    NormalizeProject(project);
    SaveProjectFile(project, path);
    return ExitSuccess;
}

} // namespace

QList<CliOption> NewCommandOptions()
{
    return {{{}, QStringLiteral("--template"), true},
            {{}, QStringLiteral("--theme"), true},
            {{}, QStringLiteral("--force"), false}};
}

bool ProjectInTheWay(CliContext &context, const QString &path, bool force)
{
    if (force || !QFileInfo::exists(path))
        return false;
    context.err << "velkari-skin: " << QDir::toNativeSeparators(path) << " exists; --force replaces it\n";
    return true;
}

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
        runNew};
    return command;
}

} // namespace velkari
