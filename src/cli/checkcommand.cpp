#include "clicommand.h"

#include "projectchecker.h"
#include "projectfile.h"
#include "screenshape.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

#include <algorithm>

namespace velkari {

namespace {

QJsonObject problemObject(const Problem &problem)
{
    const auto position = [](int value) { return value >= 0 ? QJsonValue(value) : QJsonValue(QJsonValue::Null); };
    QJsonObject object{
        {QStringLiteral("severity"), problem.isError() ? QStringLiteral("error") : QStringLiteral("warning")},
        {QStringLiteral("code"), ProblemCodeName(problem.code)},
        {QStringLiteral("shape"), ScreenShapeName(problem.shape)},
        {QStringLiteral("layout"), problem.layout},
        {QStringLiteral("layoutName"), problem.layoutName},
        {QStringLiteral("row"), position(problem.row)},
        {QStringLiteral("key"), position(problem.key)},
        {QStringLiteral("message"), problem.message},
    };
    if (problem.neededWidth >= 0) {
        object.insert(QStringLiteral("neededWidth"), problem.neededWidth);
        object.insert(QStringLiteral("widthDifference"), problem.widthDifference);
    }
    return object;
}

int runCheck(CliContext &context, const QStringList &args)
{
    const QString formatOption = QStringLiteral("--format");
    const QString strictOption = QStringLiteral("--strict");
    const CommandLine line = ParseCommandLine(args, {{{}, formatOption, true}, {{}, strictOption, false}});
    if (!line.ok() || line.positional.size() != 1)
        return CommandUsageError(context, CheckCommand(), line.ok() ? QStringLiteral("check takes one project file name") : line.error);
    const QString format = line.value(formatOption, QStringLiteral("text"));
    if (format != QLatin1String("text") && format != QLatin1String("json"))
        return CommandUsageError(context, CheckCommand(), QStringLiteral("--format is text or json, not \"%1\"").arg(format));
    const QString file = line.positional.first();
    const bool json = format == QLatin1String("json");
    SkinProject project;
    QString damage;
    if (!OpenProjectForCommand(context, project, file, json ? &damage : nullptr)) {
        if (!damage.isEmpty())
            context.out << JsonText({{QStringLiteral("damaged"), damage}}, QJsonDocument::Indented);
        return ExitFailed;
    }
    const QList<Problem> problems = CheckProject(project);
    const auto errors = std::count_if(problems.begin(), problems.end(), [](const Problem &p) { return p.isError(); });
    const auto warnings = problems.size() - errors;

    if (json) {
        QJsonArray list;
        for (const Problem &problem : problems)
            list.append(problemObject(problem));
        const QJsonObject report{{QStringLiteral("file"), file},
                                 {QStringLiteral("errors"), qint64(errors)},
                                 {QStringLiteral("warnings"), qint64(warnings)},
                                 {QStringLiteral("problems"), list}};
        context.out << JsonText(report, QJsonDocument::Indented);
    } else {
        for (const Problem &problem : problems)
            context.out << ProblemLine(file, problem) << '\n';
        context.out << errors << " errors, " << warnings << " warnings\n";
    }
    if (errors > 0 || (warnings > 0 && line.has(strictOption)))
        return ExitRuleFailed;
    return ExitSuccess;
}

} // namespace

const CliCommand &CheckCommand()
{
    static const CliCommand command{
        "check", "check PROJECT.vsp [--format text|json] [--strict]", "list every error and warning of a project",
        "Checks every layout of every screen shape and lists every problem, in shape, layout, row and key\n"
        "order: errors (the rules a skin must pass) and warnings (faults the device accepts but that are\n"
        "surely not meant). --format text (the default) prints one line per problem and a count;\n"
        "--format json one object with the file, the counts and the problems, or with \"damaged\" and\n"
        "the message for a damaged project. Exit code 1 when there is an error, or with --strict when\n"
        "there is a warning.",
        runCheck};
    return command;
}

} // namespace velkari
