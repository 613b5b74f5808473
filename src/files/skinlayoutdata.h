#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QRect>

namespace velkari {

struct SkinLayout;

// The packed key data of one layout in a skin file: little-endian, no alignment gaps.
struct SkinKeyRecord
{
    quint16 flags = 0;
    quint16 charCode = 0;
    quint8 vk = 0;
    qint32 left = 0;
    qint32 top = 0;
    qint32 right = 0;
    qint32 bottom = 0;

    static constexpr int Size = 21;
};

struct SkinLayoutData
{
    struct KeyPosition
    {
        qint32 row = -1;
        qint32 button = -1;
    };

    quint16 flags = 0;
    quint8 dragUpLayout = 0xFF;
    KeyPosition enter;
    KeyPosition space;
    KeyPosition backspace;
    QList<QList<SkinKeyRecord>> rows;
    qint32 width = 0;
    qint32 height = 0;

    static constexpr int HeaderSize = 31;
    static constexpr int FooterSize = 8;
};

// Where the keys of a layout lie on the device screen, exactly as its skin records them: x restarts
// at 0 in every row and grows by each written key's width, y grows by each row's height. A row's
// placeholder is not written, so it has no rectangle.
struct SkinKeyRects
{
    QList<QList<QRect>> rows;
    qint32 width = 0; // the x reached after the last key of the last row
    qint32 height = 0; // the sum of all row heights

    // The smallest rectangle from the origin that holds every row, the widest included.
    QSize extent() const;
};

SkinKeyRects SkinLayoutKeyRects(const SkinLayout &layout);

// 31 + 4·rows + 21·keys + 8; every row's last button is its placeholder and is not written.
qint64 SkinLayoutDataSize(const SkinLayout &layout);
QByteArray EncodeSkinLayoutData(const SkinLayout &layout);
// Reads a record back; false when the bytes do not hold exactly one well-formed record.
bool DecodeSkinLayoutData(QByteArrayView bytes, SkinLayoutData &data);

} // namespace velkari
