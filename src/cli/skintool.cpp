#include "skintool.h"

#include "clicommand.h"
#include "fileerror.h"

#include <QTextStream>

namespace velkari {

namespace {

const char *const exitCodes =
    "Exit codes: 0 done (and every layout passes), 1 a layout breaks a rule (build, check), a\n"
    "character cannot be typed (type) or a picture shows no keys (read-keys), 2 the command could\n"
    "not be carried out (usage, not a project or skin file, a damaged skin, a file that cannot be\n"
    "written).\n";

QString generalHelp()
{
    QString text = QStringLiteral("Usage: velkari-skin COMMAND [ARGUMENTS]\n\n"
                                  "Works on Velkari skin projects (.vsp) and skin files (.vsk) without the editor.\n\n"
                                  "Commands:\n");
    for (const CliCommand *command : CliCommands())
        text += QStringLiteral("  %1\n      %2\n").arg(QString::fromLatin1(command->synopsis),
                                                     QString::fromUtf8(command->summary));
    text += QStringLiteral("\nvelkari-skin COMMAND --help describes one command; velkari-skin --version prints the\n"
                           "version.\n");
    return text + QString::fromLatin1(exitCodes);
}

QString commandHelp(const CliCommand &command)
{
    return QStringLiteral("Usage: velkari-skin %1\n\n%2\n\n%3")
        .arg(QString::fromLatin1(command.synopsis), QString::fromUtf8(command.help), QString::fromLatin1(exitCodes));
}

} // namespace

SkinTool::SkinTool(QTextStream &out, QTextStream &err)
    : m_out(out)
    , m_err(err)
{
}

int SkinTool::usage(const QString &problem)
{
    m_err << "velkari-skin: " << problem << "\n\n" << generalHelp();
    return ExitFailed;
}

int SkinTool::run(const QStringList &arguments)
{
    if (arguments.isEmpty())
        return usage(QStringLiteral("no command given"));
    const QString name = arguments.first();
    if (name == QLatin1String("--help") || name == QLatin1String("-h") || name == QLatin1String("help")) {
        m_out << generalHelp();
        return ExitSuccess;
    }
    if (name == QLatin1String("--version")) {
        m_out << "velkari-skin " << VELKARI_VERSION << '\n';
        return ExitSuccess;
    }
    const QStringList args = arguments.mid(1);
    for (const CliCommand *command : CliCommands()) {
        if (name != QLatin1String(command->name))
            continue;
        if (args.contains(QLatin1String("--help")) || args.contains(QLatin1String("-h"))) {
            m_out << commandHelp(*command);
            return ExitSuccess;
        }
        CliContext context{m_out, m_err};
        try {
            return command->run(context, args);
        } catch (const FileError &error) {
            m_err << error.message() << '\n';
            return ExitFailed;
        }
    }
    return usage(QStringLiteral("unknown command \"%1\"").arg(name));
}

} // namespace velkari
