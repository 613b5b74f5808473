#pragma once

#include <QSize>

class QWidget;

namespace velkari {

// Windows laid out on a template of fixed size: on a screen too small for the template (a
// laptop at 2x scaling) the window is no larger than the screen and its page scrolls, so that
// every control stays within reach; where the screen is large enough nothing moves.
namespace ScreenFit {

// Puts a page into `window` inside a scroll area without a frame, and returns the page: the
// window's controls go on it.
QWidget *scrollingPage(QWidget *window);
// For a dialog laid out by hand at a fixed size or by its layout: puts its controls on a page in
// a scroll area that asks for what the page needs as far as the screen holds it. The dialog stays
// as it was where the screen is large enough, and scrolls where it is not. Call once the controls
// are made.
void scrollWhenTooLarge(QWidget *window);
// The most of its screen the window's inside can take, the frame left out.
QSize roomOnScreen(const QWidget *window);
// Moves a window that reaches past the edge of its screen's free area back onto it.
void keepOnScreen(QWidget *window);
// Sets the window's minimum size to `templateSize`, or to what its screen holds when that is
// less. Returns the size of the frame the window manager adds, known or, before the window is
// framed, assumed.
QSize fitMinimumSize(QWidget *window, const QSize &templateSize);
// Places the window, at its minimum size, in the middle of its screen; placed by hand because
// centring without knowing the frame could put the title bar off a small screen.
void placeInTheMiddle(QWidget *window, const QSize &frame);
// Shows a window of the editor's (help, Try Skin) above the others, with the focus.
void bringToFront(QWidget *window);

} // namespace ScreenFit

} // namespace velkari
