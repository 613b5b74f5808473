#include "layoutpictures.h"

#include "drawnmark.h"
#include "fileerror.h"
#include "keyboardpainter.h"
#include "picturereader.h"
#include "safefilewriter.h"
#include "skinproject.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSet>

namespace velkari {

namespace {

// Shown by the editor in its language.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(velkari::LayoutPictures)
};

constexpr qsizetype MaxNameLength = 40;

QString shapeStem(int shape)
{
    static const char *const stems[ScreenShapeCount] = {"portrait", "landscape", "hires-portrait", "hires-landscape"};
    return QString::fromLatin1(stems[shape]);
}

// Lower-case ASCII letters and digits joined by single hyphens; accents are dropped, not the
// letters that carry them.
QString fileNamePart(const QString &name)
{
    QString part;
    for (const QChar c : name.normalized(QString::NormalizationForm_KD)) {
        if (c.isMark())
            continue;
        const QChar lower = c.toLower();
        if ((lower >= u'a' && lower <= u'z') || (lower >= u'0' && lower <= u'9'))
            part.append(lower);
        else if (!part.isEmpty() && !part.endsWith(u'-'))
            part.append(u'-');
        if (part.size() >= MaxNameLength)
            break;
    }
    while (part.endsWith(u'-'))
        part.chop(1);
    return part.isEmpty() ? QStringLiteral("layout") : part;
}

QString canonical(const QString &path)
{
    return path.isEmpty() ? QString() : QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

// In `dir`, named after the shape and `name`; numbered after `number` where another layout's
// picture, or a name in `taken`, has that path already.
QString freePicturePath(const SkinProject &project, int shape, const SkinLayout &layout, const QString &name,
                        int number, const QDir &dir, const QString &suffix, const QSet<QString> &taken)
{
    const auto isTaken = [&](const QString &path) {
        if (taken.contains(path))
            return true;
        for (int s = 0; s < ScreenShapeCount; ++s) {
            for (const auto &other : project.layoutList(s)) {
                if (other.get() != &layout && canonical(layoutPicturePath(*other)) == path)
                    return true;
            }
        }
        return false;
    };
    const QString base = shapeStem(shape) + u'-' + fileNamePart(name);
    QString path = canonical(dir.filePath(base + suffix));
    for (int attempt = 1; isTaken(path); ++attempt) {
        const QString numbered =
            base + u'-' + QString::number(number) + (attempt > 1 ? u'-' + QString::number(attempt) : QString());
        path = canonical(dir.filePath(numbered + suffix));
    }
    return path;
}

} // namespace

QString pictureFolderFor(const QString &projectPath)
{
    const QFileInfo project(projectPath);
    return project.dir().filePath(project.completeBaseName() + QStringLiteral("-pictures"));
}

QString shapeFileStem(int shape)
{
    return shape >= 0 && shape < ScreenShapeCount ? shapeStem(shape) : QString();
}

QImage readLayoutPicture(const SkinLayout &layout)
{
    return decodePicture(layoutPicturePath(layout));
}

bool hasReadablePicture(const SkinLayout &layout)
{
    return probePicture(layoutPicturePath(layout)).readable();
}

QList<PictureJob> planLayoutPictures(const SkinProject &project, const QString &folder, PictureFormat format,
                                     bool onlyMissing)
{
    const QDir dir(folder);
    const QString suffix = u'.' + pictureFormatName(format);
    QSet<QString> taken;
    QList<PictureJob> jobs;
    for (int shape = 0; shape < ScreenShapeCount; ++shape) {
        for (const auto &layout : project.layoutList(shape)) {
            if (onlyMissing && hasReadablePicture(*layout))
                continue;
            const QString path =
                freePicturePath(project, shape, *layout, layout->name, layout->index, dir, suffix, taken);
            taken.insert(path);
            jobs.append(PictureJob{shape, layout->index, path, format});
        }
    }
    return jobs;
}

QString proposedPicturePath(const SkinProject &project, int shape, const SkinLayout &layout, const QString &name,
                            int number, const QString &folder, PictureFormat format)
{
    return freePicturePath(project, shape, layout, name, number, QDir(folder), u'.' + pictureFormatName(format), {});
}

QStringList picturesInTheWay(const SkinProject &project, const QList<PictureJob> &jobs)
{
    QStringList paths;
    for (const PictureJob &job : jobs) {
        const SkinLayout *layout = project.layoutList(job.shape).at(job.layout);
        if (QFileInfo::exists(job.path) && (!layout || canonical(layoutPicturePath(*layout)) != canonical(job.path)))
            paths.append(job.path);
    }
    return paths;
}

void writePictureFile(const QString &path, const QByteArray &bytes)
{
    // Only the pictures' own folder is made: a project's folder that does not exist is a
    // mistake in the path, not a folder to create.
    const QString folder = QFileInfo(path).absolutePath();
    if (!QFileInfo(folder).isDir() && !QDir().mkdir(folder))
        throw FileError(FileError::Action::Write, folder, Text::tr("The folder cannot be created."));
    writeFileSafely(path, bytes);
}

std::optional<KeyboardTheme> themeOfPictures(const QStringList &paths)
{
    for (const QString &path : paths) {
        const QImage picture = decodePicture(path);
        if (picture.isNull())
            continue;
        // The painter fills the background first and never draws a key over the corner.
        const QRgb corner = picture.pixel(0, 0) | 0xFF000000;
        for (const QString &name : KeyboardTheme::names()) {
            std::optional<KeyboardTheme> theme = KeyboardTheme::named(name);
            if (corner == (theme->background | 0xFF000000))
                return theme;
        }
        // Only the first picture is decoded: a project of large pictures drawn by hand would
        // otherwise be decoded whole at each click.
        return std::nullopt;
    }
    return std::nullopt;
}

QByteArray drawLayoutPicture(const SkinLayout &layout, const KeyboardPainter &painter, PictureFormat format)
{
    const QImage picture = painter.paint(layout);
    return picture.isNull() ? QByteArray() : encodeDrawnPicture(picture, format);
}

QStringList writeLayoutPictures(SkinProject &project, const QList<PictureJob> &jobs, const KeyboardPainter &painter)
{
    QStringList problems;
    for (const PictureJob &job : jobs) {
        SkinLayout *layout = project.layoutList(job.shape).at(job.layout);
        if (!layout)
            continue;
        const QString label = screenShapeName(job.shape) + QStringLiteral("->") + layout->name;
        QString problem = KeyboardPainter::drawProblem(*layout, label);
        const QByteArray bytes = problem.isEmpty() ? drawLayoutPicture(*layout, painter, job.format) : QByteArray();
        if (problem.isEmpty() && bytes.isEmpty())
            problem = Text::tr("The picture of the layout \"%1\" could not be drawn.").arg(label);
        if (!problem.isEmpty()) {
            problems.append(problem);
            continue;
        }
        writePictureFile(job.path, bytes);
        layout->picFileName = job.path;
    }
    return problems;
}

} // namespace velkari
