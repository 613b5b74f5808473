#include "clicontext.h"

#include "clicommand.h"
#include "toolhelp.h"

#include <QTextStream>

namespace velkari {

CliContext::CliContext(QTextStream &out, QTextStream &err, const CliCommand *command)
    : m_out(out)
    , m_err(err)
    , m_command(command)
{
}

void CliContext::message(const QString &text) const
{
    m_err << "velkari-skin: " << text << '\n';
}

int CliContext::fail(const QString &text, int exitCode) const
{
    message(text);
    return exitCode;
}

int CliContext::usageError(const QString &problem) const
{
    message(problem);
    if (m_command)
        m_err << commandUsage(*m_command);
    else
        m_err << '\n' << generalHelp();
    return ExitFailed;
}

void CliContext::fileLine(const QString &line) const
{
    m_err << line << '\n';
}

} // namespace velkari
