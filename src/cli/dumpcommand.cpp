#include "clicommand.h"

#include "containerdump.h"
#include "containerentry.h"

#include <QFile>
#include <QFileInfo>
#include <QTextStream>

namespace velkari {

namespace {

// A skin file holds at most 80 pictures of a few megabytes each.
constexpr qint64 MaxDumpFileSize = 512LL * 1024 * 1024;

int runDump(CliContext &context, const QStringList &args)
{
    const CommandLine line = ParseCommandLine(args, {});
    if (!line.ok() || line.positional.size() != 1)
        return CommandUsageError(context, DumpCommand(), line.ok() ? QStringLiteral("dump takes one file name") : line.error);
    const QString path = line.positional.first();
    if (!CheckInputReadable(context, path))
        return ExitFailed;
    const QFileInfo info(path);
    if (info.size() > MaxDumpFileSize) {
        context.err << QStringLiteral("velkari-skin: \"%1\" is larger than a skin file can be.\n").arg(path);
        return ExitFailed;
    }
    QFile file(path);
    const QByteArray bytes = info.isFile() && file.open(QIODevice::ReadOnly) ? file.read(info.size()) : QByteArray();
    if (!DumpContainer(bytes, context.out)) {
        context.err << QStringLiteral("\"%1\" is not a container file.").arg(path) << '\n';
        return ExitFailed;
    }
    // What is shown is as far as the tree goes; a reader would refuse it.
    const QString damage = findContainerDamage(bytes);
    if (!damage.isEmpty()) {
        context.err << QStringLiteral("The file \"%1\" is damaged: %2.").arg(path, damage) << '\n';
        return ExitFailed;
    }
    return ExitSuccess;
}

} // namespace

const CliCommand &DumpCommand()
{
    static const CliCommand command{
        "dump", "dump FILE", "print the container tree of a project or skin file",
        "Prints the container tree of a project or skin file: sections with their entry counts and\n"
        "sizes, values with their sizes and contents, and the key data of each skin layout decoded.\n"
        "A damaged file is shown as far as its entries go, and its damage named (exit code 2).",
        runDump};
    return command;
}

} // namespace velkari
