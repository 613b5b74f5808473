#pragma once

#include <QStringList>

class QTextStream;

namespace velkari {

// The velkari-skin command-line tool: runs the command named in `arguments` (without the
// program name) and returns its exit code.
//   0  done, and every layout passes the rules
//   1  a layout breaks a rule (build, check)
//   2  the command could not be carried out: usage, a file that is not a project, a write error
class SkinTool
{
public:
    enum ExitCode { Success = 0, RuleFailed = 1, Failed = 2 };

    SkinTool(QTextStream &out, QTextStream &err);
    int run(const QStringList &arguments);

private:
    int commandNew(const QStringList &args);
    int commandBuild(const QStringList &args);
    int commandCheck(const QStringList &args);
    int commandNormalize(const QStringList &args);
    int commandDump(const QStringList &args);
    int commandDescribe(const QStringList &args);

    int usage(const QString &problem);

    QTextStream &m_out;
    QTextStream &m_err;
};

} // namespace velkari
