#include "clicommand.h"

#include "projectfile.h"
#include "rowfit.h"
#include "skinsource.h"

#include <QTextStream>

namespace velkari {

namespace {

const QString LayoutOption = QStringLiteral("--layout");

int runFit(CliContext &context, const QStringList &args)
{
    const CommandLine line = ParseCommandLine(args, {ShapeOption(), {{}, LayoutOption, true}});
    if (!line.ok() || line.positional.size() != 1)
        return CommandUsageError(context, FitCommand(), line.ok() ? QStringLiteral("fit takes one project file name") : line.error);
    if (line.has(LayoutOption) && !line.has(ShapeOption().longName))
        return CommandUsageError(context, FitCommand(), QStringLiteral("--layout needs --shape"));
    const int shape = ShapeFromCommandLine(line);
    if (shape < 0)
        return UnknownShapeError(context, FitCommand(), line.value(ShapeOption().longName));
    bool numeric = true;
    const int layout = line.has(LayoutOption) ? line.value(LayoutOption).toInt(&numeric) : -1;
    if (!numeric)
        return CommandUsageError(context, FitCommand(), QStringLiteral("--layout takes a layout's position, 0 for the first"));

    SkinProject project;
    if (!OpenProjectForCommand(context, project, line.positional.first()))
        return ExitFailed;
    if (line.has(LayoutOption) && !project.layoutList(shape).at(layout)) {
        context.err << QStringLiteral("velkari-skin: %1 has no layout %2; its layouts are 0 to %3\n")
                           .arg(ScreenShapeName(shape), line.value(LayoutOption))
                           .arg(project.layoutList(shape).count() - 1);
        return ExitFailed;
    }
    FitReport report;
    if (line.has(LayoutOption))
        report = fitLayout(project, shape, layout);
    else if (line.has(ShapeOption().longName))
        report = fitShape(project, shape);
    else
        report = fitProject(project);
    for (const RowNote &note : report.changed + report.leftAlone)
        context.out << rowNoteText(note) << '\n';
    if (report.changed.isEmpty()) {
        context.out << "Nothing was changed.\n";
        return ExitSuccess;
    }
    SaveProjectFile(project, project.projectPath);
    return ExitSuccess;
}

} // namespace

const CliCommand &FitCommand()
{
    static const CliCommand command{
        "fit", "fit PROJECT.vsp [--shape NAME [--layout N]]",
        "scale the keys of rows so that each adds up to its screen's width",
        "Scales the keys of every row in proportion, so that the row adds up exactly to its shape's\n"
        "screen width (240, 320, 480 or 640); the pixels left over go to the keys that lost most in the\n"
        "rounding, and no key becomes narrower than 1 pixel. Every shape unless --shape names one\n"
        "(as for simulate), and only its layout at position N with --layout. Prints each row it\n"
        "changed and each it left alone (a row without keys, or whose keys are 0 pixels wide), and\n"
        "saves the project in place when a row changed.",
        runFit};
    return command;
}

} // namespace velkari
