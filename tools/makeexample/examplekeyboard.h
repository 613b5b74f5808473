#pragma once

#include "skinproject.h"

#include <QString>

namespace velkari {

// How one screen shape sizes the example keyboard: every row is `width` pixels wide, split into
// twenty half-key steps, so each shape's width must be a multiple of 20.
struct ShapeMetrics
{
    int width;
    quint16 rowHeight;
    int fontPixelSize;
    const char *fileStem; // the pictures' names start with it
};

ShapeMetrics exampleShapeMetrics(int shape);

// The demo skin: letters, numbers & symbols and a calculator in every shape, linked by layout
// keys and drag-up. Picture paths point into `pictureFolder`; their suffix says GIF or BMP.
void buildExampleProject(SkinProject &project, const QString &pictureFolder);

} // namespace velkari
