#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QtEndian>

#include <cstdint>

namespace velkari {

// One entry of a container as it lies in the bytes: a section or a value (the bytes cannot tell
// the two apart when the count is 0).
struct ContainerEntry
{
    QByteArrayView name;
    qint32 count = 0;
    quint32 size = 0;
    quint32 offset = 0; // of the name-length byte, relative to the bytes that were parsed
    QByteArrayView body;

    quint32 length() const { return 9 + quint32(name.size()) + size; }
};

// Parses the entry at `pos`, which must lie wholly before `end` (end <= data.size()). False when
// the length byte, the name, the two fields or the body would run past `end`. Inline: a reader
// calls it for every entry it looks at.
inline bool parseEntryAt(QByteArrayView data, quint32 pos, quint32 end, ContainerEntry &entry)
{
    if (end > quint64(data.size()) || pos >= end)
        return false;
    const quint32 remaining = end - pos;
    const auto *bytes = reinterpret_cast<const uchar *>(data.data());
    const quint32 nameLength = bytes[pos];
    if (nameLength + 9 > remaining)
        return false;
    const quint32 fields = pos + 1 + nameLength;
    const quint32 size = qFromLittleEndian<quint32>(bytes + fields + 4);
    if (size > remaining - 9 - nameLength)
        return false;
    entry.name = QByteArrayView(bytes + pos + 1, nameLength);
    entry.count = qFromLittleEndian<qint32>(bytes + fields);
    entry.size = size;
    entry.offset = pos;
    entry.body = QByteArrayView(bytes + fields + 8, size);
    return true;
}

// Where the container in `bytes` contradicts its own structure, as "VELKARI_PRJFILE/Shape0 at
// offset 16 claims -5 entries": a negative count, a name, value or section running past the end
// of its section or of the file, or bytes at the end of a section that are not a whole entry.
// Empty when there is none. Sections are looked into as deep as a reader can enter them; a count
// that differs from the entries a section holds is no contradiction, only entries that are missing
// or left over.
QString findContainerDamage(QByteArrayView bytes);

// The entries that really lie in `body`, at most `count` of them, in file order. Parsing stops at
// the first entry that does not fit; a count larger than the entries present is not trusted.
QList<ContainerEntry> listEntries(QByteArrayView body, qint32 count);

} // namespace velkari
