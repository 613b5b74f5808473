#include "commandruns.h"
#include "commandsupport.h"

#include "projectchecker.h"
#include "projectfile.h"
#include "skinfile.h"

namespace velkari {

int runBuild(CliContext &context, const CommandLine &line)
{
    SkinProject project;
    const QString input = line.argument(0);
    if (!OpenProjectForCommand(context, project, input))
        return ExitFailed;
    const QString output = line.text("--output");
    const QString skinPath = output.isEmpty() ? SkinFilePath(project.projectPath) : AbsolutePath(output);
    if (RefuseOutputOverInput(context, ProjectAndPictures(input, project), output.isEmpty() ? skinPath : output))
        return ExitFailed;
    const QString failure = FirstValidationFailure(project);
    if (!failure.isEmpty())
        return context.fail(failure, ExitRuleFailed);
    for (const Problem &problem : CheckProject(project)) {
        if (!problem.isError())
            context.fileLine(ProblemLine(input, problem));
    }
    WriteSkinFile(project, skinPath);
    return ExitSuccess;
}

} // namespace velkari
