#include "clicommand.h"

#include "projectchecker.h"
#include "projectfile.h"
#include "skinfile.h"

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
    const QString input = line.positional.first();
    if (!OpenProjectForCommand(context, project, input))
        return ExitFailed;
    const QString output = line.value(QStringLiteral("--output"));
    const QString skinPath = output.isEmpty() ? SkinFilePath(project.projectPath) : AbsolutePath(output);
    if (RefuseOutputOverInput(context, ProjectAndPictures(input, project), output.isEmpty() ? skinPath : output))
        return ExitFailed;
    const QString failure = FirstValidationFailure(project);
    if (!failure.isEmpty()) {
        context.err << failure << '\n';
        return ExitRuleFailed;
    }
    for (const Problem &problem : CheckProject(project)) {
        if (!problem.isError())
            context.err << ProblemLine(input, problem) << '\n';
    }
    WriteSkinFile(project, skinPath);
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
        "the skin is written all the same. The skin may go to a device or a pipe (-o /dev/stdout); it\n"
        "never replaces the project or one of its pictures.",
        runBuild};
    return command;
}

} // namespace velkari
