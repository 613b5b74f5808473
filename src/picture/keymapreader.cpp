#include "keymapreader.h"

#include <algorithm>
#include <array>
#include <vector>

namespace velkari {

namespace {

// A separating colour is matched within its own spread, but never so loosely that the darker
// lip of a key, or the first smoothed pixels of its edge, would count as gap.
constexpr int MinimumTolerance = 6;
constexpr int MaximumTolerance = 64;
// A line this uniform may be a gap or a border line between two rows.
constexpr double UniformLine = 0.9;
constexpr int MaximumCandidates = 6;
// Key faces cover most of a keyboard picture; gaps and borders less.
constexpr double MaximumSeparatorShare = 0.45;
// The least share of the lines, and of the columns, that a separating colour shows in; a colour
// that two sides of the picture show (keys rarely reach two) needs not.
constexpr double SeparatorScore = 0.75;
constexpr int MarginSides = 2;
// Narrower runs of face are specks, stray caption pixels or shadow, not keys.
constexpr int MinimumKeySide = 3;

// A shadow keeps at least this share of the light; when more of the picture is in shade, the
// shade is key faces.
constexpr double MinimumShadowLight = 0.35;
constexpr double MaximumShadowShare = 0.3;
constexpr int MaximumShadowWidth = 6;
constexpr int ShadowRun = 2; // pixels on either side
// Two keys side by side have faces of nearly one colour.
constexpr int MaximumFaceDifference = 24;
// A shadow cast down and to the side has upright strips at least an eighth as large as its level
// ones.
constexpr int ShadowProportion = 8;

struct Span
{
    int begin = 0;
    int end = 0; // first outside
};

// The picture's pixels with one flag each, read along lines (`across`) or down columns.
class PixelGrid
{
public:
    explicit PixelGrid(const QImage &image)
        : m_bits(reinterpret_cast<const QRgb *>(image.constBits()))
        , m_stride(image.bytesPerLine() / 4)
        , m_width(image.width())
        , m_height(image.height())
    {
    }

    int width() const { return m_width; }
    int height() const { return m_height; }
    int length(bool across) const { return across ? m_width : m_height; }
    int lines(bool across) const { return across ? m_height : m_width; }

    QRgb pixel(int x, int y) const { return m_bits[qsizetype(y) * m_stride + x]; }
    QRgb pixel(int along, int line, bool across) const { return across ? pixel(along, line) : pixel(line, along); }
    const QRgb *line(int y) const { return m_bits + qsizetype(y) * m_stride; }

