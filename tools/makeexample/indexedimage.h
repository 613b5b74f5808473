#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>

namespace velkari {

// A picture as a palette of at most 256 colours and one palette index per pixel, row by row.
struct IndexedImage
{
    static constexpr int MaxColors = 256;

    int width = 0;
    int height = 0;
    QList<QRgb> palette;
    QByteArray indices;

    bool isNull() const { return width <= 0 || height <= 0; }
    // False when the sizes disagree or an index lies outside the palette.
    bool isConsistent() const;
    // Format_Indexed8; a null image when the record is not consistent.
    QImage toImage() const;
};

// An image with at most 256 colours keeps every one of them exactly, in the order they first
// appear; one with more is reduced by median cut. Alpha is dropped: keyboard pictures are opaque.
IndexedImage reduceColors(const QImage &image);

} // namespace velkari
