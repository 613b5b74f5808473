#include "clicommand.h"

#include "buttondescription.h"
#include "projectfile.h"

#include <QTextStream>

namespace velkari {

namespace {

int runDescribe(CliContext &context, const QStringList &args)
{
    const CommandLine line = ParseCommandLine(args, {});
    if (!line.ok() || line.positional.size() != 1)
        return CommandUsageError(context, DescribeCommand(), line.ok() ? QStringLiteral("describe takes one project file name") : line.error);
    SkinProject project;
    if (!OpenProjectForCommand(context, project, line.positional.first()))
        return ExitFailed;
    for (int shape = 0; shape < ScreenShapeCount; ++shape) {
        const LayoutList &layouts = project.layoutList(shape);
        for (const auto &layout : layouts) {
            for (const auto &row : layout->rows) {
                for (const auto &button : row->buttons) {
                    context.out << QStringLiteral("# %1, layout %2 \"%3\", row %4, button %5\n")
                                       .arg(ScreenShapeName(shape), QString::number(layout->index), layout->name,
                                            QString::number(row->index), QString::number(button->index));
                    context.out << DescribeButton(*button, layouts, project.helpFileName);
                }
            }
        }
    }
    return ExitSuccess;
}

} // namespace

const CliCommand &DescribeCommand()
{
    static const CliCommand command{
        "describe", "describe PROJECT.vsp", "print every key's description",
        "Prints, for every button of every row, layout and shape, the description the editor shows\n"
        "when the mouse rests on it.",
        runDescribe};
    return command;
}

} // namespace velkari
