#pragma once

#include "indexedimage.h"

#include <QByteArray>
#include <QImage>

namespace velkari {

// GIF89a writer for one still picture: the palette becomes the global colour table (padded to a
// power of two), the pixels one LZW-compressed image.
class GifEncoder
{
public:
    static constexpr int MaxDimension = 0xFFFF; // the format's 16-bit width and height

    // Empty when the image is null, too large for the format or not consistent.
    static QByteArray encode(const IndexedImage &image);
    // The colours are reduced to 256 first when the image has more.
    static QByteArray encode(const QImage &image);
};

} // namespace velkari
