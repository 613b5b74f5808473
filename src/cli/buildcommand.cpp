#include "clicommand.h"

#include "projectchecker.h"
#include "projectfile.h"
#include "skinfile.h"

#include <QFileInfo>
#include <QTextStream>

namespace velkari {

namespace {

int runBuild(CliContext &context, const QStringList &args)
{
    const CommandLine line = ParseCommandLine(args, {{QStringLiteral("-o"), QStringLiteral("--output"), true}});
    if (!line.ok() || line.positional.size() != 1) {
        return CommandUsageError(context, BuildCommand(),
                                 line.ok() ? QStringLiteral("build takes a project file name and an optional -o SKIN.vsk")
                                           : line.error);
    }
    SkinProject project;
    if (!OpenProjectForCommand(context, project, line.positional.first()))
        return ExitFailed;
    const QString failure = FirstValidationFailure(project);
    if (!failure.isEmpty()) {
        context.err << failure << '\n';
        return ExitRuleFailed;
    }
    for (const Problem &problem : CheckProject(project, QFileInfo(project.projectPath).absolutePath())) {
        if (!problem.isError())
            context.err << ProblemLine(line.positional.first(), problem) << '\n';
    }
    const QString output = line.value(QStringLiteral("--output"));
    WriteSkinFile(project, output.isEmpty() ? SkinFilePath(project.projectPath) : AbsolutePath(output));
    return ExitSuccess;
}

} // namespace

const CliCommand &BuildCommand()
{
    static const CliCommand command{
        "build", "build PROJECT.vsp [-o SKIN.vsk]", "check every layout and compile the skin file",
        "Checks every layout as Create Skin does and compiles the project, pictures included, into the\n"
        "skin file (by default beside the project, with the extension .vsk). On the first layout that\n"
        "breaks a rule, prints its message and writes nothing. Warnings (see check) are printed too, but\n"
        "the skin is written all the same.",
        runBuild};
    return command;
}

} // namespace velkari
