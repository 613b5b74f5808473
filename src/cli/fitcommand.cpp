#include "commandruns.h"
#include "commandsupport.h"

#include "projectfile.h"
#include "rowfit.h"

#include <QTextStream>

namespace velkari {

int runFit(CliContext &context, const CommandLine &line)
{
    SkinProject project;
    if (!openProjectForCommand(context, project, line.argument(0)))
        return ExitFailed;
    const int shape = line.shape();
    const int layout = line.position();
    if (layout >= 0 && !layoutForCommand(context, project, shape, layout))
        return ExitFailed;
    FitReport report;
    if (layout >= 0)
        report = fitLayout(project, shape, layout);
    else if (line.has("--shape"))
        report = fitShape(project, shape);
    else
        report = fitProject(project);
    for (const RowNote &note : report.changed + report.leftAlone)
        context.out() << rowNoteText(note) << '\n';
    if (report.changed.isEmpty()) {
        context.out() << "Nothing was changed.\n";
        return ExitSuccess;
    }
    saveProjectFile(project, project.projectPath);
    return ExitSuccess;
}

} // namespace velkari
