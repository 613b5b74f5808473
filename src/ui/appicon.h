#pragma once

#include <QIcon>

namespace velkari {

// The name the desktop knows the editor by: its desktop entry, its icon in the icon theme, and
// the window's application id on Wayland.
QString applicationId();

// The editor's icon, a small keyboard, in every size the icon theme gets.
QIcon applicationIcon();

} // namespace velkari
