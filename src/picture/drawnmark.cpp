#include "drawnmark.h"

#include "layoutpictures.h"
#include "picturereader.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>

#include <gif_lib.h>
#include <zlib.h>

#include <memory>
#include <optional>

namespace velkari {

namespace {

const QByteArray GifMarkPrefix = QByteArrayLiteral("Drawn by Velkari Skin Editor from the layout's keys; pixels ");
constexpr qsizetype BmpMarkOffset = 6; // bfReserved1 and bfReserved2
// The mark lies before the pixels, right after the colour table.
constexpr qint64 MarkSearchBytes = 64 * 1024;

// A check of the pixels, not a seal: it only has to change when a drawn picture is retouched.
// zlib's CRC-32 reads them ten times as fast as a cryptographic digest would.
quint32 pixelDigest(const QImage &picture)
{
    const QImage pixels = picture.convertToFormat(QImage::Format_RGB32);
    const quint32 size[2] = {qToLittleEndian(quint32(pixels.width())), qToLittleEndian(quint32(pixels.height()))};
    uLong crc = crc32(0L, reinterpret_cast<const Bytef *>(size), sizeof size);
    QList<quint32> line(pixels.width());
    for (int y = 0; y < pixels.height(); ++y) {
        const auto *in = reinterpret_cast<const QRgb *>(pixels.constScanLine(y));
        for (int x = 0; x < pixels.width(); ++x)
            line[x] = qToLittleEndian(quint32(in[x] | 0xFF000000u));
        crc = crc32(crc, reinterpret_cast<const Bytef *>(line.constData()), uInt(line.size() * 4));
    }
    const auto digest = quint32(crc);
    return digest == 0 ? 1 : digest; // 0 is what every other BMP has there
}

struct Reader
{
    const QByteArray *bytes;
    qsizetype offset = 0;
};

int readFromBytes(GifFileType *gif, GifByteType *into, int length)
{
    auto *reader = static_cast<Reader *>(gif->UserData);
    const int available = int(std::min<qsizetype>(length, reader->bytes->size() - reader->offset));
    std::copy_n(reader->bytes->constData() + reader->offset, available, into);
    reader->offset += available;
    return available;
}

struct GifCloser
{
    void operator()(GifFileType *gif) const { DGifCloseFile(gif, nullptr); }
};

// The comment blocks before the first image.
QList<QByteArray> gifComments(const QByteArray &head)
{
    Reader reader{&head};
    int error = 0;
    std::unique_ptr<GifFileType, GifCloser> gif(DGifOpen(&reader, readFromBytes, &error));
    QList<QByteArray> comments;
    GifRecordType type = UNDEFINED_RECORD_TYPE;
    while (gif && DGifGetRecordType(gif.get(), &type) == GIF_OK && type == EXTENSION_RECORD_TYPE) {
        int code = 0;
        GifByteType *block = nullptr;
        if (DGifGetExtension(gif.get(), &code, &block) != GIF_OK)
            break;
        QByteArray text;
        while (block) {
            text.append(reinterpret_cast<const char *>(block + 1), block[0]);
            if (DGifGetExtensionNext(gif.get(), &block) != GIF_OK)
                return comments;
        }
        if (code == COMMENT_EXT_FUNC_CODE)
            comments.append(text);
    }
    return comments;
}

std::optional<quint32> markIn(const QByteArray &head)
{
    if (head.startsWith("GIF8")) {
        for (const QByteArray &comment : gifComments(head)) {
            bool ok = false;
            const quint32 digest = comment.startsWith(GifMarkPrefix) ? comment.mid(GifMarkPrefix.size()).toUInt(&ok, 16) : 0;
            if (ok && comment.size() == GifMarkPrefix.size() + 8)
                return digest;
        }
    } else if (head.startsWith("BM") && head.size() >= BmpMarkOffset + 4) {
        const quint32 digest = qFromLittleEndian<quint32>(head.constData() + BmpMarkOffset);
        if (digest != 0)
            return digest;
    }
    return std::nullopt;
}

} // namespace

QByteArray encodeDrawnPicture(const QImage &picture, PictureFormat format)
{
    if (picture.isNull())
        return {};
    const quint32 digest = pixelDigest(picture);
    if (format == PictureFormat::Gif)
        return encodeGif(picture, GifMarkPrefix + QByteArray::number(digest, 16).rightJustified(8, '0'));
    QByteArray bytes = encodePicture(picture, format);
    if (bytes.startsWith("BM") && bytes.size() >= BmpMarkOffset + 4)
        qToLittleEndian(digest, bytes.data() + BmpMarkOffset);
    return bytes;
}

bool isDrawnPicture(const QString &path)
{
    QFile file(path);
    // Anything but a regular file (a pipe would wait for a writer) is no drawn picture.
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return false;
    const std::optional<quint32> mark = markIn(file.read(MarkSearchBytes));
    if (!mark)
        return false;
    // Only a marked picture is decoded: asking about an author's large picture costs nothing.
    const QImage picture = decodePicture(path);
    return !picture.isNull() && pixelDigest(picture) == *mark;
}

} // namespace velkari
