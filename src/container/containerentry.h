#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

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
// the length byte, the name, the two fields or the body would run past `end`.
bool ParseEntryAt(QByteArrayView data, quint32 pos, quint32 end, ContainerEntry &entry);

// The entries that really lie in `body`, at most `count` of them, in file order. Parsing stops at
// the first entry that does not fit; a count larger than the entries present is not trusted.
QList<ContainerEntry> ListEntries(QByteArrayView body, qint32 count);

} // namespace velkari
