#include "benchsupport.h"

#include "pictureencoder.h"
#include "picturereader.h"
#include "projectchecker.h"
#include "projectfile.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QRandomGenerator>

#include <memory>

namespace velkari::bench {

namespace {

// Real pictures of about 64 KiB, every other one a GIF, the rest BMPs: noise, so that nothing
// compresses and the decoders see every byte.
QStringList makeRealPictures(const QString &folder)
{
    QStringList paths;
    QRandomGenerator generator(7);
    for (int i = 0; i < PictureCount; ++i) {
        QByteArray bytes;
        if (i % 2 == 0) {
            QImage image(240, 200, QImage::Format_Indexed8);
            QList<QRgb> palette;
            for (int c = 0; c < 256; ++c)
                palette.append(QRgb(generator.generate() | 0xFF000000u));
            image.setColorTable(palette);
            for (int y = 0; y < image.height(); ++y) {
                uchar *line = image.scanLine(y);
                for (int x = 0; x < image.width(); ++x)
                    line[x] = uchar(generator.bounded(256));
            }
            bytes = encodeGif(image);
            paths.append(QDir(folder).filePath(QStringLiteral("real%1.gif").arg(i)));
            writeAtOnce(paths.last(), bytes);
        } else {
            QImage image(240, 91, QImage::Format_RGB888);
            for (int y = 0; y < image.height(); ++y)
                generator.fillRange(reinterpret_cast<quint32 *>(image.scanLine(y)), image.bytesPerLine() / 4);
            paths.append(QDir(folder).filePath(QStringLiteral("real%1.bmp").arg(i)));
            if (!image.save(paths.last(), "BMP"))
                qFatal("cannot write %s", qPrintable(paths.last()));
        }
    }
    return paths;
}

} // namespace

// Checking the largest project, every picture's header read, and checking it again as the editor does
// after each change, with what the pictures showed remembered.
void benchCheck(BenchContext &context, const std::function<bool(const char *)> &wanted)
{
    if (!wanted("check_max") && !wanted("recheck_max"))
        return;
    SkinProject project;
    if (!loadProjectFile(project, context.projectPath))
        qFatal("the largest project does not open");
    const QStringList pictures = makeRealPictures(context.folder);
    qint64 pictureBytes = 0;
    for (int shape = 0, i = 0; shape < ScreenShapeCount; ++shape) {
        for (const auto &layout : project.layoutList(shape)) {
            layout->picFileName = pictures.at(i++);
            pictureBytes += QFileInfo(layout->picFileName).size();
        }
    }
    out() << QStringLiteral("# real pictures: %1 GIF and BMP, %2 KiB on average\n")
                 .arg(PictureCount)
                 .arg(pictureBytes / PictureCount / 1024);

    std::unique_ptr<SkinProject> opened;
    const auto open = [&] { loadProjectFile(*opened, context.projectPath); };
    const auto fresh = [&] { opened = std::make_unique<SkinProject>(); };
    qsizetype found = 0;
    const auto expectWarningsOnly = [&](const QList<Problem> &problems) {
        // The pictures are not the size of their keys, and the layouts are 240 wide in every
        // shape: warnings, but no error.
        for (const Problem &problem : problems) {
            if (problem.isError())
                qFatal("checking the largest project found an error: %s", qPrintable(problem.message));
        }
        found = problems.size();
    };
    if (wanted("check_max")) {
        const Timing timing = timePair(
            context.runs, [&] { expectWarningsOnly(checkProject(project)); }, open, fresh);
        const Timing decoding = timePair(
            context.runs, [&] { for (const QString &picture : pictures) probePicture(picture); }, open, fresh);
        out() << QStringLiteral("# check_max: %1 problems; reading the pictures' headers alone takes %2 ms\n")
                     .arg(found)
                     .arg(decoding.ms, 0, 'f', 3);
        report("check_max", "open_max", timing);
    }
    if (wanted("recheck_max")) {
        ProjectChecker checker;
        const Timing timing = timePair(
            context.runs, [&] { expectWarningsOnly(checker.check(project)); }, open, fresh);
        report("recheck_max", "open_max", timing);
    }
}

} // namespace velkari::bench
