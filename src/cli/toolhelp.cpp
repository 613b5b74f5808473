#include "toolhelp.h"

#include "clicommand.h"

namespace velkari {

namespace {

const char *const exitCodes =
    "Exit codes: 0 done (and every layout passes), 1 a layout breaks a rule (build, check), a\n"
    "character cannot be typed (type) or a picture shows no keys (read-keys), 2 the command could\n"
    "not be carried out (usage, not a project or skin file, a damaged project or skin, a file that\n"
    "cannot be read or written).\n";

} // namespace

QString generalHelp()
{
    QString text = QStringLiteral("Usage: velkari-skin COMMAND [ARGUMENTS]\n\n"
                                  "Works on Velkari skin projects (.vsp) and skin files (.vsk) without the editor.\n\n"
                                  "Commands:\n");
    for (const CliCommand &command : cliCommands())
        text += QStringLiteral("  %1\n      %2\n")
                    .arg(QString::fromLatin1(command.synopsis), QString::fromUtf8(command.summary));
    text += QStringLiteral("\nvelkari-skin COMMAND --help (or velkari-skin help COMMAND) describes one command;\n"
                           "velkari-skin --version prints the version.\n");
    return text + QString::fromLatin1(exitCodes);
}

QString commandHelp(const CliCommand &command)
{
    return QStringLiteral("Usage: velkari-skin %1\n\n%2\n\n%3")
        .arg(QString::fromLatin1(command.synopsis), QString::fromUtf8(command.help), QString::fromLatin1(exitCodes));
}

QString commandUsage(const CliCommand &command)
{
    return QStringLiteral("Usage: velkari-skin %1\nvelkari-skin %2 --help says more.\n")
        .arg(QString::fromLatin1(command.synopsis), QString::fromLatin1(command.name));
}

} // namespace velkari
