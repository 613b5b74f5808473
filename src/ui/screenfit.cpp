#include "screenfit.h"

#include <QEvent>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>
#include <QWidget>

namespace velkari::ScreenFit {

namespace {

// Until the window manager has framed the window, a title bar and thin borders are assumed.
QSize frameOf(const QWidget *window)
{
    const QSize frame = window->frameGeometry().size() - window->size();
    if (frame.height() > 0)
        return frame;
    return QSize(8, window->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, window) + 8);
}

} // namespace

QSize roomOnScreen(const QWidget *window)
{
    return window->screen()->availableGeometry().size() - frameOf(window);
}

void keepOnScreen(QWidget *window)
{
    const QRect available = window->screen()->availableGeometry();
    const QRect outer(window->pos(), window->size() + frameOf(window));
    const QPoint over(qMax(0, outer.right() - available.right()), qMax(0, outer.bottom() - available.bottom()));
    if (!over.isNull())
        window->move(qMax(available.left(), outer.left() - over.x()), qMax(available.top(), outer.top() - over.y()));
}

namespace {

// Asks for its page's sizes as far as the window's screen holds them, with room for the scroll
// bar that a page too large in one direction needs in the other.
class FittingScrollArea : public QScrollArea
{
public:
    FittingScrollArea(QWidget *window, QWidget *page)
        : QScrollArea(window)
    {
        setFrameShape(QFrame::NoFrame);
        setWidgetResizable(true);
        // It follows the focus of the controls; a stop of its own would be one that shows nothing.
        setFocusPolicy(Qt::NoFocus);
        setWidget(page);
        window->installEventFilter(this);
        page->installEventFilter(this);
    }

    QSize sizeHint() const override { return fitted(pageMinimum().expandedTo(widget()->sizeHint())); }
    QSize minimumSizeHint() const override { return fitted(pageMinimum()); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // What the page needs changed: so does what the area asks of the window's layout.
        if (watched == widget() && event->type() == QEvent::LayoutRequest)
            updateGeometry();
        if (watched == window() && event->type() == QEvent::Show) {
            // A window sized before it knew its screen (Help) shrinks to fit on it.
            const QSize room = roomOnScreen(window());
            if (window()->width() > room.width() || window()->height() > room.height())
                window()->resize(window()->size().boundedTo(room));
            keepOnScreen(window());
        }
        return QScrollArea::eventFilter(watched, event);
    }

private:
    QSize pageMinimum() const { return widget()->minimumSize().expandedTo(widget()->minimumSizeHint()); }

    QSize fitted(QSize wanted) const
    {
        const QSize room = roomOnScreen(window());
        const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
        const bool tooWide = wanted.width() > room.width();
        if (wanted.height() > room.height())
            wanted.rwidth() += bar;
        if (tooWide)
            wanted.rheight() += bar;
        return wanted.boundedTo(room);
    }
};

} // namespace

QWidget *scrollingPage(QWidget *window)
{
    auto *scroll = new QScrollArea(window);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setFocusPolicy(Qt::NoFocus);
    auto *layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll);
    // Given to its scroll area while still empty: moving many controls into it later costs a
    // round of events each.
    auto *page = new QWidget;
    scroll->setWidget(page);
    return page;
}

void scrollWhenTooLarge(QWidget *window)
{
    // The page is in the window before the controls move onto it, so that their tab order stays.
    QWidget *focus = window->focusWidget();
    auto *page = new QWidget;
    auto *area = new FittingScrollArea(window, page);
    if (QLayout *layout = window->layout()) {
        // Margins and spacing are the style's for a window's layout and others for a page's:
        // they stay as they were.
        layout->setContentsMargins(layout->contentsMargins());
        layout->setSpacing(layout->spacing());
        page->setLayout(layout);
    } else {
        page->setMinimumSize(window->minimumSize());
        for (QWidget *child : window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (child == area || child->isWindow())
                continue;
            const bool hidden = child->isHidden();
            child->setParent(page);
            child->setHidden(hidden);
        }
        // No larger than it was; smaller where the screen is.
        window->setMinimumSize(0, 0);
    }
    auto *frame = new QVBoxLayout(window);
    frame->setContentsMargins(0, 0, 0, 0);
    frame->addWidget(area);
    if (focus)
        focus->setFocus();
}

QSize fitMinimumSize(QWidget *window, const QSize &templateSize)
{
    const QSize frame = frameOf(window);
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
