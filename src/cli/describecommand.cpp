#include "commandruns.h"
#include "commandsupport.h"

#include "buttondescription.h"
#include "projectfile.h"

#include <QTextStream>

namespace velkari {

int runDescribe(CliContext &context, const CommandLine &line)
{
    SkinProject project;
    if (!openProjectForCommand(context, project, line.argument(0)))
        return ExitFailed;
    for (int shape = 0; shape < ScreenShapeCount; ++shape) {
        const LayoutList &layouts = project.layoutList(shape);
        for (const auto &layout : layouts) {
            for (const auto &row : layout->rows) {
                for (const auto &button : row->buttons) {
                    context.out() << QStringLiteral("# %1, layout %2 \"%3\", row %4, button %5\n")
                                         .arg(screenShapeName(shape), QString::number(layout->index), layout->name,
                                              QString::number(row->index), QString::number(button->index));
                    context.out() << DescribeButton(*button, layouts, project.helpFileName);
                }
            }
        }
    }
    return ExitSuccess;
}

} // namespace velkari
