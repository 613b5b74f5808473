#include "skintool.h"

#include "clicontext.h"
#include "commandline.h"
#include "fileerror.h"
#include "toolhelp.h"

#include <QTextStream>

namespace velkari {

SkinTool::SkinTool(QTextStream &out, QTextStream &err)
    : m_out(out)
    , m_err(err)
{
}

int SkinTool::run(const QStringList &arguments)
{
    return run(parseCommandLine(arguments));
}

int SkinTool::run(const CommandLine &line)
{
    CliContext context(m_out, m_err, line.command());
    switch (line.request()) {
    case CommandLine::Request::GeneralHelp:
        m_out << generalHelp();
        return ExitSuccess;
    case CommandLine::Request::CommandHelp:
        m_out << commandHelp(*line.command());
        return ExitSuccess;
    case CommandLine::Request::Version:
        m_out << "velkari-skin " << VELKARI_VERSION << '\n';
        return ExitSuccess;
    case CommandLine::Request::UsageError:
        return context.usageError(line.problem());
    case CommandLine::Request::Run:
        break;
    }
    try {
        return line.command()->run(context, line);
    } catch (const FileError &error) {
        return context.fail(error.message());
    }
}

} // namespace velkari
