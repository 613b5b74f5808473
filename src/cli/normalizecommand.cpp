#include "clicommand.h"

#include "projectfile.h"

namespace velkari {

namespace {

int runNormalize(CliContext &context, const QStringList &args)
{
    const CommandLine line = ParseCommandLine(args, {{QStringLiteral("-o"), QStringLiteral("--output"), true}});
    if (!line.ok() || line.positional.size() != 1) {
        return CommandUsageError(context, NormalizeCommand(),
                                 line.ok() ? QStringLiteral("normalize takes a project file name and an optional -o OUT.vsp")
                                           : line.error);
    }
    SkinProject project;
    const QString input = line.positional.first();
    if (!OpenProjectForCommand(context, project, input))
        return ExitFailed;
    const QString output = line.value(QStringLiteral("--output"));
    // Without -o the project is saved in place on purpose; -o names another file.
    if (!output.isEmpty() && RefuseOutputOverInput(context, {input}, output))
        return ExitFailed;
    SaveProjectFile(project, output.isEmpty() ? project.projectPath : AbsolutePath(output));
    return ExitSuccess;
}

} // namespace

const CliCommand &NormalizeCommand()
{
    static const CliCommand command{
        "normalize", "normalize PROJECT.vsp [-o OUT.vsp]", "open a project with its repairs and save it again",
        "Opens the project with the repairs that opening makes and saves it again (in place unless -o\n"
        "is given), picture paths relative to the saved file's folder.",
        runNormalize};
    return command;
}

} // namespace velkari
