#include "picturefacts.h"

#include <QImage>
#include <QImageReader>

namespace velkari {

PictureFacts InspectPicture(const QString &path)
{
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    const QByteArray format = reader.format();
    if (format != "gif" && format != "bmp")
        return {};
    const QSize size = reader.size();
    if (size.isEmpty())
        return {};
    if (qint64(size.width()) * size.height() > MaxDecodedPixels)
        return {true, size};
    reader.setAllocationLimit(int(MaxDecodedPixels * 4 / (1024 * 1024)));
    QImage image;
    if (!reader.read(&image))
        return {};
    return {true, image.size()};
}

} // namespace velkari
