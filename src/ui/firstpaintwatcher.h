#pragma once

#include <QObject>

#include <functional>

class QWidget;

namespace velkari {

// Start-up as a user feels it ends with the window's first paint: work that need not be done
// before it (decoding the window icon's pictures) waits until then, and the start-up figure is
// measured from outside up to it.
class FirstPaintWatcher : public QObject
{
    Q_OBJECT

public:
    // Runs `then` once a widget of `window` has been painted for the first time and what it drew
    // has been flushed.
    static void afterFirstPaint(QWidget *window, std::function<void()> then);

    // When VELKARI_REPORT_FIRST_PAINT is set, prints "first-paint" on standard output; with the
    // value "exit" the program then ends, for profilers. Nothing otherwise.
    static void reportWhenAsked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    FirstPaintWatcher(QWidget *window, std::function<void()> then);

    QWidget *m_window;
    std::function<void()> m_then;
};

} // namespace velkari
