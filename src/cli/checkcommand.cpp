#include "commandruns.h"
#include "commandsupport.h"

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
        {QStringLiteral("code"), problemCodeName(problem.code)},
        {QStringLiteral("shape"), screenShapeName(problem.shape)},
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

} // namespace

int runCheck(CliContext &context, const CommandLine &line)
{
    const QString file = line.argument(0);
    const bool json = line.json();
    SkinProject project;
    QString damage;
    if (!openProjectForCommand(context, project, file, json ? &damage : nullptr)) {
        if (!damage.isEmpty())
            context.out() << jsonText({{QStringLiteral("damaged"), damage}}, QJsonDocument::Indented);
        return ExitFailed;
    }
    const QList<Problem> problems = checkProject(project);
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
        context.out() << jsonText(report, QJsonDocument::Indented);
    } else {
        for (const Problem &problem : problems)
            context.out() << problemLine(file, problem) << '\n';
        context.out() << errors << " errors, " << warnings << " warnings\n";
    }
    if (errors > 0 || (warnings > 0 && line.has("--strict")))
        return ExitRuleFailed;
    return ExitSuccess;
}

} // namespace velkari
