// velkari-bench: times what the editor does with the largest legal project against a baseline
// that does the least work the same job needs, and prints one line per figure:
//   BENCH <name> <median ms> <baseline> <baseline median ms> <ratio>
// Run through scripts/bench (Release build, offscreen). Options: --runs N (default 21), and
// --only NAME to time one figure, for a profiler. Each group of figures lives in a file of its
// own and is listed in `groups` below.

#include "benchsupport.h"

#include "projectfile.h"
#include "skinfile.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QSettings>
#include <QTemporaryDir>

using namespace velkari;
using namespace velkari::bench;

namespace {

const BenchGroup groups[] = {
    {"files", benchFiles},
    {"device", benchDevice},
    {"window", benchWindow},
    {"check", benchCheck},
    {"canvas", benchCanvas},
    {"picture", benchPicture},
};

// 4 shapes of 20 layouts of 6 rows of 29 keys and the "New" cell, every caption filled. Each row
// is 240 pixels wide and each layout has its own picture, so the project passes every rule.
void makeLargestProject(SkinProject &project, const QStringList &pictures)
{
    project.resetToDefaults();
    for (int shape = 0; shape < ScreenShapeCount; ++shape) {
        LayoutList &layouts = project.layoutList(shape);
        for (int l = 0; l < LayoutList::capacity; ++l) {
            auto layout = std::make_unique<SkinLayout>();
            layout->name = QStringLiteral("Layout%1").arg(l, 2, 10, QLatin1Char('0'));
            layout->picFileName = pictures.at(shape * LayoutList::capacity + l);
            layout->flags = LayoutFlagShortcuts;
            for (int r = 0; r < RowList::capacity; ++r) {
                auto row = std::make_unique<SkinRow>();
                row->height = 20;
                for (int k = 0; k + 1 < ButtonList::capacity; ++k) {
                    auto button = std::make_unique<SkinButton>();
                    button->caption = QStringLiteral("Key %1.%2").arg(r).arg(k);
                    button->flags = ButtonFlagCharacter;
                    button->charCode = quint16('a' + k % 26);
                    button->vk = quint8('A' + k % 26);
                    button->width = k == 0 ? 16 : 8;
                    row->buttons.append(std::move(button));
                }
                row->buttons.append(std::make_unique<SkinButton>());
                layout->rows.append(std::move(row));
            }
            layouts.append(std::move(layout));
        }
    }
}

qint64 peakKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly | QIODevice::Text))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong();
    }
    return -1;
}

// In a child process, so that nothing the parent built counts: the peak after opening `path`
// (or after starting up only, when `path` is empty).
int childPeak(const QString &path)
{
    if (!path.isEmpty()) {
        SkinProject project;
        if (!LoadProjectFile(project, path))
            return 2;
    }
    out() << peakKiB() << '\n';
    return 0;
}

qint64 peakOfChild(const QStringList &arguments)
{
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), arguments);
    if (!child.waitForFinished(60000) || child.exitCode() != 0)
        qFatal("peak child failed");
    return child.readAllStandardOutput().trimmed().toLongLong();
}

int runBenchmarks(int runs, const QString &only)
{
    QTemporaryDir dir;
    if (!dir.isValid())
        qFatal("no temporary folder");
    // The editor's windows read and write their settings; never the user's own.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());

    QStringList pictures;
    for (int i = 0; i < PictureCount; ++i) {
        QByteArray bytes(PictureSize, Qt::Uninitialized);
        QRandomGenerator generator(quint32(i + 1));
        generator.fillRange(reinterpret_cast<quint32 *>(bytes.data()), bytes.size() / 4);
        bytes.replace(0, 6, "GIF89a");
        pictures.append(dir.filePath(QStringLiteral("picture%1.gif").arg(i)));
        writeAtOnce(pictures.last(), bytes);
    }
    SkinProject largest;
    makeLargestProject(largest, pictures);
    if (!FirstValidationFailure(largest).isEmpty())
        qFatal("the largest project does not pass the rules: %s", qPrintable(FirstValidationFailure(largest)));
    const QString projectPath = dir.filePath(QStringLiteral("largest.vsp"));
    SaveProjectFile(largest, projectPath);
    const qint64 projectSize = QFileInfo(projectPath).size();
    out() << QStringLiteral("# largest project: %1 bytes; %2 pictures of %3 KiB; median of %4 runs\n")
                 .arg(projectSize).arg(PictureCount).arg(PictureSize / 1024).arg(runs);

    BenchContext context{runs, dir.path(), pictures, &largest, projectPath, projectSize};
    const auto wanted = [&](const char *name) { return only.isEmpty() || only == QLatin1String(name); };
    for (const BenchGroup &group : groups)
        group.run(context, wanted);

    if (!only.isEmpty())
        return 0;
    const qint64 idle = peakOfChild({QStringLiteral("--peak")});
    const qint64 opened = peakOfChild({QStringLiteral("--peak"), projectPath});
    out() << QStringLiteral("PEAK open_max %1 KiB (a process that opens nothing: %2 KiB; difference %3 KiB)\n")
                 .arg(opened).arg(idle).arg(opened - idle);
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    const QStringList arguments = [&] {
        QStringList list;
        for (int i = 1; i < argc; ++i)
            list.append(QString::fromLocal8Bit(argv[i]));
        return list;
    }();
    if (arguments.value(0) == QLatin1String("--peak")) {
        QCoreApplication app(argc, argv);
        return childPeak(arguments.value(1));
    }
    QApplication app(argc, argv);
    int runs = 21;
    QString only;
    for (qsizetype i = 0; i + 1 < arguments.size(); i += 2) {
        if (arguments[i] == QLatin1String("--runs"))
            runs = qMax(1, arguments[i + 1].toInt());
        else if (arguments[i] == QLatin1String("--only"))
            only = arguments[i + 1];
    }
    return runBenchmarks(runs, only);
}
