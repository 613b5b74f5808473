#pragma once

#include "skinproject.h"

#include <QString>
#include <QStringList>
#include <QTextStream>

#include <functional>

namespace velkari::bench {

constexpr int PictureCount = ScreenShapeCount * LayoutList::capacity;
constexpr qint64 PictureSize = 64 * 1024;

QTextStream &out();

struct Timing
{
    double ms = 0;
    double baselineMs = 0;
};

// Medians of `runs` calls of each after one call of each to warm up. The two alternate, so that
// other load on the machine weighs on both alike; `prepare` runs untimed before each `work`.
Timing timePair(int runs, const std::function<void()> &work, const std::function<void()> &baseline,
                const std::function<void()> &prepare = {});

// BENCH <name> <median ms> <baseline> <baseline median ms> <ratio>
void report(const char *name, const char *baseline, const Timing &timing);

// Delivers the pending expose, move and update events, so that what changed is painted as the
// screen would show it before the next input is handled.
void paintPending();

QByteArray readAll(const QString &path);
void writeAtOnce(const QString &path, const QByteArray &bytes);
// PictureCount pictures of `size` bytes in `folder`, each of its own random bytes.
QStringList writePictures(const QString &folder, qint64 size);
// 4 shapes of 20 layouts of 6 rows of 29 keys and the "New" cell, every row 240 pixels wide, each
// layout with its own picture of `pictures`: the largest project that passes every rule.
void makeLargestProject(SkinProject &project, const QStringList &pictures);
// The process's peak memory so far (VmHWM).
qint64 peakKiB();

// As timePair, for jobs that time themselves and return their milliseconds (a child process,
// whose start-up is the figure but whose ending is not).
Timing medianPair(int runs, const std::function<double()> &work, const std::function<double()> &baseline);

// What every figure may use: the largest legal project (4 shapes × 20 layouts × 6 rows × 30
// buttons, every row 240 pixels wide, one 64 KiB picture per layout), saved in `folder`.
struct BenchContext
{
    int runs = 21;
    QString folder;
    QStringList pictures;
    SkinProject *largest = nullptr;
    QString projectPath;
    qint64 projectSize = 0;
};

// One group of figures; each prints its BENCH lines. `wanted` says whether a figure is asked for
// (--only NAME).
struct BenchGroup
{
    const char *name;
    void (*run)(BenchContext &context, const std::function<bool(const char *)> &wanted);
};

// The groups, in the order they run. Each lives in a file of its own.
void benchFiles(BenchContext &context, const std::function<bool(const char *)> &wanted);
void benchDevice(BenchContext &context, const std::function<bool(const char *)> &wanted);
void benchWindow(BenchContext &context, const std::function<bool(const char *)> &wanted);
void benchCheck(BenchContext &context, const std::function<bool(const char *)> &wanted);
void benchCanvas(BenchContext &context, const std::function<bool(const char *)> &wanted);
void benchPreview(BenchContext &context, const std::function<bool(const char *)> &wanted);
void benchPicture(BenchContext &context, const std::function<bool(const char *)> &wanted);
void benchProcess(BenchContext &context, const std::function<bool(const char *)> &wanted);
void benchHistory(BenchContext &context, const std::function<bool(const char *)> &wanted);

// The child process of skin_peak_rss: opens the project, builds its skin, and prints the peak
// memory after each.
int childSkinPeak(const QString &projectPath, const QString &skinPath);

} // namespace velkari::bench
