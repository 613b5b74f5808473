#include "picturefacts.h"

#include <QImageReader>

namespace velkari {

PictureFacts InspectPicture(const QString &path)
{
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    const QByteArray format = reader.format();
    if ((format != "gif" && format != "bmp") || !reader.canRead())
        return {};
    const QSize size = reader.size();
    if (size.isEmpty())
        return {};
    return {true, size};
}

} // namespace velkari
