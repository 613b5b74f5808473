#pragma once

#include "keyboardtheme.h"
#include "pictureencoder.h"

#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

namespace velkari {

class KeyboardPainter;
struct SkinLayout;
struct SkinProject;

// Beside "NAME.vsp", the folder "NAME-pictures": where drawn pictures of a project go.
QString pictureFolderFor(const QString &projectPath);

// How picture file names start for the shape: "portrait", "landscape", "hires-portrait",
// "hires-landscape"; empty for any other number.
QString shapeFileStem(int shape);

// The layout's picture decoded for showing (decodePicture); null when it has none or it cannot be
// read.
QImage readLayoutPicture(const SkinLayout &layout);

// The layout names a GIF or BMP picture that can be read, as the checker finds it.
bool hasReadablePicture(const SkinLayout &layout);

// One picture to draw: the layout (by shape and position) and the file it goes to.
struct PictureJob
{
    int shape = 0;
    int layout = 0;
    QString path;
    PictureFormat format = PictureFormat::Gif;
};

// A job for every layout, or with `onlyMissing` for every layout without a readable picture, in
// `folder`, named after the shape and the layout ("hires-portrait-letters.gif"). No name is one
// another layout uses as its picture or one given to another job.
QList<PictureJob> planLayoutPictures(const SkinProject &project, const QString &folder, PictureFormat format,
                                     bool onlyMissing);

// Where a picture of one layout goes, named as planLayoutPictures() names it after `name` (the
// name the layout is about to have) and, where that is taken, `number` (its coming position).
QString proposedPicturePath(const SkinProject &project, int shape, const SkinLayout &layout, const QString &name,
                            int number, const QString &folder, PictureFormat format);

// The jobs' files that exist already and are not their layout's present picture: what writing
// the jobs would overwrite.
QStringList picturesInTheWay(const SkinProject &project, const QList<PictureJob> &jobs);

// The theme the first of the pictures that decodes was drawn in, told by its background; nothing
// when none decodes or the painter did not draw it.
std::optional<KeyboardTheme> themeOfPictures(const QStringList &paths);

// The layout's picture in the painter's colours, encoded with the painter's mark (drawnmark.h);
// empty when it cannot be drawn.
QByteArray drawLayoutPicture(const SkinLayout &layout, const KeyboardPainter &painter, PictureFormat format);

// Writes as every file is written (writeFileSafely), making the picture's own folder when it is
// missing (but not the folders above it). Raises FileError.
void writePictureFile(const QString &path, const QByteArray &bytes);

// Draws every job's picture, writes it and points its layout at it. A layout that cannot be
// drawn is left as it was and its problem returned. Raises FileError when a folder or file cannot
// be written; the layouts whose pictures were written before keep pointing at them.
QStringList writeLayoutPictures(SkinProject &project, const QList<PictureJob> &jobs, const KeyboardPainter &painter);

} // namespace velkari
