#pragma once

#include <QString>

namespace velkari {

inline QString applicationName() { return QStringLiteral("Velkari Skin Editor"); }
// What the editor's Open and the command-line tool say of a file that is not a project.
// Translated where a translator is installed (the editor); the command-line tool has none.
QString invalidProjectMessage();

} // namespace velkari
