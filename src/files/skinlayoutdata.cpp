#include "skinlayoutdata.h"

#include "skinlayout.h"

#include <QtEndian>

namespace velkari {

namespace {

class Packer
{
public:
    explicit Packer(qint64 size)
        : m_bytes(size, Qt::Uninitialized)
    {
    }

    template <typename T>
    void put(T value)
    {
        qToLittleEndian(value, m_bytes.data() + m_pos);
        m_pos += sizeof(T);
    }

    QByteArray take()
    {
        Q_ASSERT(m_pos == m_bytes.size());
        return m_bytes;
    }

private:
    QByteArray m_bytes;
    qsizetype m_pos = 0;
};

class Unpacker
{
public:
    explicit Unpacker(QByteArrayView bytes)
        : m_bytes(bytes)
    {
    }

    template <typename T>
    bool get(T &value)
    {
        if (qsizetype(sizeof(T)) > m_bytes.size() - m_pos)
            return false;
        value = qFromLittleEndian<T>(m_bytes.data() + m_pos);
        m_pos += sizeof(T);
        return true;
    }

    qsizetype remaining() const { return m_bytes.size() - m_pos; }

private:
    QByteArrayView m_bytes;
    qsizetype m_pos = 0;
};

int keyCount(const SkinRow &row)
{
    return qMax(0, row.buttons.count() - 1);
}

} // namespace

QSize SkinKeyRects::extent() const
{
    int widest = 0;
    for (const auto &row : rows) {
        if (!row.isEmpty())
            widest = qMax(widest, row.last().x() + row.last().width());
    }
    return QSize(widest, height);
}

SkinKeyRects SkinLayoutKeyRects(const SkinLayout &layout)
{
    SkinKeyRects rects;
    qint32 x = 0;
    qint32 y = 0;
    rects.rows.reserve(layout.rows.count());
    for (const auto &row : layout.rows) {
        const int keys = keyCount(*row);
        QList<QRect> &keyRects = rects.rows.emplace_back();
        keyRects.reserve(keys);
        x = 0;
        for (int i = 0; i < keys; ++i) {
            const int width = row->buttons.at(i)->width;
            keyRects.append(QRect(x, y, width, row->height));
            x += width;
        }
        y += row->height;
    }
    rects.width = x;
    rects.height = y;
    return rects;
}

qint64 SkinLayoutDataSize(const SkinLayout &layout)
{
    qint64 size = SkinLayoutData::HeaderSize + SkinLayoutData::FooterSize;
    for (const auto &row : layout.rows)
        size += 4 + qint64(SkinKeyRecord::Size) * keyCount(*row);
    return size;
}

QByteArray EncodeSkinLayoutData(const SkinLayout &layout)
{
    Packer out(SkinLayoutDataSize(layout));
    out.put<quint16>(layout.flags);
    out.put<qint8>(layout.dragUpLayout);

    // The device finds these keys by what they send, whatever their function; the last one of a
    // kind wins, the placeholder included.
    SkinLayoutData::KeyPosition enter, space, backspace;
    for (const auto &row : layout.rows) {
        for (const auto &button : row->buttons) {
            const SkinLayoutData::KeyPosition here{row->index, button->index};
            if (button->charCode == 13 && button->vk == 13)
                enter = here;
            else if (button->charCode == 32 && button->vk == 32)
                space = here;
            else if (button->charCode == 8 && button->vk == 8)
                backspace = here;
        }
    }
    for (const auto &position : {enter, space, backspace}) {
        out.put<qint32>(position.row);
        out.put<qint32>(position.button);
    }
    out.put<qint32>(layout.rows.count());

    const SkinKeyRects rects = SkinLayoutKeyRects(layout);
    for (int r = 0; r < layout.rows.count(); ++r) {
        const QList<QRect> &keys = rects.rows.at(r);
        out.put<qint32>(qint32(keys.size()));
        for (int i = 0; i < keys.size(); ++i) {
            const SkinButton &button = *layout.rows.at(r)->buttons.at(i);
            const QRect &key = keys.at(i);
            out.put<quint16>(button.flags);
            out.put<quint16>(button.charCode);
            out.put<quint8>(button.vk);
            // Half-open: right and bottom are the first pixel outside the key.
            out.put<qint32>(key.x());
            out.put<qint32>(key.y());
            out.put<qint32>(key.x() + key.width());
            out.put<qint32>(key.y() + key.height());
        }
    }
    out.put<qint32>(rects.width);
    out.put<qint32>(rects.height);
    return out.take();
}

bool DecodeSkinLayoutData(QByteArrayView bytes, SkinLayoutData &data)
{
    Unpacker in(bytes);
    data = SkinLayoutData();
    qint32 rowCount = 0;
    bool ok = in.get(data.flags) && in.get(data.dragUpLayout);
    for (auto *position : {&data.enter, &data.space, &data.backspace})
        ok = ok && in.get(position->row) && in.get(position->button);
    if (!ok || !in.get(rowCount) || rowCount < 0 || rowCount > in.remaining() / 4)
        return false;
    for (qint32 r = 0; r < rowCount; ++r) {
        qint32 keys = 0;
        if (!in.get(keys) || keys < 0 || keys > in.remaining() / SkinKeyRecord::Size)
            return false;
        QList<SkinKeyRecord> row;
        row.reserve(keys);
        for (qint32 k = 0; k < keys; ++k) {
            SkinKeyRecord key;
            in.get(key.flags);
            in.get(key.charCode);
            in.get(key.vk);
            in.get(key.left);
            in.get(key.top);
            in.get(key.right);
            in.get(key.bottom);
            row.append(key);
        }
        data.rows.append(row);
    }
    return in.get(data.width) && in.get(data.height) && in.remaining() == 0;
}

} // namespace velkari
