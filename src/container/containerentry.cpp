#include "containerentry.h"

#include <QtEndian>

namespace velkari {

bool ParseEntryAt(QByteArrayView data, quint32 pos, quint32 end, ContainerEntry &entry)
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
    entry.name = data.sliced(pos + 1, nameLength);
    entry.count = qFromLittleEndian<qint32>(bytes + fields);
    entry.size = size;
    entry.offset = pos;
    entry.body = data.sliced(fields + 8, size);
    return true;
}

QList<ContainerEntry> ListEntries(QByteArrayView body, qint32 count)
{
    QList<ContainerEntry> entries;
    const quint32 end = quint32(qMin<qsizetype>(body.size(), UINT32_MAX));
    quint32 pos = 0;
    ContainerEntry entry;
    for (qint32 i = 0; i < count && ParseEntryAt(body, pos, end, entry); ++i) {
        entries.append(entry);
        pos += entry.length();
    }
    return entries;
}

} // namespace velkari
