#include "commandruns.h"
#include "commandsupport.h"

#include "projectfile.h"

namespace velkari {

int runNormalize(CliContext &context, const CommandLine &line)
{
    SkinProject project;
    const QString input = line.argument(0);
    if (!OpenProjectForCommand(context, project, input))
        return ExitFailed;
    const QString output = line.text("--output");
    // Without -o the project is saved in place on purpose; -o names another file.
    if (!output.isEmpty() && RefuseOutputOverInput(context, {input}, output))
        return ExitFailed;
    SaveProjectFile(project, output.isEmpty() ? project.projectPath : AbsolutePath(output));
    return ExitSuccess;
}

} // namespace velkari
