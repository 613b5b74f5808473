#include "firstpaintwatcher.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace velkari {

FirstPaintWatcher::FirstPaintWatcher(QWidget *window, std::function<void()> then)
    : QObject(window)
    , m_window(window)
    , m_then(std::move(then))
{
}

void FirstPaintWatcher::afterFirstPaint(QWidget *window, std::function<void()> then)
{
    // Application-wide: children covering the whole window may be all that gets painted.
    QCoreApplication::instance()->installEventFilter(new FirstPaintWatcher(window, std::move(then)));
}

bool FirstPaintWatcher::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint && watched->isWidgetType()
        && static_cast<QWidget *>(watched)->window() == m_window) {
        QCoreApplication::instance()->removeEventFilter(this);
        // Once this paint, and the flush of what it drew, are through.
        QTimer::singleShot(0, this, [this] {
            m_then();
            deleteLater();
        });
    }
    return false;
}

void FirstPaintWatcher::reportWhenAsked()
{
    if (!qEnvironmentVariableIsSet("VELKARI_REPORT_FIRST_PAINT"))
        return;
    std::fputs("first-paint\n", stdout);
    std::fflush(stdout);
    if (qgetenv("VELKARI_REPORT_FIRST_PAINT") == "exit")
        QCoreApplication::exit(0);
}

} // namespace velkari
