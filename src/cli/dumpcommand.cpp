#include "commandruns.h"
#include "commandsupport.h"

#include "containerdump.h"
#include "containerentry.h"

#include <QFile>
#include <QFileInfo>

namespace velkari {

namespace {

// A skin file holds at most 80 pictures of a few megabytes each.
constexpr qint64 MaxDumpFileSize = 512LL * 1024 * 1024;

} // namespace

int runDump(CliContext &context, const CommandLine &line)
{
    const QString path = line.argument(0);
    if (!checkInputReadable(context, path))
        return ExitFailed;
    const QFileInfo info(path);
    if (info.size() > MaxDumpFileSize)
        return context.fail(QStringLiteral("\"%1\" is larger than a skin file can be.").arg(path));
    QFile file(path);
    const QByteArray bytes = info.isFile() && file.open(QIODevice::ReadOnly) ? file.read(info.size()) : QByteArray();
    if (!dumpContainer(bytes, context.out()))
        return context.fail(QStringLiteral("\"%1\" is not a container file.").arg(path));
    // What is shown is as far as the tree goes; a reader would refuse it.
    const QString damage = findContainerDamage(bytes);
    if (!damage.isEmpty())
        return context.fail(QStringLiteral("The file \"%1\" is damaged: %2.").arg(path, damage));
    return ExitSuccess;
}

} // namespace velkari
