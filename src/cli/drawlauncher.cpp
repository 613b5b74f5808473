#include "clicommand.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTextStream>

namespace velkari {

int RunDrawingCommand(CliContext &context, const CliCommand &command, const QStringList &args)
{
    const QString helper = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("velkari-skin-draw"));
    context.out.flush();
    context.err.flush();
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.setInputChannelMode(QProcess::ForwardedInputChannel);
    process.start(helper, QStringList{QString::fromLatin1(command.name)} + args);
    if (!process.waitForStarted(-1) || !process.waitForFinished(-1)) {
        context.err << "velkari-skin: cannot run " << QDir::toNativeSeparators(helper) << ", which draws pictures: "
                    << process.errorString() << '\n';
        return ExitFailed;
    }
    if (process.exitStatus() != QProcess::NormalExit) {
        context.err << "velkari-skin: " << QDir::toNativeSeparators(helper) << " stopped unexpectedly\n";
        return ExitFailed;
    }
    return process.exitCode();
}

} // namespace velkari
