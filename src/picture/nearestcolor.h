#pragma once

#include <QList>
#include <QRgb>

#include <vector>

namespace velkari {

// The nearest entry of a palette (at most 256 colours) to any colour, the first of equally near
// ones; alpha is ignored. A drawn picture has a few hundred colours: each is searched for once
// and then found in a small direct-mapped cache.
class NearestColor
{
public:
    explicit NearestColor(const QList<QRgb> &palette);

    uchar index(QRgb color)
    {
        color |= 0xFF000000u;
        Entry &entry = m_cache[(color * 2654435761u) >> (32 - CacheBits)];
        if (entry.color != color)
            entry = Entry{color, search(color)};
        return entry.index;
    }

private:
    static constexpr int CacheBits = 12;

    struct Entry
    {
        QRgb color = 0; // never a real key: every colour looked up is opaque
        uchar index = 0;
    };

    uchar search(QRgb color) const;

    QList<QRgb> m_palette;
    std::vector<Entry> m_cache;
};

} // namespace velkari
