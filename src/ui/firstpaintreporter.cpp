#include "firstpaintreporter.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace velkari {

void FirstPaintReporter::watch(QWidget *window)
{
    if (qEnvironmentVariableIsSet("VELKARI_REPORT_FIRST_PAINT"))
        window->installEventFilter(new FirstPaintReporter(window));
}

bool FirstPaintReporter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint) {
        watched->removeEventFilter(this);
        // After this paint event, and the flush of what it drew, are through.
        QTimer::singleShot(0, this, [this] {
            std::fputs("first-paint\n", stdout);
            std::fflush(stdout);
            if (qgetenv("VELKARI_REPORT_FIRST_PAINT") == "exit")
                QCoreApplication::exit(0);
            deleteLater();
        });
    }
    return false;
}

} // namespace velkari
