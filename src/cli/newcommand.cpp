#include "clicommand.h"

#include "projectfile.h"

namespace velkari {

namespace {

int runNew(CliContext &context, const QStringList &args)
{
    const CommandLine line = ParseCommandLine(args, {});
    if (!line.ok() || line.positional.size() != 1)
        return CommandUsageError(context, NewCommand(), line.ok() ? QStringLiteral("new takes one project file name") : line.error);
    SkinProject project;
    NormalizeProject(project);
    SaveProjectFile(project, AbsolutePath(line.positional.first()));
    return ExitSuccess;
}

} // namespace

const CliCommand &NewCommand()
{
    static const CliCommand command{
        "new", "new PROJECT.vsp", "write a fresh project",
        "Writes a fresh project: one layout \"Layout00\" with five empty rows in each screen shape.",
        runNew};
    return command;
}

} // namespace velkari
