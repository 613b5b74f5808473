#include "commandruns.h"
#include "commandsupport.h"

#include "kleexport.h"
#include "safefilewriter.h"
#include "skinproject.h"

#include <QTextStream>

namespace velkari {

int runExportKle(CliContext &context, const CommandLine &line)
{
    const QString input = line.argument(0);
    const QString output = line.text("--output");
    if (!output.isEmpty() && refuseOutputOverInput(context, {input}, output))
        return ExitFailed;
    SkinProject project;
    if (!openProjectForCommand(context, project, input))
        return ExitFailed;
    const SkinLayout *layout = layoutForCommand(context, project, line.shape(), line.position());
    if (!layout)
        return ExitFailed;
    const QByteArray json = exportKleLayout(*layout);
    if (output.isEmpty())
        context.out() << QString::fromUtf8(json);
    else
        writeFileSafely(absolutePathOf(output), json);
    return ExitSuccess;
}

} // namespace velkari
