#include "derivedpictures.h"

#include "drawnmark.h"
#include "fileerror.h"
#include "keyboardpainter.h"
#include "layoutpictures.h"
#include "skinproject.h"
#include "picturereader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>

namespace velkari {

namespace {

// Shown by the editor in its language.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(velkari::DerivedPictures)
};

bool isShape(int shape)
{
    return shape >= 0 && shape < ScreenShapeCount;
}

QString layoutLabel(int shape, const SkinLayout &layout)
{
    return screenShapeName(shape) + QStringLiteral("->") + layout.name;
}

bool samePath(const QString &a, const QString &b)
{
    return !a.isEmpty() && !b.isEmpty()
        && QDir::cleanPath(QFileInfo(a).absoluteFilePath()) == QDir::cleanPath(QFileInfo(b).absoluteFilePath());
}

bool shownByAnotherLayout(const SkinProject &project, const SkinLayout *except, const QString &path)
{
    for (int shape = 0; shape < ScreenShapeCount; ++shape) {
        for (const auto &layout : project.layoutList(shape)) {
            if (layout.get() != except && samePath(layout->picFileName, path))
                return true;
        }
    }
    return false;
}

// `wanted`, or where a file or a layout's picture has that name, "-2", "-3", ... added to it.
QString freePicturePath(const SkinProject &project, const QString &wanted)
{
    const QFileInfo info(wanted);
    const auto taken = [&](const QString &path) {
        const QFileInfo file(path);
        return file.exists() || file.isSymLink() || shownByAnotherLayout(project, nullptr, path);
    };
    QString path = wanted;
    for (int number = 2; taken(path); ++number)
        path = info.dir().filePath(QStringLiteral("%1-%2.%3").arg(info.completeBaseName()).arg(number).arg(info.suffix()));
    return path;
}

PictureFormat formatOf(const QString &picture)
{
    return QFileInfo(picture).isFile() && QImageReader(picture).format() == "bmp" ? PictureFormat::Bmp
                                                                                  : PictureFormat::Gif;
}

QImage readRegularPicture(const QString &path)
{
    return QFileInfo(path).isFile() ? decodePicture(path) : QImage();
}

// Beside the source, its shape's part of the name swapped for the target's, or the target's
// added: "portrait-letters.gif" becomes "landscape-letters.gif", "mine.bmp" "mine-landscape.bmp".
QString scaledPicturePath(const QString &source, int from, int to, PictureFormat format)
{
    const QFileInfo info(source);
    QString base = info.completeBaseName();
    const QString fromStem = shapeFileStem(from) + u'-';
    if (base.startsWith(fromStem))
        base = shapeFileStem(to) + u'-' + base.mid(fromStem.size());
    else if (from != to)
        base += u'-' + shapeFileStem(to);
    return info.dir().filePath(base + u'.' + pictureFormatName(format));
}

QString drawInto(SkinProject &project, int shape, SkinLayout &layout, const QString &path, PictureFormat format,
                 const KeyboardTheme &theme)
{
    const QStringList problems =
        writeLayoutPictures(project, {PictureJob{shape, layout.index, path, format}}, KeyboardPainter(theme));
    return problems.value(0);
}

QString drawAfresh(SkinProject &project, int shape, SkinLayout &layout, const QString &folder, PictureFormat format,
                   const KeyboardTheme &theme)
{
    if (folder.isEmpty()) {
        return Text::tr("The picture of the layout \"%1\" was not drawn: the project has no folder for its "
                        "pictures until it is saved.")
            .arg(layoutLabel(shape, layout));
    }
    const QString path =
        freePicturePath(project, proposedPicturePath(project, shape, layout, layout.name, layout.index, folder, format));
    return drawInto(project, shape, layout, path, format, theme);
}

QString scaleInto(int shape, SkinLayout &layout, const QImage &picture, const QString &path, PictureFormat format)
{
    const QString label = layoutLabel(shape, layout);
    const QString problem = KeyboardPainter::drawProblem(layout, label);
    if (!problem.isEmpty())
        return problem;
    const QImage scaled = picture.convertToFormat(QImage::Format_RGB32)
                              .scaled(KeyboardPainter::pictureSize(layout), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QByteArray bytes = encodePicture(scaled, format);
    if (bytes.isEmpty())
        return Text::tr("The picture of the layout \"%1\" could not be scaled.").arg(label);
    writePictureFile(path, bytes);
    layout.picFileName = path;
    return {};
}

} // namespace

KeyboardTheme themeToDrawIn(const SkinProject &project, const QString &ownPicture, const KeyboardTheme &fallback)
{
    QStringList pictures{ownPicture};
    for (int shape = 0; shape < ScreenShapeCount; ++shape) {
        for (const auto &layout : project.layoutList(shape))
            pictures << layout->picFileName;
    }
    return themeOfPictures(pictures).value_or(fallback);
}

DerivedPictures writeDerivedPictures(SkinProject &project, int from, const QList<int> &targets,
                                     const QString &drawFolder, const KeyboardTheme &fallback)
{
    DerivedPictures result;
    if (!isShape(from))
        return result;
    const LayoutList &sources = project.layoutList(from);
    for (int shape : targets) {
        if (!isShape(shape) || shape == from)
            continue;
        for (const auto &target : project.layoutList(shape)) {
            SkinLayout &layout = *target;
            const SkinLayout *source = sources.at(layout.index);
            const QString sourcePicture = source ? source->picFileName : QString();
            const PictureFormat format = formatOf(sourcePicture);
            const QImage authors = isDrawnPicture(sourcePicture) ? QImage() : readRegularPicture(sourcePicture);
            const QString problem = authors.isNull()
                ? drawAfresh(project, shape, layout, drawFolder, format, themeToDrawIn(project, sourcePicture, fallback))
                : scaleInto(shape, layout, authors,
                            freePicturePath(project, scaledPicturePath(sourcePicture, from, shape, format)), format);
            if (problem.isEmpty())
                result.written.append({shape, int(layout.index), layout.picFileName, authors.isNull()});
            else
                result.problems.append(problem);
        }
    }
    return result;
}

QString redrawLayoutPicture(SkinProject &project, int shape, int layoutPosition, const QString &drawFolder,
                            const KeyboardTheme &fallback)
{
    SkinLayout *layout = isShape(shape) ? project.layoutList(shape).at(layoutPosition) : nullptr;
    if (!layout)
        return {};
    const QString own = layout->picFileName;
    const PictureFormat format = formatOf(own);
    const KeyboardTheme theme = themeToDrawIn(project, own, fallback);
    if (isDrawnPicture(own) && !shownByAnotherLayout(project, layout, own))
        return drawInto(project, shape, *layout, own, format, theme);
    return drawAfresh(project, shape, *layout, drawFolder, format, theme);
}

QString scaleLayoutPicture(SkinProject &project, int shape, int layoutPosition)
{
    SkinLayout *layout = isShape(shape) ? project.layoutList(shape).at(layoutPosition) : nullptr;
    if (!layout)
        return {};
    const QString own = layout->picFileName;
    const QImage picture = readRegularPicture(own);
    if (picture.isNull())
        return Text::tr("The picture \"%1\" cannot be read, so it cannot be scaled.").arg(own);
    const PictureFormat format = formatOf(own);
    return scaleInto(shape, *layout, picture, freePicturePath(project, scaledPicturePath(own, shape, shape, format)), format);
}

} // namespace velkari
