#pragma once

#include <QList>

namespace velkari {

class CliContext;
class CommandLine;

enum CliExitCode { ExitSuccess = 0, ExitRuleFailed = 1, ExitFailed = 2 };

// What an option's value is; the parser turns it into the typed value CommandLine hands out, or
// into a usage error.
enum class OptionValue {
    None,          // a flag
    Text,          // a file or layout name, taken as it is
    Shape,         // portrait, landscape, hires-portrait, hires-landscape or a display name
    Position,      // a layout's position, counted from 0
    ReportFormat,  // text or json
    PictureFormat, // gif or bmp
    Theme,         // dark or light
    Template,      // a template's name
};

struct CliOption
{
    const char *name; // "--output"; the name its value is asked for by
    OptionValue value = OptionValue::None;
    const char *shortName = nullptr; // "-o"
    bool repeatable = false;         // every value is kept, in order
    bool required = false;
    const char *needs = nullptr; // an option without which this one means nothing
    bool draws = false;          // given, the command draws pictures
};

// One command of velkari-skin, described as data: the parser checks a command line against it
// before `run` is called, so `run` only does the work. A FileError `run` raises is reported with
// exit code 2.
struct CliCommand
{
    const char *name;
    const char *synopsis; // "build PROJECT.vsp [-o SKIN.vsk]"
    const char *summary;  // one line for the general help
    const char *help;     // the paragraph of COMMAND --help
    QList<const char *> arguments = {}; // the positional ones by name; a last "EVENT..." takes any number
    QList<CliOption> options = {};
    // Drawing text needs fonts, which only a QGuiApplication has; the other commands start
    // without one.
    bool draws = false;
    int (*run)(CliContext &context, const CommandLine &line) = nullptr;
};

// Every command, in the order the general help lists them.
const QList<CliCommand> &cliCommands();

} // namespace velkari
