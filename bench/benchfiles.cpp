#include "benchsupport.h"

#include "projectfile.h"
#include "skinfile.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QtEndian>

#include <memory>

namespace velkari::bench {

namespace {

// Every entry header once and nothing else, with the bounds checks any reader of untrusted bytes
// needs: the least a reader of the whole tree must do.
qint64 walkEntries(const uchar *bytes, quint32 pos, quint32 end, qint32 count)
{
    qint64 seen = 0;
    for (qint32 i = 0; i < count && pos < end; ++i) {
        const quint32 remaining = end - pos;
        const quint32 nameLength = bytes[pos];
        if (nameLength + 9 > remaining)
            break;
        const quint32 fields = pos + 1 + nameLength;
        const qint32 entries = qFromLittleEndian<qint32>(bytes + fields);
        const quint32 size = qFromLittleEndian<quint32>(bytes + fields + 4);
        if (size > remaining - 9 - nameLength)
            break;
        ++seen;
        if (entries > 0)
            seen += walkEntries(bytes, fields + 8, fields + 8 + size, entries);
        pos = fields + 8 + size;
    }
    return seen;
}

} // namespace

// Opening, saving and compiling the largest project.
void benchFiles(BenchContext &context, const std::function<bool(const char *)> &wanted)
{
    if (wanted("open_max")) {
        std::unique_ptr<SkinProject> project;
        qint64 entries = 0;
        const Timing timing = timePair(
            context.runs, [&] { loadProjectFile(*project, context.projectPath); },
            [&] {
                const QByteArray bytes = readAll(context.projectPath);
                entries = walkEntries(reinterpret_cast<const uchar *>(bytes.constData()), 0, quint32(bytes.size()), 1);
            },
            [&] { project = std::make_unique<SkinProject>(); });
        if (project->layoutList(Landscape).count() != LayoutList::capacity || entries < 80000)
            qFatal("open_max read back something else");
        report("open_max", "scan_max", timing);
    }
    if (wanted("save_max")) {
        const QString savePath = QDir(context.folder).filePath(QStringLiteral("saved.vsp"));
        const QString rawPath = QDir(context.folder).filePath(QStringLiteral("raw.vsp"));
        const QByteArray same(context.projectSize, 'x');
        const Timing timing = timePair(
            context.runs, [&] { saveProjectFile(*context.largest, savePath); }, [&] { writeAtOnce(rawPath, same); });
        if (QFileInfo(savePath).size() != context.projectSize)
            qFatal("save_max wrote something else");
        report("save_max", "write_raw", timing);
    }
    if (wanted("skin_max")) {
        const QString skinPath = QDir(context.folder).filePath(QStringLiteral("largest.vsk"));
        const QString copyPath = QDir(context.folder).filePath(QStringLiteral("pictures.bin"));
        const Timing timing = timePair(context.runs, [&] { writeSkinFile(*context.largest, skinPath); }, [&] {
            QSaveFile file(copyPath);
            if (!file.open(QIODevice::WriteOnly))
                qFatal("cannot write %s", qPrintable(copyPath));
            for (const QString &picture : context.pictures)
                file.write(readAll(picture));
            if (!file.commit())
                qFatal("cannot write %s", qPrintable(copyPath));
        });
        out() << QStringLiteral("# largest skin: %1 bytes\n").arg(QFileInfo(skinPath).size());
        report("skin_max", "copy_pictures", timing);
    }

}

} // namespace velkari::bench
