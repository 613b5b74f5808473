#pragma once

#include "skinlayout.h"

#include <QImage>
#include <QSize>

namespace velkari {

// Draws a layout's picture from its own rows: one key per button at the rectangle the skin gives
// it (x grows by the widths, y by the row heights), so picture and keys cannot disagree.
class KeyboardPainter
{
public:
    explicit KeyboardPainter(int fontPixelSize);

    // Row 0's key width by the sum of the row heights: the picture the device expects.
    static QSize layoutSize(const SkinLayout &layout);
    QImage paint(const SkinLayout &layout) const;

private:
    int m_fontPixelSize;
};

} // namespace velkari
