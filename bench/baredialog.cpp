// velkari-bare-dialog: the least a Qt dialog program does to show a window, built as the editor
// is; the baseline of the process-level start-up figure. Usage: velkari-bare-dialog WIDTH HEIGHT
// [text], where "text" adds one line of text, to show what setting up the fonts costs.
#include "firstpaintwatcher.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QDialog dialog;
    const QStringList args = app.arguments();
    dialog.setFixedSize(args.value(1, QStringLiteral("830")).toInt(), args.value(2, QStringLiteral("650")).toInt());
    if (args.value(3) == QLatin1String("text"))
        (new QLabel(QStringLiteral("Orientation and Resolution:"), &dialog))->move(10, 10);
    velkari::FirstPaintWatcher::afterFirstPaint(&dialog, velkari::FirstPaintWatcher::reportWhenAsked);
    dialog.show();
    return app.exec();
}
