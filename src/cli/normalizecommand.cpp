#include "commandruns.h"
#include "commandsupport.h"

#include "projectfile.h"

namespace velkari {

int runNormalize(CliContext &context, const CommandLine &line)
{
    SkinProject project;
    const QString input = line.argument(0);
    if (!openProjectForCommand(context, project, input))
        return ExitFailed;
    const QString output = line.text("--output");
    // Without -o the project is saved in place on purpose; -o names another file.
    if (!output.isEmpty() && refuseOutputOverInput(context, {input}, output))
        return ExitFailed;
    saveProjectFile(project, output.isEmpty() ? project.projectPath : absolutePathOf(output));
    return ExitSuccess;
}

} // namespace velkari
