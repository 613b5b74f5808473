#pragma once

#include <QSize>
#include <QString>

namespace velkari {

// What decoding a layout's picture found out.
struct PictureFacts
{
    bool decodes = false; // a GIF or a BMP, whatever the file's name says, that decodes
    QSize size;           // valid when it decodes
};

// A keyboard picture has some hundred thousand pixels; one whose header claims more than this
// is not decoded but taken at its header's word, so a hostile header cannot make us allocate.
constexpr qint64 MaxDecodedPixels = 16 * 1024 * 1024;

// Reads the picture's header and, when its size is within reason, decodes it.
PictureFacts InspectPicture(const QString &path);

} // namespace velkari
