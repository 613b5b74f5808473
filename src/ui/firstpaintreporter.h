#pragma once

#include <QObject>

class QWidget;

namespace velkari {

// Start-up as a user feels it is measured from outside, from spawning the process to its first
// painted window: when VELKARI_REPORT_FIRST_PAINT is set, "first-paint" is printed on standard
// output once `window` has been painted, and with the value "exit" the program then ends, for
// profilers. Nothing happens when it is not set.
class FirstPaintReporter : public QObject
{
    Q_OBJECT

public:
    static void watch(QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    using QObject::QObject;
};

} // namespace velkari
