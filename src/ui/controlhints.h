#pragma once

#include "skinproject.h"

#include <QString>

namespace velkari {

// The one-line hint of a control of the main editor window; empty for any other id.
QString controlHint(int id);

// The status-area text for the control under the mouse. id 0 = nothing under the mouse. A grid
// cell describes the button in that cell of currentLayout (a row's "New" placeholder says what
// clicking it does), or gives an empty text when the layout lacks it. currentLayout and
// shapeLayouts may be null (no current layout).
QString DescribeControl(int id, const SkinLayout *currentLayout, const LayoutList *shapeLayouts,
                        const QString &helpFileName);

} // namespace velkari
