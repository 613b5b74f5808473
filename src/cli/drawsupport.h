#pragma once

#include "keyboardtheme.h"
#include "layoutpictures.h"

#include <optional>

namespace velkari {

struct CliCommand;
struct CliContext;
struct CommandLine;
class KeyboardPainter;

// The theme of --theme, "dark" when it is not given; a usage error when it names none.
std::optional<KeyboardTheme> ThemeOption(CliContext &context, const CliCommand &command, const CommandLine &line);

// Refuses, naming the first, when the jobs would overwrite files and --force is not given.
bool RefuseToOverwrite(CliContext &context, const SkinProject &project, const QList<PictureJob> &jobs, bool force);

// For a project with new layouts: refuses as RefuseToOverwrite() does, then draws the jobs' pictures
// and saves the project only when every one was written, with the problems on `err`. False when
// it refused or a picture could not be drawn.
bool WriteProjectAndPictures(CliContext &context, SkinProject &project, const QList<PictureJob> &jobs,
                             const KeyboardTheme &theme, bool force);

// Draws and writes the jobs' pictures, with the problems on `err` and, with `listPictures`, a
// line on `out` for each picture written; returns how many were written.
int DrawPictures(CliContext &context, SkinProject &project, const QList<PictureJob> &jobs,
                 const KeyboardPainter &painter, bool listPictures);

} // namespace velkari
