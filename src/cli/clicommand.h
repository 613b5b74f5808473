#pragma once

#include <QHash>
#include <QJsonDocument>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

class QTextStream;

namespace velkari {

struct SkinProject;

// Where a command writes: results to `out`, problems to `err`.
struct CliContext
{
    QTextStream &out;
    QTextStream &err;
};

// One command of velkari-skin. `run` gets the arguments after the command's name and returns the
// exit code; a FileError it raises is reported by the dispatcher with exit code 2.
struct CliCommand
{
    const char *name;
    const char *synopsis; // "build PROJECT.vsp [-o SKIN.vsk]"
    const char *summary;  // one line for the general help
    const char *help;     // the paragraph of COMMAND --help
    int (*run)(CliContext &context, const QStringList &args);
};

enum CliExitCode { ExitSuccess = 0, ExitRuleFailed = 1, ExitFailed = 2 };

// An option a command accepts: a flag, or one that takes the next argument as its value.
struct CliOption
{
    QString shortName; // "-o", or empty
    QString longName;  // "--output"; the key under which the result is found
    bool takesValue = false;
    bool repeatable = false; // may be given more than once; every value is kept in order
};

// The arguments of one command, split into options and positional arguments. "--" ends the
// options; a lone "-" is positional.
struct CommandLine
{
    QStringList positional;
    QHash<QString, QString> values; // by long name; the last one of a repeatable option
    QHash<QString, QStringList> repeated; // every value of a repeatable option, by long name
    QStringList flags;              // long names
    QString error;                  // empty when the arguments parse

    bool ok() const { return error.isEmpty(); }
    bool has(const QString &longName) const { return flags.contains(longName) || values.contains(longName); }
    QString value(const QString &longName, const QString &fallback = {}) const
    {
        return values.value(longName, fallback);
    }
};

CommandLine ParseCommandLine(const QStringList &args, const QList<CliOption> &options);

// Prints "velkari-skin: PROBLEM" and the command's usage; returns ExitFailed.
int CommandUsageError(CliContext &context, const CliCommand &command, const QString &problem);

QString AbsolutePath(const QString &path);

// "velkari-skin: cannot open "PATH": REASON", the one wording of every command for an input it
// cannot open; returns ExitFailed.
int CannotOpenError(CliContext &context, const QString &path, const QString &reason);
// False, reported as above, when `path` cannot be opened for reading. Anything but a directory
// that exists and is not a regular file (a device, a pipe) is not opened here: the readers refuse
// it as not their kind of file.
bool CheckInputReadable(CliContext &context, const QString &path);

// True, with the refusal on `err`, when writing `output` would replace one of the files the
// command reads (also through a link or another name). The caller returns ExitFailed and writes
// nothing.
bool RefuseOutputOverInput(CliContext &context, const QStringList &inputs, const QString &output);
// The files a command that compiles the project reads: the project and every layout's picture.
QStringList ProjectAndPictures(const QString &projectArgument, const SkinProject &project);

// Opens a project as the editor's Open does; reports why not, and what opening had to leave
// out, on `err`. Where `damage` is given, the message of a damaged project goes there instead.
bool OpenProjectForCommand(CliContext &context, SkinProject &project, const QString &path, QString *damage = nullptr);

// The document as JSON text, every lone UTF-16 surrogate replaced by U+FFFD: a JSON text holds
// only Unicode characters, and a name read from a file may hold half of one.
QString JsonText(const QJsonObject &object, QJsonDocument::JsonFormat format);

// The commands, in the order the general help lists them.
const QList<const CliCommand *> &CliCommands();

const CliCommand &NewCommand();
const CliCommand &BuildCommand();
const CliCommand &CheckCommand();
const CliCommand &NormalizeCommand();
const CliCommand &DumpCommand();
const CliCommand &DescribeCommand();
const CliCommand &TemplatesCommand();
const CliCommand &DrawCommand();
const CliCommand &DeriveCommand();
const CliCommand &FitCommand();
const CliCommand &ReadKeysCommand();

// Carries out a command that draws pictures (draw, new --template); it needs a QGuiApplication.
int RunDrawingCommand(CliContext &context, const CliCommand &command, const QStringList &args);
// Whether the command line (command name first) draws, and so needs a QGuiApplication: drawing
// text needs fonts, which a QCoreApplication has none of. The other commands start without it.
bool CommandLineDraws(const QStringList &arguments);
const CliCommand &InspectCommand();
const CliCommand &SimulateCommand();
const CliCommand &TypeCommand();
const CliCommand &ImportKleCommand();
const CliCommand &ExportKleCommand();

} // namespace velkari
