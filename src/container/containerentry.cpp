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

// One open section of the walk: where the walk goes on in it once its child is done, and its name.
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

QString findContainerDamage(QByteArrayView bytes)
{
    if (bytes.size() > qsizetype(CEBFFile::MaxFileSize))
        return Text::tr("the file is larger than 4 GiB");
    const auto *data = reinterpret_cast<const uchar *>(bytes.data());
    // Frame 0 is the file itself; frame k a section a reader has open at level k. The innermost
    // one's position and end are kept in `pos` and `end`: this loop runs for every entry opened.
    Frame frames[CEBFFile::MaxLevels];
    int top = 0;
    quint32 pos = 0;
    quint32 end = quint32(bytes.size());
    for (;;) {
        if (pos == end) {
            if (top == 0)
                return {};
            --top;
            pos = frames[top].pos;
            end = frames[top].end;
            continue;
        }
        const quint32 remaining = end - pos;
        const quint32 nameLength = data[pos];
        if (nameLength + 9 > remaining) {
            if (nameLength + 1 > remaining)
                return Text::tr("the name at offset %1 runs past the end of %2").arg(pos).arg(pathOf(frames, top));
            return Text::tr("%1 ends with %2 bytes at offset %3 that are not a whole entry")
                .arg(pathOf(frames, top))
                .arg(remaining)
                .arg(pos);
        }
        const quint32 fields = pos + 1 + nameLength;
        const qint32 count = qFromLittleEndian<qint32>(data + fields);
        const quint32 size = qFromLittleEndian<quint32>(data + fields + 4);
        const quint32 room = remaining - 9 - nameLength;
        if (count < 0 || size > room) {
            const QByteArrayView name = bytes.sliced(pos + 1, nameLength);
            if (count < 0)
                return Text::tr("%1 at offset %2 claims %3 entries").arg(pathOf(frames, top, name)).arg(fields).arg(count);
            return Text::tr("%1 at offset %2 claims %3 bytes, but only %4 remain in %5")
                .arg(pathOf(frames, top, name))
                .arg(fields + 4)
                .arg(size)
                .arg(room)
                .arg(pathOf(frames, top));
        }
        const quint32 next = fields + 8 + size;
        if (count > 0 && size > 0 && top + 1 < CEBFFile::MaxLevels) {
            frames[top].pos = next;
            frames[top].end = end;
            frames[++top].name = bytes.sliced(pos + 1, nameLength);
            pos = fields + 8;
            end = next;
        } else {
            pos = next;
        }
    }
}

QList<ContainerEntry> listEntries(QByteArrayView body, qint32 count)
{
    QList<ContainerEntry> entries;
    const quint32 end = quint32(qMin<qsizetype>(body.size(), UINT32_MAX));
    quint32 pos = 0;
    ContainerEntry entry;
    for (qint32 i = 0; i < count && parseEntryAt(body, pos, end, entry); ++i) {
        entries.append(entry);
        pos += entry.length();
    }
    return entries;
}

} // namespace velkari
