#include "commandruns.h"
#include "commandsupport.h"

#include "skintemplates.h"

#include <QTextStream>

namespace velkari {

int runTemplates(CliContext &context, const CommandLine &)
{
    for (const SkinTemplateInfo &info : skinTemplates())
        context.out() << info.name.leftJustified(12) << info.summary << '\n';
    return ExitSuccess;
}

} // namespace velkari
