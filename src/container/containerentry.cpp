#include "containerentry.h"

#include "cebffile.h"

#include <QCoreApplication>
#include <QtEndian>

namespace velkari {

namespace {

// Shown by the editor in its language.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(velkari::ContainerDamage)
};

// Long enough for any name the files use.
constexpr qsizetype ShownNameLength = 40;

// A name as it can be shown, whatever bytes a damaged file holds.
QString printableName(QByteArrayView name)
{
    QString text;
    for (const char c : name.first(qMin(name.size(), ShownNameLength))) {
        if (c >= 0x20 && c < 0x7F)
            text += QLatin1Char(c);
        else
            text += QStringLiteral("\\x%1").arg(uint(uchar(c)), 2, 16, QLatin1Char('0'));
    }
    return name.size() > ShownNameLength ? text + QStringLiteral("...") : text;
}

// One open section of the walk: what is left of its body, and its name.
struct Frame
{
    quint32 pos = 0;
    quint32 end = 0;
    QByteArrayView name;
};

QString pathOf(const Frame *frames, int last, QByteArrayView entry = {})
{
    QStringList names;
    for (int i = 1; i <= last; ++i)
        names << printableName(frames[i].name);
    if (!entry.isNull())
        names << printableName(entry);
    return names.isEmpty() ? Text::tr("the file") : names.join(u'/');
}

} // namespace

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

QString findContainerDamage(QByteArrayView bytes)
{
    if (bytes.size() > qsizetype(CEBFFile::MaxFileSize))
        return Text::tr("the file is larger than 4 GiB");
    const auto *data = reinterpret_cast<const uchar *>(bytes.data());
    // Frame 0 is the file itself; frame k a section a reader has open at level k.
    Frame frames[CEBFFile::MaxLevels];
    frames[0] = Frame{0, quint32(bytes.size()), {}};
    int top = 0;
    while (top >= 0) {
        Frame &frame = frames[top];
        if (frame.pos == frame.end) {
            --top;
            continue;
        }
        const quint32 at = frame.pos;
        const quint32 remaining = frame.end - at;
        const quint32 nameLength = data[at];
        if (nameLength + 1 > remaining) {
            return Text::tr("the name at offset %1 runs past the end of %2")
                .arg(at)
                .arg(pathOf(frames, top));
        }
        if (nameLength + 9 > remaining) {
            return Text::tr("%1 ends with %2 bytes at offset %3 that are not a whole entry")
                .arg(pathOf(frames, top))
                .arg(remaining)
                .arg(at);
        }
        const QByteArrayView name = bytes.sliced(at + 1, nameLength);
        const quint32 fields = at + 1 + nameLength;
        const qint32 count = qFromLittleEndian<qint32>(data + fields);
        const quint32 size = qFromLittleEndian<quint32>(data + fields + 4);
        if (count < 0)
            return Text::tr("%1 at offset %2 claims %3 entries").arg(pathOf(frames, top, name)).arg(fields).arg(count);
        const quint32 room = remaining - 9 - nameLength;
        if (size > room) {
            return Text::tr("%1 at offset %2 claims %3 bytes, but only %4 remain in %5")
                .arg(pathOf(frames, top, name))
                .arg(fields + 4)
                .arg(size)
                .arg(room)
                .arg(pathOf(frames, top));
        }
        frame.pos = fields + 8 + size;
        if (count > 0 && size > 0 && top + 1 < CEBFFile::MaxLevels)
            frames[++top] = Frame{fields + 8, fields + 8 + size, name};
    }
    return {};
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
