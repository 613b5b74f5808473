#include "clicommand.h"

#include "filetarget.h"
#include "projectfile.h"
#include "projecttexts.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
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

bool RefuseOutputOverInput(CliContext &context, const QStringList &inputs, const QString &output)
{
    for (const QString &input : inputs) {
        if (IsSameFile(input, output)) {
            context.err << QStringLiteral("velkari-skin: the output \"%1\" is the input file \"%2\"; nothing was written\n")
                               .arg(output, input);
            return true;
        }
    }
    return false;
}

QStringList ProjectAndPictures(const QString &projectArgument, const SkinProject &project)
{
    QStringList files{projectArgument};
    for (const LayoutList &layouts : project.layouts) {
        for (const auto &layout : layouts)
            files << layoutPicturePath(*layout);
    }
    return files;
}

bool OpenProjectForCommand(CliContext &context, SkinProject &project, const QString &path, QString *damage)
{
    if (!CheckInputReadable(context, path))
        return false;
    LoadReport report;
    if (!LoadProjectFile(project, AbsolutePath(path), &report)) {
        if (report.damage.isEmpty())
            context.err << InvalidProjectMessage() << QStringLiteral(" \"%1\"\n").arg(path);
        else if (damage)
            *damage = DamagedProjectMessage(path, report.damage);
        else
            context.err << DamagedProjectMessage(path, report.damage) << '\n';
        return false;
    }
    if (!report.isEmpty())
        context.err << report.message() << '\n';
    return true;
}

namespace {

QString withoutLoneSurrogates(const QString &text)
{
    QString clean = text;
    for (qsizetype i = 0; i < clean.size(); ++i) {
        const QChar c = clean.at(i);
        if (c.isHighSurrogate() && i + 1 < clean.size() && clean.at(i + 1).isLowSurrogate())
            ++i;
        else if (c.isSurrogate())
            clean[i] = QChar::ReplacementCharacter;
    }
    return clean;
}

QJsonValue withoutLoneSurrogates(const QJsonValue &value)
{
    if (value.isString())
        return withoutLoneSurrogates(value.toString());
    if (value.isArray()) {
        QJsonArray array;
        for (const QJsonValue &item : value.toArray())
            array.append(withoutLoneSurrogates(item));
        return array;
    }
    if (value.isObject()) {
        QJsonObject object;
        const QJsonObject source = value.toObject();
        for (auto it = source.begin(); it != source.end(); ++it)
            object.insert(withoutLoneSurrogates(it.key()), withoutLoneSurrogates(it.value()));
        return object;
    }
    return value;
}

} // namespace

QString JsonText(const QJsonObject &object, QJsonDocument::JsonFormat format)
{
    return QString::fromUtf8(QJsonDocument(withoutLoneSurrogates(QJsonValue(object)).toObject()).toJson(format));
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
