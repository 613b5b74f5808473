#include "picturereader.h"

#include <QBuffer>
#include <QImageReader>

namespace velkari {

namespace {

// A keyboard picture for a hand-held screen is far smaller.
constexpr int AllocationLimitMiB = 64;

PictureProbe probe(QImageReader &reader)
{
    reader.setDecideFormatFromContent(true);
    const QByteArray format = reader.format();
    if ((format != "gif" && format != "bmp") || !reader.canRead())
        return {};
    const QSize size = reader.size();
    if (size.isEmpty())
        return {};
    return {format, size};
}

} // namespace

PictureProbe probePicture(const QString &path)
{
    if (path.isEmpty())
        return {};
    QImageReader reader(path);
    return probe(reader);
}

PictureProbe probePicture(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    return probe(reader);
}

QImage decodePicture(const QString &path)
{
    if (path.isEmpty())
        return {};
    QImageReader reader(path);
    if (!probe(reader).readable())
        return {};
    reader.setAllocationLimit(AllocationLimitMiB);
    return reader.read();
}

} // namespace velkari
