#include "clicommand.h"

#include "skintemplates.h"

#include <QTextStream>

namespace velkari {

namespace {

int runTemplates(CliContext &context, const QStringList &args)
{
    if (!args.isEmpty())
        return CommandUsageError(context, TemplatesCommand(), QStringLiteral("templates takes no arguments"));
    for (const SkinTemplateInfo &info : SkinTemplates())
        context.out << info.name.leftJustified(12) << info.summary << '\n';
    return ExitSuccess;
}

} // namespace

const CliCommand &TemplatesCommand()
{
    static const CliCommand command{
        "templates", "templates", "list the templates of new --template",
        "Lists the templates that velkari-skin new --template NAME starts a project from, with a line\n"
        "on each. Every one fills all four screen shapes with linked layouts that pass every rule.",
        runTemplates};
    return command;
}

} // namespace velkari
