#include "gifencoder.h"

#include <algorithm>
#include <array>

namespace velkari {

namespace {

constexpr int MaxCodeBits = 12;
constexpr int MaxCodes = 1 << MaxCodeBits;

void appendWord(QByteArray &out, int value)
{
    out.append(char(value & 0xFF));
    out.append(char((value >> 8) & 0xFF));
}

// Codes go out least significant bit first, packed across byte boundaries.
class BitPacker
{
public:
    void write(int code, int bits)
    {
        m_pending |= quint32(code) << m_pendingBits;
        m_pendingBits += bits;
        while (m_pendingBits >= 8) {
            m_bytes.append(char(m_pending & 0xFF));
            m_pending >>= 8;
            m_pendingBits -= 8;
        }
    }

    QByteArray finish()
    {
        if (m_pendingBits > 0)
            m_bytes.append(char(m_pending & 0xFF));
        m_pending = 0;
        m_pendingBits = 0;
        return m_bytes;
    }

private:
    QByteArray m_bytes;
    quint32 m_pending = 0;
    int m_pendingBits = 0;
};

// The string table: (prefix code, next index) -> code, open addressing over a power of two.
class StringTable
{
public:
    StringTable() { clear(); }

    void clear() { m_keys.fill(-1); }

    int find(int prefix, int index) const
    {
        const int key = (prefix << 8) | index;
        for (int slot = hash(key);; slot = (slot + 1) & (Slots - 1)) {
            if (m_keys[slot] == key)
                return m_codes[slot];
            if (m_keys[slot] < 0)
                return -1;
        }
    }

    void insert(int prefix, int index, int code)
    {
        const int key = (prefix << 8) | index;
        int slot = hash(key);
        while (m_keys[slot] >= 0)
            slot = (slot + 1) & (Slots - 1);
        m_keys[slot] = key;
        m_codes[slot] = quint16(code);
    }

private:
    // Twice the codes a table can hold, so probing always meets an empty slot.
    static constexpr int Slots = 2 * MaxCodes;

    static int hash(int key) { return int((quint32(key) * 2654435761u) >> 19) & (Slots - 1); }

    std::array<int, Slots> m_keys;
    std::array<quint16, Slots> m_codes;
};

QByteArray compress(const QByteArray &indices, int minCodeSize)
{
    const int clearCode = 1 << minCodeSize;
    const int endCode = clearCode + 1;
    BitPacker packer;
    StringTable table;
    int codeSize = minCodeSize + 1;
    int nextCode = endCode + 1;

    packer.write(clearCode, codeSize);
    int prefix = uchar(indices.at(0));
    for (qsizetype i = 1; i < indices.size(); ++i) {
        const int index = uchar(indices.at(i));
        const int found = table.find(prefix, index);
        if (found >= 0) {
            prefix = found;
            continue;
        }
        packer.write(prefix, codeSize);
        if (nextCode < MaxCodes) {
            table.insert(prefix, index, nextCode);
            // The reader adds this entry one code later than we do, and widens its codes as
            // soon as its next free code no longer fits: so must we, from the following code on.
            if (nextCode == (1 << codeSize) && codeSize < MaxCodeBits)
                ++codeSize;
            ++nextCode;
        } else {
            packer.write(clearCode, codeSize);
            table.clear();
            codeSize = minCodeSize + 1;
            nextCode = endCode + 1;
        }
        prefix = index;
    }
    packer.write(prefix, codeSize);
    packer.write(endCode, codeSize);
    return packer.finish();
}

} // namespace

QByteArray GifEncoder::encode(const IndexedImage &image)
{
    if (!image.isConsistent() || image.width > MaxDimension || image.height > MaxDimension)
        return {};

    int tableBits = 1; // the colour table has at least two entries
    while ((1 << tableBits) < image.palette.size())
        ++tableBits;
    const int minCodeSize = std::max(2, tableBits);

    QByteArray out("GIF89a");
    appendWord(out, image.width);
    appendWord(out, image.height);
    out.append(char(0x80 | ((8 - 1) << 4) | (tableBits - 1))); // global table, 8-bit colour
    out.append('\0'); // background colour index
    out.append('\0'); // square pixels
    for (int i = 0; i < (1 << tableBits); ++i) {
        const QRgb color = i < image.palette.size() ? image.palette.at(i) : qRgb(0, 0, 0);
        out.append(char(qRed(color)));
        out.append(char(qGreen(color)));
        out.append(char(qBlue(color)));
    }

    out.append(char(0x2C));
    appendWord(out, 0);
    appendWord(out, 0);
    appendWord(out, image.width);
    appendWord(out, image.height);
    out.append('\0'); // no local table, not interlaced

    out.append(char(minCodeSize));
    const QByteArray data = compress(image.indices, minCodeSize);
    for (qsizetype at = 0; at < data.size(); at += 255) {
        const qsizetype length = std::min<qsizetype>(255, data.size() - at);
        out.append(char(length));
        out.append(data.constData() + at, length);
    }
    out.append('\0');
    out.append(char(0x3B));
    return out;
}

QByteArray GifEncoder::encode(const QImage &image)
{
    return encode(reduceColors(image));
}

} // namespace velkari
