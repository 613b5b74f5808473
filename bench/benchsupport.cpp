#include "benchsupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QSaveFile>

#include <algorithm>
#include <vector>

namespace velkari::bench {

namespace {

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

} // namespace

QTextStream &out()
{
    static QTextStream stream(stdout);
    return stream;
}

Timing medianPair(int runs, const std::function<double()> &work, const std::function<double()> &baseline)
{
    std::vector<double> workTimes, baselineTimes;
    for (int i = 0; i <= runs; ++i) {
        const double workMs = work();
        const double baselineMs = baseline();
        if (i > 0) {
            workTimes.push_back(workMs);
            baselineTimes.push_back(baselineMs);
        }
    }
    return {median(workTimes), median(baselineTimes)};
}

Timing timePair(int runs, const std::function<void()> &work, const std::function<void()> &baseline,
                const std::function<void()> &prepare)
{
    return medianPair(
        runs,
        [&] {
            if (prepare)
                prepare();
            return elapsedMs(work);
        },
        [&] { return elapsedMs(baseline); });
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

void paintPending()
{
    QCoreApplication::processEvents();
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    return file.readAll();
}

QStringList writePictures(const QString &folder, qint64 size)
{
    QStringList pictures;
    for (int i = 0; i < PictureCount; ++i) {
        QByteArray bytes(size, Qt::Uninitialized);
        QRandomGenerator generator(quint32(i + 1));
        generator.fillRange(reinterpret_cast<quint32 *>(bytes.data()), bytes.size() / 4);
        bytes.replace(0, 6, "GIF89a");
        pictures.append(QDir(folder).filePath(QStringLiteral("picture%1.gif").arg(i)));
        writeAtOnce(pictures.last(), bytes);
    }
    return pictures;
}

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

void writeAtOnce(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        qFatal("cannot write %s", qPrintable(path));
}

} // namespace velkari::bench
