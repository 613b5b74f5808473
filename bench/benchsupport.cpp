#include "benchsupport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
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

Timing timePair(int runs, const std::function<void()> &work, const std::function<void()> &baseline,
                const std::function<void()> &prepare)
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

void writeAtOnce(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        qFatal("cannot write %s", qPrintable(path));
}

} // namespace velkari::bench
