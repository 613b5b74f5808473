#include "commandline.h"
#include "keyboardpainter.h"
#include "skintool.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTextStream>

#include <memory>

namespace {

QtMessageHandler qtHandler = nullptr;

// Scripts and CI rarely set XDG_RUNTIME_DIR, and Qt's graphical side says so on standard error
// each time, between the command's own messages; drawing offscreen never needs that folder.
void dropRuntimeDirWarning(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg && message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")))
        return;
    qtHandler(type, context, message);
}

} // namespace

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const velkari::CommandLine line = velkari::parseCommandLine(arguments);
    // Qt gets the program's name only: every argument is the tool's, none an option of Qt's.
    static int qtArgc = 1;
    // Only the commands that draw pay for Qt's graphical side, always offscreen: no command shows a
    // window.
    std::unique_ptr<QCoreApplication> app;
    if (line.needsGuiApplication()) {
        velkari::useOffscreenPlatform();
        qtHandler = qInstallMessageHandler(dropRuntimeDirWarning);
        app = std::make_unique<QGuiApplication>(qtArgc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(qtArgc, argv);
    }
    QTextStream out(stdout);
    QTextStream err(stderr);
    return velkari::SkinTool(out, err).run(line);
}
