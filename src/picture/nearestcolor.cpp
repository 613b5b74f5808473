#include "nearestcolor.h"

namespace velkari {

namespace {

int squaredDistance(QRgb a, QRgb b)
{
    const int r = qRed(a) - qRed(b);
    const int g = qGreen(a) - qGreen(b);
    const int bl = qBlue(a) - qBlue(b);
    return r * r + g * g + bl * bl;
}

} // namespace

NearestColor::NearestColor(const QList<QRgb> &palette)
    : m_palette(palette.first(std::min<qsizetype>(palette.size(), 256)))
    , m_cache(size_t(1) << CacheBits)
{
    Q_ASSERT(!m_palette.isEmpty());
}

uchar NearestColor::search(QRgb color) const
{
    int best = 0;
    for (int c = 1; c < m_palette.size(); ++c) {
        if (squaredDistance(color, m_palette[c]) < squaredDistance(color, m_palette[best]))
            best = c;
    }
    return uchar(best);
}

} // namespace velkari
