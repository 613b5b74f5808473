#include "skintool.h"

#include <QGuiApplication>
#include <QTextStream>

#include <cstdio>
#include <memory>

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    // Text is drawn only in a GUI application, which costs start-up time and, on a real platform,
    // a display: only the commands that draw get one, and offscreen unless told otherwise.
    std::unique_ptr<QCoreApplication> app;
    if (velkari::SkinTool::drawsPictures(arguments)) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    QTextStream out(stdout);
    QTextStream err(stderr);
    return velkari::SkinTool(out, err).run(app->arguments().mid(1));
}
