#pragma once

#include <QIcon>

namespace velkari {

// The name the desktop knows the editor by: its desktop entry, its icon in the icon theme, and
// the window's application id on Wayland.
QString applicationId();

// The editor's window icon, a small keyboard, from 16 to 64 pixels.
QIcon applicationIcon();

} // namespace velkari
