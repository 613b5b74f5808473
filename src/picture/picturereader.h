#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

namespace velkari {

// What a picture file holds by its header alone: a GIF or a BMP, told by its content whatever its
// name says, and its size in pixels. A skin carries only these two formats, so anything else, and
// a header that gives no size, is no readable picture.
struct PictureProbe
{
    QByteArray format; // "gif" or "bmp"; empty when it is no readable picture
    QSize size;

    bool readable() const { return !format.isEmpty(); }
};

// The header only. Decoding every pixel of eighty pictures would cost ten times what checking the
// rest of a project does and tell no more: Qt's decoders accept a BMP cut short after its header
// and a GIF cut in half, the missing pixels left blank.
PictureProbe probePicture(const QString &path);
PictureProbe probePicture(const QByteArray &bytes);

// The picture decoded, for showing: null unless the probe finds it readable, and for a picture far
// larger than any keyboard's, which is refused before its pixels are allocated.
QImage decodePicture(const QString &path);

} // namespace velkari
