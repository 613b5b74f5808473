#pragma once

#include "clicontext.h"
#include "commandline.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QString>
#include <QStringList>

namespace velkari {

struct SkinLayout;
struct SkinProject;

QString absolutePathOf(const QString &path);

// "cannot open "PATH": REASON", the one wording of every command for an input it cannot open;
// returns ExitFailed.
int cannotOpenError(const CliContext &context, const QString &path, const QString &reason);
// False, reported as above, when `path` cannot be opened for reading. Anything but a directory
// that exists and is not a regular file (a device, a pipe) is not opened here: the readers refuse
// it as not their kind of file.
bool checkInputReadable(const CliContext &context, const QString &path);

// True, with the refusal said, when writing `output` would replace one of the files the command
// reads (also through a link or another name). The caller returns ExitFailed and writes nothing.
bool refuseOutputOverInput(const CliContext &context, const QStringList &inputs, const QString &output);
// The files a command that compiles the project reads: the project and every layout's picture.
QStringList projectAndPictures(const QString &projectArgument, const SkinProject &project);

// Opens a project as the editor's Open does; says why not, and what opening had to leave out.
// Where `damage` is given, the message of a damaged project goes there instead.
bool openProjectForCommand(const CliContext &context, SkinProject &project, const QString &path, QString *damage = nullptr);

// The layout at `position` of a shape; null, with the positions there are said, when there is none.
SkinLayout *layoutForCommand(const CliContext &context, SkinProject &project, int shape, int position);

// The document as JSON text, every lone UTF-16 surrogate replaced by U+FFFD: a JSON text holds
// only Unicode characters, and a name read from a file may hold half of one.
QString jsonText(const QJsonObject &object, QJsonDocument::JsonFormat format);

} // namespace velkari
