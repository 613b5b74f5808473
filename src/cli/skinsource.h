#pragma once

#include "commandsupport.h"
#include "compiledskin.h"

namespace velkari {

// The skin that inspect, simulate and type work on: a skin file, or, where `projects` allows, a
// project compiled in memory as Create Skin would compile it, without its pictures. Says why not.
bool loadSkinForCommand(const CliContext &context, const QString &path, CompiledSkin &skin, bool projects);

// The text in double quotes, escaped as a JSON string is.
QString quotedText(const QString &text);

} // namespace velkari
