// velkari-bench: times what the editor does with the largest legal project against a baseline
// that does the least work the same job needs, and prints one line per figure:
//   BENCH <name> <median ms> <baseline> <baseline median ms> <ratio>
// Run through scripts/bench (Release build, offscreen). Options: --runs N (default 21), and
// --only NAME to time one figure, for a profiler.

#include "cebffile.h"
#include "projectfile.h"
#include "skinfile.h"
#include "vizizarerodlg.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <QtEndian>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace velkari;

namespace {

constexpr int PictureCount = ScreenShapeCount * LayoutList::capacity;
constexpr qint64 PictureSize = 64 * 1024;

QTextStream &out()
{
    static QTextStream stream(stdout);
    return stream;
}

struct Timing
{
    double ms = 0;
    double baselineMs = 0;
};

double elapsedMs(const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e6;
}

double median(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// Medians of `runs` calls of each after one call of each to warm up. The two alternate, so that
// other load on the machine weighs on both alike; `prepare` runs untimed before each `work`.
Timing timePair(int runs, const std::function<void()> &work, const std::function<void()> &baseline,
                const std::function<void()> &prepare = {})
{
    std::vector<double> workTimes, baselineTimes;
    for (int i = 0; i <= runs; ++i) {
        if (prepare)
            prepare();
        const double workMs = elapsedMs(work);
        const double baselineMs = elapsedMs(baseline);
        if (i > 0) {
            workTimes.push_back(workMs);
            baselineTimes.push_back(baselineMs);
        }
    }
    return {median(workTimes), median(baselineTimes)};
}

void report(const char *name, const char *baseline, const Timing &timing)
{
    const double ms = timing.ms;
    const double baselineMs = timing.baselineMs;
    out() << QStringLiteral("BENCH %1 %2 %3 %4 %5\n")
                 .arg(QLatin1String(name), QString::number(ms, 'f', 3), QLatin1String(baseline),
                      QString::number(baselineMs, 'f', 3), QString::number(ms / baselineMs, 'f', 2));
    out().flush();
}

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

QByteArray readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    return file.readAll();
}

void writeAtOnce(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        qFatal("cannot write %s", qPrintable(path));
}

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

// Delivers the pending expose, move and update events, so that what changed is painted as the
// screen would show it before the next input is handled.
void paintPending()
{
    QCoreApplication::processEvents();
}

// The main window on one full layout (6 rows of 30 cells), and the same 180 cells as plain push
// buttons on a dialog of the window's size. Each run moves every cell (the widths swap between two
// sets), so neither side gets away with a geometry that did not change.
void benchGrid(int runs)
{
    CViziZareroDlg window;
    SkinLayout *layout = window.currentLayoutRecord();
    if (!layout)
        qFatal("grid_refresh: the new project has no layout");
    while (layout->rows.count() < RowList::capacity)
        layout->rows.append(std::make_unique<SkinRow>());
    SkinButton key;
    key.caption = QStringLiteral("Key");
    for (const auto &row : layout->rows) {
        while (row->buttons.count() < ButtonList::capacity)
            row->buttons.insertCopyAt(0, key);
    }
    window.show();
    window.gridRefresh();
    paintPending();

    QDialog plain;
    plain.setFixedSize(window.size());
    std::vector<QPushButton *> cells;
    for (int i = 0; i < RowList::capacity * ButtonList::capacity; ++i)
        cells.push_back(new QPushButton(QStringLiteral("Key"), &plain));
    plain.show();

    bool wide = false;
    const Timing timing = timePair(
        runs,
        [&] {
            window.gridRefresh();
            paintPending();
        },
        [&] {
            const int width = (wide ? 9 : 8) * 2;
            for (int r = 0; r < RowList::capacity; ++r) {
                for (int c = 0; c < ButtonList::capacity; ++c) {
                    QPushButton *cell = cells[size_t(r * ButtonList::capacity + c)];
                    cell->setGeometry(CViziZareroDlg::GridLeft + c * width, CViziZareroDlg::GridTop + r * 32, width, 32);
                    cell->show();
                }
            }
            paintPending();
        },
        [&] {
            wide = !wide;
            for (const auto &row : layout->rows) {
                for (const auto &button : row->buttons)
                    button->width = wide ? 9 : 8;
            }
        });
    if (!window.gridButton(RowList::capacity - 1, ButtonList::capacity - 1)->isVisible())
        qFatal("grid_refresh did not show the full layout");
    report("grid_refresh", "move_180", timing);
}

// Constructing and showing the main window on a new project, painted once, against an empty
// dialog of the same size.
void benchStartup(int runs)
{
    QSize size;
    {
        CViziZareroDlg probe;
        size = probe.size();
    }
    const Timing timing = timePair(
        runs,
        [] {
            CViziZareroDlg window;
            window.show();
            paintPending();
        },
        [&] {
            QDialog dialog;
            dialog.setFixedSize(size);
            dialog.show();
            paintPending();
        });
    report("startup", "empty_dialog", timing);
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

    const auto wanted = [&](const char *name) { return only.isEmpty() || only == QLatin1String(name); };
    if (wanted("open_max")) {
        std::unique_ptr<SkinProject> project;
        qint64 entries = 0;
        const Timing timing = timePair(
            runs, [&] { LoadProjectFile(*project, projectPath); },
            [&] {
                const QByteArray bytes = readAll(projectPath);
                entries = walkEntries(reinterpret_cast<const uchar *>(bytes.constData()), 0, quint32(bytes.size()), 1);
            },
            [&] { project = std::make_unique<SkinProject>(); });
        if (project->layoutList(Landscape).count() != LayoutList::capacity || entries < 80000)
            qFatal("open_max read back something else");
        report("open_max", "scan_max", timing);
    }
    if (wanted("save_max")) {
        const QString savePath = dir.filePath(QStringLiteral("saved.vsp"));
        const QString rawPath = dir.filePath(QStringLiteral("raw.vsp"));
        const QByteArray same(projectSize, 'x');
        const Timing timing = timePair(
            runs, [&] { SaveProjectFile(largest, savePath); }, [&] { writeAtOnce(rawPath, same); });
        if (QFileInfo(savePath).size() != projectSize)
            qFatal("save_max wrote something else");
        report("save_max", "write_raw", timing);
    }
    if (wanted("skin_max")) {
        const QString skinPath = dir.filePath(QStringLiteral("largest.vsk"));
        const QString copyPath = dir.filePath(QStringLiteral("pictures.bin"));
        const Timing timing = timePair(runs, [&] { WriteSkinFile(largest, skinPath); }, [&] {
            QSaveFile file(copyPath);
            if (!file.open(QIODevice::WriteOnly))
                qFatal("cannot write %s", qPrintable(copyPath));
            for (const QString &picture : pictures)
                file.write(readAll(picture));
            if (!file.commit())
                qFatal("cannot write %s", qPrintable(copyPath));
        });
        out() << QStringLiteral("# largest skin: %1 bytes\n").arg(QFileInfo(skinPath).size());
        report("skin_max", "copy_pictures", timing);
    }

    if (wanted("grid_refresh"))
        benchGrid(runs);
    if (wanted("startup"))
        benchStartup(runs);

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
