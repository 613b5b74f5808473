#include "screenfit.h"

#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>
#include <QWidget>

namespace velkari::ScreenFit {

QWidget *scrollingPage(QWidget *window)
{
    auto *scroll = new QScrollArea(window);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    auto *layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll);
    // Given to its scroll area while still empty: moving many controls into it later costs a
    // round of events each.
    auto *page = new QWidget;
    scroll->setWidget(page);
    return page;
}

QSize fitMinimumSize(QWidget *window, const QSize &templateSize)
{
    // Until the window manager has framed the window, a title bar and thin borders are assumed.
    QSize frame = window->frameGeometry().size() - window->size();
    if (frame.height() <= 0)
        frame = QSize(8, window->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, window) + 8);
    window->setMinimumSize(templateSize.boundedTo(window->screen()->availableGeometry().size() - frame));
    return frame;
}

void placeInTheMiddle(QWidget *window, const QSize &frame)
{
    const QRect available = window->screen()->availableGeometry();
    window->resize(window->minimumSize());
    const QSize outer = window->size() + frame;
    window->move(available.left() + qMax(0, (available.width() - outer.width()) / 2),
                 available.top() + qMax(0, (available.height() - outer.height()) / 2));
}

void bringToFront(QWidget *window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace velkari::ScreenFit
