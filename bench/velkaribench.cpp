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
    {"preview", benchPreview},
    {"picture", benchPicture},
    {"process", benchProcess},
    {"history", benchHistory},
};

// In a child process, so that nothing the parent built counts: the peak after opening `path`
// (or after starting up only, when `path` is empty).
int childPeak(const QString &path)
{
    if (!path.isEmpty()) {
        SkinProject project;
        if (!loadProjectFile(project, path))
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
    // The editor's windows read and write their settings and recovery copies; never the user's own.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
    qputenv("XDG_STATE_HOME", dir.filePath(QStringLiteral("state")).toLocal8Bit());

    const QStringList pictures = writePictures(dir.path(), PictureSize);
    SkinProject largest;
    makeLargestProject(largest, pictures);
    if (!firstValidationFailure(largest).isEmpty())
        qFatal("the largest project does not pass the rules: %s", qPrintable(firstValidationFailure(largest)));
    const QString projectPath = dir.filePath(QStringLiteral("largest.vsp"));
    saveProjectFile(largest, projectPath);
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
    if (arguments.value(0) == QLatin1String("--peak-skin")) {
        QCoreApplication app(argc, argv);
        return childSkinPeak(arguments.value(1), arguments.value(2));
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
