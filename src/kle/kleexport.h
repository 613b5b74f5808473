#pragma once

#include <QByteArray>

namespace velkari {

struct SkinLayout;

// The layout as keyboard-layout-editor.com downloads a layout (JSON, UTF-8): its name as the
// metadata, captions as legends, widths in key units chosen so that the most common key width is
// one unit, and blank keys as decals so that none is lost, also at a row's end. Importing it into
// the shape it came from gives back its rows, captions, widths and character keys.
QByteArray exportKleLayout(const SkinLayout &layout);

} // namespace velkari
