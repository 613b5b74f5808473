#pragma once

#include <QString>

namespace velkari {

struct CliCommand;

// velkari-skin --help: every command with a line each, and the exit codes.
QString generalHelp();
// velkari-skin COMMAND --help.
QString commandHelp(const CliCommand &command);
// The lines after a usage error of the command.
QString commandUsage(const CliCommand &command);

} // namespace velkari
