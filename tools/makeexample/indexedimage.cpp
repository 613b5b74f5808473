#include "indexedimage.h"

#include <QHash>

#include <algorithm>
#include <vector>

namespace velkari {

namespace {

struct ColorCount
{
    QRgb color;
    qint64 count;
};

int channel(QRgb color, int which)
{
    return which == 0 ? qRed(color) : which == 1 ? qGreen(color) : qBlue(color);
}

struct Box
{
    qsizetype begin;
    qsizetype end;
    int extent = 0;     // of the widest channel
    int widest = 0;

    void measure(const std::vector<ColorCount> &colors, const std::vector<qsizetype> &order)
    {
        int low[3] = {255, 255, 255};
        int high[3] = {0, 0, 0};
        for (qsizetype i = begin; i < end; ++i) {
            for (int c = 0; c < 3; ++c) {
                const int v = channel(colors[order[i]].color, c);
                low[c] = std::min(low[c], v);
                high[c] = std::max(high[c], v);
            }
        }
        extent = -1;
        for (int c = 0; c < 3; ++c) {
            if (high[c] - low[c] > extent) {
                extent = high[c] - low[c];
                widest = c;
            }
        }
    }
};

// Splits the colours into at most `limit` boxes, each time cutting the box with the widest
// channel range at the pixel-count median of that channel. Returns the box of every colour.
std::vector<int> medianCut(const std::vector<ColorCount> &colors, int limit, QList<QRgb> &palette)
{
    std::vector<qsizetype> order(colors.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = qsizetype(i);
    std::vector<Box> boxes{Box{0, qsizetype(colors.size())}};
    boxes.front().measure(colors, order);

    while (int(boxes.size()) < limit) {
        auto pick = std::max_element(boxes.begin(), boxes.end(),
                                     [](const Box &a, const Box &b) { return a.extent < b.extent; });
        if (pick->extent <= 0)
            break;
        Box &box = *pick;
        const int c = box.widest;
        // Colours are distinct, so ordering by the channel and then by the whole value is total
        // and the cut does not depend on the sort algorithm.
        std::sort(order.begin() + box.begin, order.begin() + box.end, [&](qsizetype a, qsizetype b) {
            const int va = channel(colors[a].color, c);
            const int vb = channel(colors[b].color, c);
            return va != vb ? va < vb : colors[a].color < colors[b].color;
        });
        qint64 total = 0;
        for (qsizetype i = box.begin; i < box.end; ++i)
            total += colors[order[i]].count;
        qint64 running = 0;
        qsizetype cut = box.begin + 1;
        for (qsizetype i = box.begin; i < box.end - 1; ++i) {
            running += colors[order[i]].count;
            cut = i + 1;
            if (2 * running >= total)
                break;
        }
        Box upper{cut, box.end};
        box.end = cut;
        box.measure(colors, order);
        upper.measure(colors, order);
        boxes.push_back(upper);
    }

    std::vector<int> boxOf(colors.size());
    palette.clear();
    for (size_t b = 0; b < boxes.size(); ++b) {
        qint64 sum[3] = {0, 0, 0};
        qint64 count = 0;
        for (qsizetype i = boxes[b].begin; i < boxes[b].end; ++i) {
            const ColorCount &entry = colors[order[i]];
            for (int c = 0; c < 3; ++c)
                sum[c] += channel(entry.color, c) * entry.count;
            count += entry.count;
            boxOf[order[i]] = int(b);
        }
        palette.append(qRgb(int((sum[0] + count / 2) / count), int((sum[1] + count / 2) / count),
                            int((sum[2] + count / 2) / count)));
    }
    return boxOf;
}

} // namespace

bool IndexedImage::isConsistent() const
{
    if (isNull() || palette.isEmpty() || palette.size() > MaxColors)
        return false;
    if (indices.size() != qsizetype(width) * height)
        return false;
    return std::all_of(indices.cbegin(), indices.cend(),
                       [this](char index) { return uchar(index) < palette.size(); });
}

QImage IndexedImage::toImage() const
{
    if (!isConsistent())
        return {};
    QImage image(width, height, QImage::Format_Indexed8);
    if (image.isNull())
        return {};
    image.setColorTable(palette);
    for (int y = 0; y < height; ++y)
        std::copy_n(indices.constData() + qsizetype(y) * width, width, image.scanLine(y));
    return image;
}

IndexedImage reduceColors(const QImage &source)
{
    IndexedImage result;
    if (source.isNull())
        return result;
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    if (image.isNull())
        return result;

    QHash<QRgb, qsizetype> position;
    std::vector<ColorCount> colors;
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb color = line[x] | 0xFF000000u;
            const auto found = position.constFind(color);
            if (found == position.cend()) {
                position.insert(color, qsizetype(colors.size()));
                colors.push_back({color, 1});
            } else {
                ++colors[*found].count;
            }
        }
    }

    std::vector<int> entryOf(colors.size());
    if (colors.size() <= size_t(IndexedImage::MaxColors)) {
        for (size_t i = 0; i < colors.size(); ++i) {
            entryOf[i] = int(i);
            result.palette.append(colors[i].color);
        }
    } else {
        entryOf = medianCut(colors, IndexedImage::MaxColors, result.palette);
    }

    result.width = image.width();
    result.height = image.height();
    result.indices.resize(qsizetype(result.width) * result.height);
    char *out = result.indices.data();
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            *out++ = char(entryOf[position.value(line[x] | 0xFF000000u)]);
    }
    return result;
}

} // namespace velkari
