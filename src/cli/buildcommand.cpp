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
    if (!openProjectForCommand(context, project, input))
        return ExitFailed;
    const QString output = line.text("--output");
    const QString skinPath = output.isEmpty() ? skinFilePath(project.projectPath) : absolutePathOf(output);
    if (refuseOutputOverInput(context, projectAndPictures(input, project), output.isEmpty() ? skinPath : output))
        return ExitFailed;
    const QString failure = firstValidationFailure(project);
    if (!failure.isEmpty())
        return context.fail(failure, ExitRuleFailed);
    for (const Problem &problem : checkProject(project)) {
        if (!problem.isError())
            context.fileLine(problemLine(input, problem));
    }
    writeSkinFile(project, skinPath);
    return ExitSuccess;
}

} // namespace velkari
