#pragma once

#include "clicommand.h"
#include "compiledskin.h"

namespace velkari {

// The skin that inspect, simulate and type work on: a skin file, or, where `projects` allows, a
// project compiled in memory as Create Skin would compile it, without its pictures. Says why not
// on `err`.
bool LoadSkinForCommand(CliContext &context, const QString &path, CompiledSkin &skin, bool projects);

// The --shape option; its value is a display name ("Hi-Res. Portrait") or portrait, landscape,
// hires-portrait, hires-landscape, in any letter case.
const CliOption &ShapeOption();
// The shape a command line names, Portrait when it names none; -1 for a name that is no shape.
int ShapeFromCommandLine(const CommandLine &line);
// The shape of a name as --shape takes it; -1 for a name that is no shape.
int ShapeNamed(const QString &name);
// "unknown shape "NAME"; the shapes are ...", for a usage error.
QString UnknownShapeProblem(const QString &name);
// The same as a usage error of the command; returns ExitFailed.
int UnknownShapeError(CliContext &context, const CliCommand &command, const QString &name);

// The --format option: text (the default) or json; false for anything else.
const CliOption &FormatOption();
bool JsonFormat(const CommandLine &line, bool &json);

// The text in double quotes, escaped as a JSON string is.
QString QuotedText(const QString &text);

} // namespace velkari
