#pragma once

#include "compiledskin.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace velkari {

struct SkinLayout;

// The "D" record of a layout in a skin file, little-endian and byte-packed: a 31-byte header,
// per row a count and that many 21-byte key records, an 8-byte footer. One two-way description
// of these bytes serves both directions.

// 31 + 4·rows + 21·keys + 8; every row's last button is its placeholder and is not written.
qint64 skinLayoutDataSize(const SkinLayout &layout);
QByteArray encodeSkinLayoutData(const SkinLayout &layout);
QByteArray encodeSkinLayoutData(const SkinLayoutData &data);
// Reads a record back; false when the bytes do not hold exactly one well-formed record whose
// keys lie as the writer lays them out. `problem` then says what is wrong.
bool decodeSkinLayoutData(QByteArrayView bytes, SkinLayoutData &data, QString *problem = nullptr);

} // namespace velkari
