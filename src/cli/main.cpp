#include "clicommand.h"
#include "keyboardpainter.h"
#include "skintool.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTextStream>

#include <memory>

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    // Only the commands that draw pay for Qt's graphical side, offscreen unless a platform is set.
    std::unique_ptr<QCoreApplication> app;
    if (velkari::CommandLineDraws(arguments)) {
        velkari::PreferOffscreenPlatform();
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    QTextStream out(stdout);
    QTextStream err(stderr);
    return velkari::SkinTool(out, err).run(app->arguments().mid(1));
}
