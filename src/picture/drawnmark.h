#pragma once

#include "pictureencoder.h"

#include <QByteArray>
#include <QImage>
#include <QString>

namespace velkari {

// The painter marks the pictures it draws, so that a drawn picture can later be drawn again
// rather than scaled: a GIF carries a comment block, a BMP the mark in its file header's two
// reserved words. The mark holds a digest of the pixels, so that a drawn picture retouched in
// another program counts as the author's own.
QByteArray encodeDrawnPicture(const QImage &picture, PictureFormat format);

// Whether the painter drew the picture file and nothing has changed its pixels since.
bool isDrawnPicture(const QString &path);

} // namespace velkari
