#include "clicommand.h"

#include "projectfile.h"
#include "skinfile.h"

#include <QTextStream>

namespace velkari {

namespace {

int runCheck(CliContext &context, const QStringList &args)
{
    const CommandLine line = ParseCommandLine(args, {});
    if (!line.ok() || line.positional.size() != 1)
        return CommandUsageError(context, CheckCommand(), line.ok() ? QStringLiteral("check takes one project file name") : line.error);
    SkinProject project;
    if (!OpenProjectForCommand(context, project, line.positional.first()))
        return ExitFailed;
    const QStringList failures = AllValidationFailures(project);
    for (const QString &failure : failures)
        context.out << failure << '\n';
    return failures.isEmpty() ? ExitSuccess : ExitRuleFailed;
}

} // namespace

const CliCommand &CheckCommand()
{
    static const CliCommand command{
        "check", "check PROJECT.vsp", "list the layouts that break a rule",
        "Checks every layout of every screen shape and prints the message of each failing layout, one\n"
        "per line, in shape and layout order.",
        runCheck};
    return command;
}

} // namespace velkari
