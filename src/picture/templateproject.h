#pragma once

#include "layoutpictures.h"

namespace velkari {

// A template's project placed at `path`, with a GIF job for every layout in the pictures folder
// beside it. False, with nothing changed, when no template has that name.
bool planTemplateProject(SkinProject &project, QList<PictureJob> &jobs, const QString &name, const QString &path);

// Draws and writes the jobs' pictures, then saves the project at its path; the project is saved
// only when every picture was written, so it never names a picture that is not there. Returns
// the problems of the layouts that could not be drawn. Raises FileError.
QStringList writeProjectWithPictures(SkinProject &project, const QList<PictureJob> &jobs,
                                     const KeyboardPainter &painter);

} // namespace velkari
