#include "containerdump.h"

#include "buttondescription.h"
#include "containerentry.h"
#include "skinlayoutdata.h"

#include <QTextStream>
#include <QtEndian>

namespace velkari {

namespace {

// The container never nests deeper than this; neither does the tree shown.
constexpr int MaxDepth = 49;

// Values known to hold UTF-16 text in the files this tool reads.
bool isTextName(QByteArrayView name)
{
    for (const char *text : {"HelpFileName", "Name", "PicFileName", "Caption", "HFN"}) {
        if (name == QByteArrayView(text))
            return true;
    }
    return false;
}

QString hexPreview(QByteArrayView bytes)
{
    constexpr qsizetype Shown = 16;
    QString text = QString::fromLatin1(bytes.first(qMin(bytes.size(), Shown)).toByteArray().toHex(' ').toUpper());
    if (bytes.size() > Shown)
        text += QStringLiteral(" ...");
    return text;
}

QString quoted(const QString &text)
{
    QString escaped;
    for (QChar c : text) {
        if (c == u'"' || c == u'\\')
            escaped += u'\\';
        if (c.unicode() < 0x20)
            escaped += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            escaped += c;
    }
    return u'"' + escaped + u'"';
}

QString textValue(QByteArrayView body)
{
    QString text(body.size() / 2, Qt::Uninitialized);
    qFromLittleEndian<quint16>(body.data(), text.size(), text.data());
    return quoted(text);
}

QString position(const SkinLayoutData::KeyPosition &p)
{
    return QStringLiteral("row %1 button %2").arg(p.row).arg(p.button);
}

void dumpLayoutData(QByteArrayView body, const QString &indent, QTextStream &out)
{
    SkinLayoutData data;
    if (!decodeSkinLayoutData(body, data)) {
        out << indent + QStringLiteral("(not a whole layout record) ") + hexPreview(body) + u'\n';
        return;
    }
    out << indent + QStringLiteral("flags 0x%1, drag-up layout %2\n")
                        .arg(hexDigits(data.flags, 4))
                        .arg(qint8(data.dragUpLayout));
    out << indent + QStringLiteral("Enter: %1; Space: %2; Backspace: %3\n")
                        .arg(position(data.enter), position(data.space), position(data.backspace));
    out << indent + QStringLiteral("%1 row(s)\n").arg(data.rows.size());
    for (qsizetype r = 0; r < data.rows.size(); ++r) {
        out << indent + QStringLiteral("row %1: %2 key(s)\n").arg(r).arg(data.rows[r].size());
        for (qsizetype k = 0; k < data.rows[r].size(); ++k) {
            const SkinKeyRecord &key = data.rows[r][k];
            out << indent + QStringLiteral("  key %1: flags 0x%2 char 0x%3 vk 0x%4 rect (%5,%6)-(%7,%8)\n")
                                .arg(k)
                                .arg(hexDigits(key.flags, 4))
                                .arg(hexDigits(key.charCode, 4))
                                .arg(hexDigits(key.vk, 2))
                                .arg(key.left)
                                .arg(key.top)
                                .arg(key.right)
                                .arg(key.bottom);
        }
    }
    out << indent + QStringLiteral("size %1 x %2\n").arg(data.width).arg(data.height);
}

QString valueText(const ContainerEntry &entry)
{
    const QByteArrayView body = entry.body;
    if (isTextName(entry.name))
        return textValue(body);
    switch (body.size()) {
    case 4: {
        const quint32 v = qFromLittleEndian<quint32>(body.data());
        return QStringLiteral("%1 (0x%2)").arg(v).arg(hexDigits(v, 8));
    }
    case 2: {
        const quint16 v = qFromLittleEndian<quint16>(body.data());
        return QStringLiteral("%1 (0x%2)").arg(v).arg(hexDigits(v, 4));
    }
    case 1: {
        const quint8 v = quint8(body[0]);
        return QStringLiteral("%1 (0x%2)").arg(v).arg(hexDigits(v, 2));
    }
    default:
        return hexPreview(body);
    }
}

void dumpEntries(QByteArrayView body, qint32 count, int depth, QTextStream &out)
{
    const QString indent(depth * 2, u' ');
    // Entry by entry rather than through a list, which would take five times the file's size
    // for a section of millions of empty entries.
    const quint32 end = quint32(qMin<qsizetype>(body.size(), UINT32_MAX));
    qint32 listed = 0;
    ContainerEntry entry;
    for (quint32 pos = 0; listed < count && parseEntryAt(body, pos, end, entry); pos += entry.length()) {
        ++listed;
        const QString name = QString::fromLatin1(entry.name.toByteArray());
        const bool isSection = entry.count > 0
            || (entry.count == 0 && entry.size == 0 && !isTextName(entry.name));
        if (isSection) {
            out << indent + QStringLiteral("%1 (section, %2 entries, %3 bytes)\n")
                                .arg(name, QString::number(entry.count), QString::number(entry.size));
            if (depth + 1 < MaxDepth)
                dumpEntries(entry.body, entry.count, depth + 1, out);
            else if (entry.count > 0)
                out << indent + QStringLiteral("  (nested too deeply to show)\n");
        } else if (entry.count != 0) {
            out << indent + QStringLiteral("%1 (count %2, %3 bytes) %4\n")
                                .arg(name, QString::number(entry.count), QString::number(entry.size), hexPreview(entry.body));
        } else if (entry.name == QByteArrayView("D")) {
            out << indent + QStringLiteral("D [%1 bytes] layout data\n").arg(entry.size);
            dumpLayoutData(entry.body, indent + QStringLiteral("  "), out);
        } else {
            out << indent + QStringLiteral("%1 [%2 bytes] = %3\n").arg(name, QString::number(entry.size), valueText(entry));
        }
    }
    if (listed < count)
        out << indent + QStringLiteral("(%1 more entries promised, not present)\n").arg(qint64(count) - listed);
}

} // namespace

bool dumpContainer(const QByteArray &bytes, QTextStream &out)
{
    const QList<ContainerEntry> top = listEntries(bytes, 1);
    if (top.isEmpty())
        return false;
    dumpEntries(QByteArrayView(bytes).first(top[0].length()), 1, 0, out);
    if (quint64(bytes.size()) > top[0].length())
        out << QStringLiteral("(%1 bytes after the class section)\n").arg(quint64(bytes.size()) - top[0].length());
    return true;
}

} // namespace velkari
