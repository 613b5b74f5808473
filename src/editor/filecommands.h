#pragma once

#include "documentprompts.h"
#include "projecttexts.h"

namespace velkari {

class ProjectDocument;

// The messages and captions below are translated where a translator is installed (the editor);
// the command-line tool installs none and prints the English.
QString saveChangesQuestion();
QString openProjectTitle();
QStringList projectFileFilters();
inline QString projectFileSuffix() { return QStringLiteral("vsp"); }
// "Velkari Skin Editor" for a project without a file, "Velkari Skin Editor-<path>" otherwise.
QString editorWindowTitle(const QString &projectPath);

// The file commands. None catches FileError: a failed write ends the command and reaches the
// caller, which reports it. The project stays modified unless it really is saved.

// True when the command may go on: nothing unsaved, the user said No, or the save succeeded.
bool ConfirmDiscard(ProjectDocument &document, DocumentPrompts &prompts);
// New: an empty project, or a template's project written where the user says and opened. Its
// pictures must be on disk for it to be valid, so it is saved before it is shown.
void ProjectNew(ProjectDocument &document, DocumentPrompts &prompts);
void ProjectOpen(ProjectDocument &document, DocumentPrompts &prompts);
void ProjectSave(ProjectDocument &document, DocumentPrompts &prompts);
void ProjectSaveAs(ProjectDocument &document, DocumentPrompts &prompts);
void CreateSkin(ProjectDocument &document, DocumentPrompts &prompts);
// Opens the given file as ProjectOpen does after its dialog: true when it was a project file. A
// damaged project is refused with a message naming where it is damaged.
bool openProjectPath(ProjectDocument &document, DocumentPrompts &prompts, const QString &path);

} // namespace velkari
