#include "benchsupport.h"

#include "projectfile.h"
#include "skinfile.h"
#include "vizizarerodlg.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

namespace velkari::bench {

namespace {

// The largest picture a skin may carry; skin_peak_rss builds a skin of 80 of them.
constexpr qint64 LargestPicture = MaxPictureFileSize;

// From spawning the program to the "first-paint" line it prints once its window is painted: what
// a user waits for, dynamic loading, platform and font set-up included.
double msToFirstPaint(const QString &program, const QStringList &arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("VELKARI_REPORT_FIRST_PAINT"), QStringLiteral("1"));
    process.setProcessEnvironment(environment);
    process.setStandardErrorFile(QProcess::nullDevice());
    QElapsedTimer timer;
    timer.start();
    process.start(program, arguments);
    while (!process.canReadLine()) {
        if (!process.waitForReadyRead(30000))
            qFatal("%s never reported its first paint", qPrintable(program));
    }
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    if (process.readLine() != "first-paint\n")
        qFatal("%s reported something else", qPrintable(program));
    process.kill();
    process.waitForFinished();
    return ms;
}

void benchStartupProcess(int runs)
{
    QSize size;
    {
        CViziZareroDlg probe;
        size = probe.size();
    }
    const QString editor = QStringLiteral(VELKARI_EDITOR);
    const QString bare = QStringLiteral(VELKARI_BARE_DIALOG);
    const QStringList bareSize{QString::number(size.width()), QString::number(size.height())};
    const Timing timing = medianPair(
        runs, [&] { return msToFirstPaint(editor, {}); }, [&] { return msToFirstPaint(bare, bareSize); });
    report("startup_process", "bare_process", timing);
    // Any window with text sets up the fonts first (the font database, the face); the bare dialog
    // draws none. Shown for comparison, not a figure of its own.
    const Timing text = medianPair(
        runs, [&] { return msToFirstPaint(bare, bareSize + QStringList{QStringLiteral("text")}); },
        [&] { return msToFirstPaint(bare, bareSize); });
    out() << QStringLiteral("# a bare dialog showing one line of text: %1 ms (%2 x the bare dialog)\n")
                 .arg(text.ms, 0, 'f', 3)
                 .arg(text.ms / text.baselineMs, 0, 'f', 2);
}

// Building the largest skin (80 layouts with a picture of 4 MiB each) in a child process: how far
// it raises the peak memory above what opening the project took.
void benchSkinPeak()
{
    QTemporaryDir dir;
    if (!dir.isValid())
        qFatal("no temporary folder");
    SkinProject project;
    makeLargestProject(project, writePictures(dir.path(), LargestPicture));
    const QString projectPath = dir.filePath(QStringLiteral("large-pictures.vsp"));
    saveProjectFile(project, projectPath);

    QProcess child;
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--peak-skin"), projectPath, dir.filePath(QStringLiteral("large-pictures.vsk"))});
    if (!child.waitForFinished(300000) || child.exitCode() != 0)
        qFatal("skin_peak_rss child failed");
    const QList<QByteArray> peaks = child.readAllStandardOutput().trimmed().split(' ');
    const qint64 opened = peaks.value(0).toLongLong();
    const qint64 built = peaks.value(1).toLongLong();
    const qint64 goal = (2 * LargestPicture + 16 * 1024 * 1024) / 1024;
    out() << QStringLiteral("PEAK skin_peak_rss %1 KiB (after opening the project: %2 KiB; rise %3 KiB; goal <= %4 KiB)\n")
                 .arg(built)
                 .arg(opened)
                 .arg(built - opened)
                 .arg(goal);
    out().flush();
}

} // namespace

int childSkinPeak(const QString &projectPath, const QString &skinPath)
{
    SkinProject project;
    if (!loadProjectFile(project, projectPath))
        return 2;
    const qint64 opened = peakKiB();
    writeSkinFile(project, skinPath);
    out() << opened << ' ' << peakKiB() << '\n';
    return 0;
}

// Figures measured on child processes: what a user waits for and what the system must provide.
void benchProcess(BenchContext &context, const std::function<bool(const char *)> &wanted)
{
    if (wanted("startup_process"))
        benchStartupProcess(context.runs);
    if (wanted("skin_peak_rss"))
        benchSkinPeak();
}

} // namespace velkari::bench
