#pragma once

#include <QIcon>

namespace velkari {

// The editor's icon: a small keyboard, drawn rather than loaded so it needs no resource files.
QIcon applicationIcon();

} // namespace velkari
