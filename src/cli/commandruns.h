#pragma once

namespace velkari {

class CliContext;
class CommandLine;

// The work of each command, named in the table of cliCommands(); the line is checked already.
int runNew(CliContext &context, const CommandLine &line);
int runTemplates(CliContext &context, const CommandLine &line);
int runBuild(CliContext &context, const CommandLine &line);
int runCheck(CliContext &context, const CommandLine &line);
int runNormalize(CliContext &context, const CommandLine &line);
int runDump(CliContext &context, const CommandLine &line);
int runDescribe(CliContext &context, const CommandLine &line);
int runDraw(CliContext &context, const CommandLine &line);
int runDerive(CliContext &context, const CommandLine &line);
int runFit(CliContext &context, const CommandLine &line);
int runReadKeys(CliContext &context, const CommandLine &line);
int runImportKle(CliContext &context, const CommandLine &line);
int runExportKle(CliContext &context, const CommandLine &line);
int runInspect(CliContext &context, const CommandLine &line);
int runSimulate(CliContext &context, const CommandLine &line);
int runType(CliContext &context, const CommandLine &line);

} // namespace velkari
