#pragma once

#include <QColor>
#include <QPalette>

namespace velkari {

// The palette has no roles for warnings and errors: these are the editor's, chosen to stay
// readable on the palette's window colour, light or dark.
QColor warningColor(const QPalette &palette);
QColor errorColor(const QPalette &palette);
// A key under the mouse is filled with the project's highlight colour at the strength the device
// uses for a pressed key.
QColor pressedKeyFill(const QColor &highlight);

} // namespace velkari
