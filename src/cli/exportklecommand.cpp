#include "clicommand.h"
#include "filetarget.h"
#include "kleexport.h"
#include "safefilewriter.h"
#include "skinproject.h"
#include "skinsource.h"

#include <QTextStream>

namespace velkari {

namespace {

int runExportKle(CliContext &context, const QStringList &args)
{
    const CommandLine line = ParseCommandLine(args, {ShapeOption(),
                                                     {{}, QStringLiteral("--layout"), true},
                                                     {QStringLiteral("-o"), QStringLiteral("--output"), true}});
    if (!line.ok() || line.positional.size() != 1) {
        const QString problem = QStringLiteral("export-kle takes one project file name");
        return CommandUsageError(context, ExportKleCommand(), line.ok() ? problem : line.error);
    }
    if (!line.has(ShapeOption().longName) || !line.has(QStringLiteral("--layout")))
        return CommandUsageError(context, ExportKleCommand(), QStringLiteral("export-kle needs --shape and --layout"));
    const int shape = ShapeFromCommandLine(line);
    if (shape < 0) {
        return CommandUsageError(context, ExportKleCommand(),
                                 UnknownShapeProblem(line.value(ShapeOption().longName)));
    }
    bool isNumber = false;
    const int position = line.value(QStringLiteral("--layout")).toInt(&isNumber);
    if (!isNumber || position < 0)
        return CommandUsageError(context, ExportKleCommand(), QStringLiteral("--layout takes a layout's number, from 0"));
    const QString input = line.positional.first();
    const QString output = line.value(QStringLiteral("--output"));
    if (!output.isEmpty() && RefuseOutputOverInput(context, {input}, output))
        return ExitFailed;

    SkinProject project;
    if (!OpenProjectForCommand(context, project, input))
        return ExitFailed;
    const LayoutList &layouts = project.layoutList(shape);
    const SkinLayout *layout = layouts.at(position);
    if (!layout) {
        context.err << QStringLiteral("velkari-skin: %1 has no layout %2; its layouts are 0 to %3\n")
                           .arg(ScreenShapeName(shape))
                           .arg(position)
                           .arg(layouts.count() - 1);
        return ExitFailed;
    }
    const QByteArray json = exportKleLayout(*layout);
    if (output.isEmpty())
        context.out << QString::fromUtf8(json);
    else
        writeFileSafely(AbsolutePath(output), json);
    return ExitSuccess;
}

} // namespace

const CliCommand &ExportKleCommand()
{
    static const CliCommand command{
        "export-kle", "export-kle PROJECT.vsp --shape NAME --layout N [-o FILE.json]",
        "write a layout in the format of keyboard-layout-editor.com",
        "Writes layout N (counted from 0) of the shape as the JSON that keyboard-layout-editor.com\n"
        "downloads and uploads: captions as legends, widths in key units (the most common key width is\n"
        "one unit), blank keys as decals. To standard output, or with -o to FILE.json; never over the\n"
        "project itself. import-kle brings it back with the same rows, captions, widths and character\n"
        "keys.",
        runExportKle};
    return command;
}

} // namespace velkari
