#pragma once

#include "filecommandhost.h"
#include "skinproject.h"

namespace velkari {

inline QString ApplicationName() { return QStringLiteral("Velkari Skin Editor"); }
// The messages and captions below are translated where a translator is installed (the editor);
// the command-line tool installs none and prints the English.
QString SaveChangesQuestion();
QString InvalidProjectMessage();
QString OpenProjectTitle();
QStringList ProjectFileFilters();
inline QString ProjectFileSuffix() { return QStringLiteral("vsp"); }
// "Velkari Skin Editor" for a project without a file, "Velkari Skin Editor-<path>" otherwise.
QString WindowTitle(const QString &projectPath);

// The file commands. None catches FileError: a failed write ends the command and reaches the
// caller, which reports it. Each leaves `modified` true unless the project really is saved.

// True when the command may go on: nothing unsaved, the user said No, or the save succeeded.
bool ConfirmDiscard(SkinProject &project, FileCommandHost &host);
// New: an empty project, or a template's project written where the user says and opened. Its
// pictures must be on disk for it to be valid, so it is saved before it is shown.
void ProjectNew(SkinProject &project, FileCommandHost &host);
// An empty project without asking anything: the editor starts with one.
void NewEmptyProject(SkinProject &project, FileCommandHost &host);
void ProjectOpen(SkinProject &project, FileCommandHost &host);
void ProjectSave(SkinProject &project, FileCommandHost &host);
void ProjectSaveAs(SkinProject &project, FileCommandHost &host);
void CreateSkin(SkinProject &project, FileCommandHost &host);
// Opens the given file as ProjectOpen does after its dialog: true when it was a project file. A
// damaged project is refused with a message naming where it is damaged.
bool OpenProjectPath(SkinProject &project, FileCommandHost &host, const QString &path);

} // namespace velkari
