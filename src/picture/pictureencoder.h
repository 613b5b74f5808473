#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>

#include <optional>

namespace velkari {

enum class PictureFormat { Gif, Bmp };

QString pictureFormatName(PictureFormat format); // "gif", "bmp": also the file suffix
std::optional<PictureFormat> pictureFormatNamed(const QString &name);

// One still GIF89a picture, written by giflib. An Indexed8 image keeps its colour table; any
// other keeps its colours exactly when it has at most 256, and is reduced by giflib's quantiser
// when it has more. Empty when the image is null or larger than the format's 65535 pixels a side.
// A `comment` goes into a comment block before the pixels.
QByteArray encodeGif(const QImage &image, const QByteArray &comment = {});
// GIF as above; BMP as Qt writes it (an Indexed8 image becomes an 8-bit paletted BMP).
QByteArray encodePicture(const QImage &image, PictureFormat format);

} // namespace velkari
