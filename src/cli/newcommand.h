#pragma once

#include "clicommand.h"

namespace velkari {

// Shared by new and its template half, which draws.
QList<CliOption> NewCommandOptions();
// Refuses, on `err`, to replace an existing project unless `force`.
bool ProjectInTheWay(CliContext &context, const QString &path, bool force);

} // namespace velkari
