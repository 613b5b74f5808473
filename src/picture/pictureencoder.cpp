#include "pictureencoder.h"

#include <QBuffer>
#include <QHash>

#include <gif_lib.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace velkari {

namespace {

constexpr int MaxGifSide = 0xFFFF;
constexpr int MaxColors = 256;

int appendToByteArray(GifFileType *gif, const GifByteType *bytes, int length)
{
    static_cast<QByteArray *>(gif->UserData)->append(reinterpret_cast<const char *>(bytes), length);
    return length;
}

// Every colour kept, in the order the colours first appear; null with more than 256.
QImage exactIndexed(const QImage &source)
{
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    QImage indexed(image.size(), QImage::Format_Indexed8);
    if (image.isNull() || indexed.isNull())
        return {};
    QHash<QRgb, int> entry;
    QList<QRgb> table;
    for (int y = 0; y < image.height(); ++y) {
        const auto *in = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        uchar *out = indexed.scanLine(y);
        for (int x = 0; x < image.width(); ++x) {
            const QRgb color = in[x] | 0xFF000000u;
            auto found = entry.constFind(color);
            if (found == entry.cend()) {
                if (table.size() == MaxColors)
                    return {};
                found = entry.insert(color, int(table.size()));
                table.append(color);
            }
            out[x] = uchar(*found);
        }
    }
    indexed.setColorTable(table);
    return indexed;
}

QImage giflibQuantized(const QImage &source)
{
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    const size_t pixels = size_t(image.width()) * size_t(image.height());
    std::vector<GifByteType> red(pixels), green(pixels), blue(pixels), indices(pixels);
    size_t i = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto *in = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x, ++i) {
            red[i] = GifByteType(qRed(in[x]));
            green[i] = GifByteType(qGreen(in[x]));
            blue[i] = GifByteType(qBlue(in[x]));
        }
    }
    int colors = MaxColors;
    GifColorType map[MaxColors];
    if (GifQuantizeBuffer(unsigned(image.width()), unsigned(image.height()), &colors, red.data(), green.data(),
                          blue.data(), indices.data(), map)
        != GIF_OK)
        return {};
    QImage indexed(image.size(), QImage::Format_Indexed8);
    if (indexed.isNull())
        return {};
    QList<QRgb> table;
    for (int c = 0; c < colors; ++c)
        table.append(qRgb(map[c].Red, map[c].Green, map[c].Blue));
    indexed.setColorTable(table);
    for (int y = 0; y < image.height(); ++y)
        std::copy_n(indices.data() + size_t(y) * size_t(image.width()), image.width(), indexed.scanLine(y));
    return indexed;
}

struct GifCloser
{
    void operator()(GifFileType *gif) const { EGifCloseFile(gif, nullptr); }
};

struct MapFreer
{
    void operator()(ColorMapObject *map) const { GifFreeMapObject(map); }
};

QByteArray encodeIndexedGif(const QImage &indexed, const QByteArray &comment)
{
    const QList<QRgb> table = indexed.colorTable();
    if (table.isEmpty() || table.size() > MaxColors)
        return {};
    int bits = 1; // giflib wants a table of at least two entries, a power of two
    while ((1 << bits) < table.size())
        ++bits;
    std::unique_ptr<ColorMapObject, MapFreer> map(GifMakeMapObject(1 << bits, nullptr));
    if (!map)
        return {};
    for (int c = 0; c < map->ColorCount; ++c) {
        const QRgb color = c < table.size() ? table[c] : qRgb(0, 0, 0);
        map->Colors[c] = GifColorType{GifByteType(qRed(color)), GifByteType(qGreen(color)), GifByteType(qBlue(color))};
    }

    QByteArray bytes;
    int error = 0;
    std::unique_ptr<GifFileType, GifCloser> gif(EGifOpen(&bytes, appendToByteArray, &error));
    if (!gif)
        return {};
    EGifSetGifVersion(gif.get(), true);
    if (EGifPutScreenDesc(gif.get(), indexed.width(), indexed.height(), bits, 0, map.get()) != GIF_OK
        || (!comment.isEmpty() && EGifPutComment(gif.get(), comment.constData()) != GIF_OK)
        || EGifPutImageDesc(gif.get(), 0, 0, indexed.width(), indexed.height(), false, nullptr) != GIF_OK)
        return {};
    // giflib masks the line it is given in place, so it gets a copy.
    const int width = indexed.width();
    const int colors = int(table.size());
    std::vector<GifPixelType> line(static_cast<size_t>(width));
    for (int y = 0; y < indexed.height(); ++y) {
        const uchar *row = indexed.constScanLine(y);
        uchar highest = 0;
        for (int x = 0; x < width; ++x) {
            highest = std::max(highest, row[x]);
            line[size_t(x)] = row[x];
        }
        if (highest >= colors || EGifPutLine(gif.get(), line.data(), width) != GIF_OK)
            return {};
    }
    if (EGifCloseFile(gif.release(), &error) != GIF_OK)
        return {};
    return bytes;
}

} // namespace

QString pictureFormatName(PictureFormat format)
{
    return format == PictureFormat::Bmp ? QStringLiteral("bmp") : QStringLiteral("gif");
}

std::optional<PictureFormat> pictureFormatNamed(const QString &name)
{
    for (PictureFormat format : {PictureFormat::Gif, PictureFormat::Bmp}) {
        if (name.compare(pictureFormatName(format), Qt::CaseInsensitive) == 0)
            return format;
    }
    return std::nullopt;
}

QByteArray encodeGif(const QImage &image, const QByteArray &comment)
{
    if (image.isNull() || image.width() > MaxGifSide || image.height() > MaxGifSide)
        return {};
    if (image.format() == QImage::Format_Indexed8)
        return encodeIndexedGif(image, comment);
    QImage indexed = exactIndexed(image);
    if (indexed.isNull())
        indexed = giflibQuantized(image);
    return indexed.isNull() ? QByteArray() : encodeIndexedGif(indexed, comment);
}

QByteArray encodePicture(const QImage &image, PictureFormat format)
{
    if (format == PictureFormat::Gif)
        return encodeGif(image);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (image.isNull() || !image.save(&buffer, "BMP"))
        return {};
    return buffer.data();
}

} // namespace velkari
