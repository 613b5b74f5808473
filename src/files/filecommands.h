#pragma once

#include "filecommandhost.h"
#include "skinproject.h"

namespace velkari {

inline QString ApplicationName() { return QStringLiteral("Velkari Skin Editor"); }
inline QString SaveChangesQuestion() { return QStringLiteral("Do you want to save the changes!"); }
inline QString InvalidProjectMessage() { return QStringLiteral("Invalid Velkari Skin Project File!"); }
inline QString OpenProjectTitle() { return QStringLiteral("Open Velkari Skin Project"); }
inline QStringList ProjectFileFilters()
{
    return {QStringLiteral("Velkari Skin Project Files (*.vsp)"), QStringLiteral("All Files (*.*)")};
}
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
// Opens the given file as ProjectOpen does after its dialog: true when it was a project file.
bool OpenProjectPath(SkinProject &project, FileCommandHost &host, const QString &path);

} // namespace velkari
