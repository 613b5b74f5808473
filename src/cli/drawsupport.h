#pragma once

#include "keyboardtheme.h"
#include "layoutpictures.h"

namespace velkari {

class CliContext;
class KeyboardPainter;

// Refuses, naming the first, when the jobs would overwrite files and --force is not given.
bool refuseToOverwrite(const CliContext &context, const SkinProject &project, const QList<PictureJob> &jobs, bool force);

// For a project with new layouts: refuses as refuseToOverwrite() does, then draws the jobs' pictures
// and saves the project only when every one was written, with the problems said. False when it
// refused or a picture could not be drawn.
bool writeProjectAndPictures(const CliContext &context, SkinProject &project, const QList<PictureJob> &jobs,
                             const KeyboardTheme &theme, bool force);

// Draws and writes the jobs' pictures, with the problems said and, with `listPictures`, a line on
// out() for each picture written; returns how many were written.
int drawPictures(const CliContext &context, SkinProject &project, const QList<PictureJob> &jobs,
                 const KeyboardPainter &painter, bool listPictures);

} // namespace velkari
