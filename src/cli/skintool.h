#pragma once

#include <QStringList>

class QTextStream;

namespace velkari {

class CommandLine;

// The velkari-skin command-line tool: runs the command named in `arguments` (without the
// program name) and returns its exit code (CliExitCode):
//   0  done, and every layout passes the rules
//   1  a layout breaks a rule (build, check), a character cannot be typed (type)
//   2  the command could not be carried out: usage, a file that is not a project or skin, a
//      damaged skin, a write error
class SkinTool
{
public:
    SkinTool(QTextStream &out, QTextStream &err);
    int run(const QStringList &arguments);
    int run(const CommandLine &line);

private:
    QTextStream &m_out;
    QTextStream &m_err;
};

} // namespace velkari
