#include "clicommand.h"

#include "filetarget.h"
#include "projectfile.h"
#include "projecttexts.h"

#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include <cerrno>

namespace velkari {

CommandLine ParseCommandLine(const QStringList &args, const QList<CliOption> &options)
{
    CommandLine line;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &arg = args[i];
        if (optionsEnded || !arg.startsWith(u'-') || arg == QLatin1String("-")) {
            line.positional << arg;
            continue;
        }
        if (arg == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        // --name=value is accepted for options that take a value.
        const qsizetype equals = arg.startsWith(QLatin1String("--")) ? arg.indexOf(u'=') : -1;
        const QString name = equals > 0 ? arg.left(equals) : arg;
        const CliOption *option = nullptr;
        for (const CliOption &candidate : options) {
            if (name == candidate.longName || (!candidate.shortName.isEmpty() && name == candidate.shortName))
                option = &candidate;
        }
        if (!option) {
            line.error = QStringLiteral("unknown option \"%1\"").arg(name);
            return line;
        }
        if (line.has(option->longName) && !option->repeatable) {
            line.error = QStringLiteral("%1 given twice").arg(option->longName);
            return line;
        }
        if (!option->takesValue) {
            if (equals > 0) {
                line.error = QStringLiteral("%1 takes no value").arg(option->longName);
                return line;
            }
            line.flags << option->longName;
        } else if (equals > 0 || i + 1 < args.size()) {
            const QString value = equals > 0 ? arg.mid(equals + 1) : args[++i];
            line.values.insert(option->longName, value);
            if (option->repeatable)
                line.repeated[option->longName].append(value);
        } else {
            line.error = QStringLiteral("%1 needs a value").arg(option->longName);
            return line;
        }
    }
    return line;
}

int CommandUsageError(CliContext &context, const CliCommand &command, const QString &problem)
{
    context.err << "velkari-skin: " << problem << "\nUsage: velkari-skin " << command.synopsis
                << "\nvelkari-skin " << command.name << " --help says more.\n";
    return ExitFailed;
}

QString AbsolutePath(const QString &path)
{
    return QFileInfo(path).absoluteFilePath();
}

int CannotOpenError(CliContext &context, const QString &path, const QString &reason)
{
    context.err << QStringLiteral("velkari-skin: cannot open \"%1\": %2\n").arg(path, reason);
    return ExitFailed;
}

bool CheckInputReadable(CliContext &context, const QString &path)
{
    const QFileInfo info(path);
    if (info.isDir()) {
        CannotOpenError(context, path, qt_error_string(EISDIR));
        return false;
    }
    // Opening a pipe for reading would wait for a writer.
    if (info.exists() && !info.isFile())
        return true;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        CannotOpenError(context, path, file.errorString());
        return false;
    }
    return true;
}

bool RefuseOutputOverInput(CliContext &context, const QString &input, const QString &output)
{
    if (!IsSameFile(input, output))
        return false;
    context.err << QStringLiteral("velkari-skin: the output \"%1\" is the input file \"%2\"; nothing was written\n")
                       .arg(output, input);
    return true;
}

bool OpenProjectForCommand(CliContext &context, SkinProject &project, const QString &path)
{
    if (!CheckInputReadable(context, path))
        return false;
    LoadReport report;
    if (!LoadProjectFile(project, AbsolutePath(path), &report)) {
        context.err << InvalidProjectMessage() << QStringLiteral(" \"%1\"\n").arg(path);
        return false;
    }
    if (!report.isEmpty())
        context.err << report.message() << '\n';
    return true;
}

const QList<const CliCommand *> &CliCommands()
{
    static const QList<const CliCommand *> commands{
        &NewCommand(),  &BuildCommand(), &CheckCommand(), &NormalizeCommand(),
        &DumpCommand(), &DescribeCommand(),
        &TemplatesCommand(),
        &DrawCommand(), &DeriveCommand(), &FitCommand(), &ReadKeysCommand(),
        &ImportKleCommand(), &ExportKleCommand(),
        &InspectCommand(), &SimulateCommand(), &TypeCommand(),
    };
    return commands;
}

} // namespace velkari
