#pragma once

#include <QSize>
#include <QString>

namespace velkari {

// What a layout's picture file is, by its content.
struct PictureFacts
{
    bool decodes = false; // a GIF or a BMP, whatever the file's name says, with a readable header
    QSize size;           // valid when it decodes
};

// Reads the picture's header only: its format from the content and its size. The header is what
// tells a text file or a picture of the wrong size; decoding every pixel of eighty pictures would
// cost ten times what checking the rest of a project does and catch no more, since Qt's decoders
// accept a BMP cut short after its header and a GIF cut in half, the missing pixels left blank.
PictureFacts InspectPicture(const QString &path);

} // namespace velkari
