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

// Reads the picture's header only: its format from the content and its size. Decoding every
// pixel of eighty pictures would cost ten times what checking the rest of a project does, on
// every check, and the header is what tells a text file or a picture of the wrong size.
PictureFacts InspectPicture(const QString &path);

} // namespace velkari