    size_t index(int x, int y) const { return size_t(y) * size_t(m_width) + size_t(x); }
    size_t index(int along, int line, bool across) const { return across ? index(along, line) : index(line, along); }
    std::vector<quint8> flags() const { return std::vector<quint8>(size_t(m_width) * size_t(m_height)); }

private:
    const QRgb *m_bits;
    qsizetype m_stride;
    int m_width;
    int m_height;
};

int distance(QRgb a, QRgb b)
{
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

int medianOf(const std::array<int, 256> &histogram, int count)
{
    int seen = 0;
    for (int value = 0; value < 256; ++value) {
        seen += histogram[value];
        if (2 * seen >= count)
            return value;
    }
    return 255;
}

struct Candidate
{
    QRgb colour = 0;
    int tolerance = MinimumTolerance;
    bool uniform = false; // nearly every pixel within the tolerance
    int sides = 0;        // of the picture, that have this colour
    int lines = 0;
};

// A line's typical colour and how far its pixels stray from it.
Candidate lineColour(const PixelGrid &grid, int line, bool across)
{
    const int count = grid.length(across);
    std::array<int, 256> red{}, green{}, blue{};
    for (int i = 0; i < count; ++i) {
        const QRgb pixel = grid.pixel(i, line, across);
        ++red[qRed(pixel)];
        ++green[qGreen(pixel)];
        ++blue[qBlue(pixel)];
    }
    Candidate result;
    result.colour = qRgb(medianOf(red, count), medianOf(green, count), medianOf(blue, count));
    std::array<int, 256> spread{};
    for (int i = 0; i < count; ++i)
        ++spread[distance(grid.pixel(i, line, across), result.colour)];
    // Twice the median distance holds nearly all of an evenly textured line.
    result.tolerance = std::clamp(2 * medianOf(spread, count), MinimumTolerance, MaximumTolerance);
    int near = 0;
    for (int d = 0; d <= result.tolerance; ++d)
        near += spread[d];
    result.uniform = near >= UniformLine * count;
    return result;
}

bool matches(QRgb pixel, const QList<Candidate> &colours)
{
    return std::any_of(colours.begin(), colours.end(),
                       [&](const Candidate &c) { return distance(pixel, c.colour) <= c.tolerance; });
}

// A darker shade of a separating colour, as a shadow cast on it gives.
bool shadowOf(QRgb pixel, const QList<Candidate> &colours)
{
    const int sum = qRed(pixel) + qGreen(pixel) + qBlue(pixel);
    return std::any_of(colours.begin(), colours.end(), [&](const Candidate &c) {
        const int full = qRed(c.colour) + qGreen(c.colour) + qBlue(c.colour);
        if (sum >= full || sum < MinimumShadowLight * full)
            return false;
        const auto darkened = [&](int channel) { return channel * sum / full; };
        return distance(pixel, qRgb(darkened(qRed(c.colour)), darkened(qGreen(c.colour)), darkened(qBlue(c.colour))))
            <= c.tolerance;
    });
}

// The colours that separate the keys. A separating colour shows in nearly every line (between
// the keys of a row, and all along the gaps between rows) and in nearly every column, and covers
// less of the picture than the faces do; a face colour is missing from the gap lines, however
// wide the keys. The candidates are the colours of uniform lines and of the picture's sides,
// where shadows and textures can leave no line uniform.
QList<Candidate> separatorColours(const PixelGrid &grid)
{
    QList<Candidate> candidates;
    const auto consider = [&](const Candidate &line) {
        auto same = std::find_if(candidates.begin(), candidates.end(), [&](const Candidate &candidate) {
            return distance(candidate.colour, line.colour) <= std::max(candidate.tolerance, line.tolerance);
        });
        if (same == candidates.end()) {
            candidates.append(line);
            candidates.last().lines = 1;
        } else {
            same->tolerance = std::max(same->tolerance, line.tolerance);
            same->sides += line.sides;
            ++same->lines;
        }
    };
    for (int y = 0; y < grid.height(); ++y) {
        const Candidate line = lineColour(grid, y, true);
        if (line.uniform)
            consider(line);
    }
    std::stable_sort(candidates.begin(), candidates.end(),
                     [](const Candidate &a, const Candidate &b) { return a.lines > b.lines; });
    candidates.resize(std::min<qsizetype>(candidates.size(), MaximumCandidates));
    for (const bool across : {true, false}) {
        for (const int line : {0, grid.lines(across) - 1}) {
            Candidate side = lineColour(grid, line, across);
            side.sides = 1;
            if (side.uniform)
                consider(side);
        }
    }

    QList<Candidate> chosen;
    std::vector<int> inColumn(static_cast<size_t>(grid.width()));
    for (const Candidate &candidate : std::as_const(candidates)) {
        std::fill(inColumn.begin(), inColumn.end(), 0);
        qint64 pixels = 0;
        int linesWith = 0;
        for (int y = 0; y < grid.height(); ++y) {
            const QRgb *line = grid.line(y);
            int inLine = 0;
            for (int x = 0; x < grid.width(); ++x) {
                if (distance(line[x], candidate.colour) <= candidate.tolerance) {
                    ++inLine;
                    ++inColumn[size_t(x)];
                }
            }
            pixels += inLine;
            // Two pixels: a stray one of a smoothed caption is no gap.
            linesWith += inLine >= 2;
        }
        const auto columnsWith = std::count_if(inColumn.begin(), inColumn.end(), [](int n) { return n >= 2; });
        const double score = std::min(double(linesWith) / grid.height(), double(columnsWith) / grid.width());
        if (pixels <= MaximumSeparatorShare * grid.width() * grid.height()
            && (score >= SeparatorScore || candidate.sides >= MarginSides))
            chosen.append(candidate);
    }
    return chosen;
}

// The pixels of shade in thin strips that key faces cast (along lines when `across`, else down
// columns): after a face and before a gap or a face of nearly its colour, the smoothed pixels of
// their edges aside. The smoothed edge of a caption lies between a face and ink of another colour.
std::vector<quint8> castShadows(const PixelGrid &grid, const std::vector<quint8> &gap,
                                const std::vector<quint8> &shade, bool across)
{
    const int length = grid.length(across);
    std::vector<quint8> strips = grid.flags();
    for (int line = 0; line < grid.lines(across); ++line) {
        const auto at = [&](const std::vector<quint8> &flags, int i) { return flags[grid.index(i, line, across)]; };
        const auto colour = [&](int i) { return grid.pixel(std::clamp(i, 0, length - 1), line, across); };
        for (int i = 1; i < length;) {
            if (!at(shade, i)) {
                ++i;
                continue;
            }
            const int begin = i;
            while (i < length && at(shade, i))
                ++i;
            if (i - begin > MaximumShadowWidth || i == length || at(gap, begin - 1))
                continue;
            const bool faceAfter = std::min(distance(colour(begin - 1), colour(i)),
                                            distance(colour(begin - 2), colour(i + 1)))
                <= MaximumFaceDifference;
            if (at(gap, i) || faceAfter) {
                for (int j = begin; j < i; ++j)
                    strips[grid.index(j, line, across)] = 1;
            }
        }
    }
    return strips;
}

// How many of the pixels lie in runs of a few pixels across the lines (`across`) or columns.
qint64 longStrips(const PixelGrid &grid, const std::vector<quint8> &strips, bool across)
{
    qint64 count = 0;
    const int lines = grid.lines(across);
    for (int line = ShadowRun; line + ShadowRun < lines; ++line) {
        for (int i = 0; i < grid.length(across); ++i) {
            bool runs = true;
            for (int d = -ShadowRun; d <= ShadowRun && runs; ++d)
                runs = strips[grid.index(i, line + d, across)];
            count += runs;
        }
    }
    return count;
}

// Which pixels separate the keys.
std::vector<quint8> separatingPixels(const PixelGrid &grid, const QList<Candidate> &separators)
{
    std::vector<quint8> gap = grid.flags();
    std::vector<quint8> shade = grid.flags();
    qint64 shaded = 0;
    for (int y = 0; y < grid.height(); ++y) {
        const QRgb *line = grid.line(y);
        for (int x = 0; x < grid.width(); ++x) {
            const size_t i = grid.index(x, y);
            gap[i] = matches(line[x], separators);
            shade[i] = !gap[i] && shadowOf(line[x], separators);
            shaded += shade[i];
        }
    }
    // A key's own darker lip lies below its face, and a whole key may be a darker shade of the
    // background; only a shadow it casts shows as a thin strip beside it too.
    if (shaded == 0 || shaded >= MaximumShadowShare * grid.width() * grid.height())
        return gap;
    // Where a shadow fills whole gaps, its own colour is found to separate keys too.
    const bool shadowSeparates = std::any_of(separators.begin(), separators.end(),
                                             [&](const Candidate &c) { return shadowOf(c.colour, separators); });
    std::vector<quint8> cast = shade;
    if (!shadowSeparates) {
        const std::vector<quint8> beside = castShadows(grid, gap, shade, true);
        const std::vector<quint8> below = castShadows(grid, gap, shade, false);
        const qint64 upright = longStrips(grid, beside, true);
        if (upright < grid.height() || ShadowProportion * upright < longStrips(grid, below, false))
            return gap;
        for (size_t i = 0; i < cast.size(); ++i)
            cast[i] = beside[i] || below[i];
    }
    for (size_t i = 0; i < gap.size(); ++i)
        gap[i] = gap[i] || cast[i];
    return gap;
}

// The runs where `separating` is false, at least MinimumKeySide long.
QList<Span> faceRuns(const std::vector<bool> &separating)
{
    QList<Span> runs;
    const int size = int(separating.size());
    for (int i = 0; i < size;) {
        if (separating[size_t(i)]) {
            ++i;
            continue;
        }
        const int begin = i;
        while (i < size && !separating[size_t(i)])
            ++i;
        if (i - begin >= MinimumKeySide)
            runs.append({begin, i});
    }
    return runs;
}

// From 0 to `size`, cut in the middle of the gap between each run and the next.
QList<Span> tile(const QList<Span> &runs, int size)
{
    QList<Span> tiles;
    for (qsizetype i = 0; i < runs.size(); ++i) {
        const int begin = i == 0 ? 0 : tiles.last().end;
        const int end = i + 1 == runs.size() ? size : (runs[i].end + runs[i + 1].begin) / 2;
        tiles.append({begin, end});
    }
    return tiles;
}

} // namespace

PictureKeyMap readPictureKeyMap(const QImage &picture)
{
    PictureKeyMap map;
    map.width = picture.width();
    map.height = picture.height();
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    if (image.isNull())
        return map;
    const PixelGrid grid(image);
    const QList<Candidate> separators = separatorColours(grid);
    if (separators.isEmpty())
        return map;
    const std::vector<quint8> gap = separatingPixels(grid, separators);

    // Rows lie between lines that are mostly gap; keys between columns that are mostly gap
    // across the faces of their row.
    std::vector<bool> gapLine(static_cast<size_t>(grid.height()));
    for (int y = 0; y < grid.height(); ++y) {
        const auto begin = gap.begin() + qsizetype(grid.index(0, y));
        gapLine[size_t(y)] = 2 * std::count(begin, begin + grid.width(), quint8(1)) >= grid.width();
    }
    QList<Span> rowFaces;
    QList<QList<Span>> keyFaces;
    std::vector<bool> gapColumn(static_cast<size_t>(grid.width()));
    for (const Span &face : faceRuns(gapLine)) {
        for (int x = 0; x < grid.width(); ++x) {
            int count = 0;
            for (int y = face.begin; y < face.end; ++y)
                count += gap[grid.index(x, y)];
            gapColumn[size_t(x)] = 2 * count >= face.end - face.begin;
        }
        const QList<Span> keys = faceRuns(gapColumn);
        if (keys.isEmpty())
            continue;
        rowFaces.append(face);
        keyFaces.append(keys);
    }
    const QList<Span> rows = tile(rowFaces, grid.height());
    for (qsizetype r = 0; r < rows.size(); ++r) {
        PictureKeyMap::Row row{rows[r].begin, rows[r].end - rows[r].begin, {}};
        for (const Span &key : tile(keyFaces[r], grid.width()))
            row.keys.append({key.begin, key.end - key.begin});
        map.rows.append(row);
    }
    return map;
}

} // namespace velkari
