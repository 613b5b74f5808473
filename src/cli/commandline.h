#pragma once

#include "clicommand.h"
#include "keyboardtheme.h"
#include "pictureencoder.h"
#include "screenshape.h"

#include <QString>
#include <QStringList>

namespace velkari {

// The tool's arguments (the command's name first) checked against the command's description:
// what is asked for, the positional arguments and every option's value in its type. "--" ends
// the options, a lone "-" is positional, and an option that takes a value may be written
// --name=value.
class CommandLine
{
public:
    enum class Request { Run, GeneralHelp, CommandHelp, Version, UsageError };

    Request request() const { return m_request; }
    // Null for the general requests and for an unknown command.
    const CliCommand *command() const { return m_command; }
    // For a usage error: what is wrong, without the tool's name.
    const QString &problem() const { return m_problem; }
    // Only the commands that draw, and new with --template, need a QGuiApplication.
    bool needsGuiApplication() const;

    const QStringList &arguments() const { return m_arguments; }
    const QString &argument(qsizetype index) const { return m_arguments.at(index); }

    bool has(const char *option) const { return given(option) != nullptr; }
    QString text(const char *option) const;
    // The shape an option names, `fallback` when it is not given.
    int shape(const char *option = "--shape", int fallback = Portrait) const;
    // Every shape a repeatable option names, in the order given.
    QList<int> shapes(const char *option) const;
    // -1 when the option is not given.
    int position(const char *option = "--layout") const;
    bool json() const;
    PictureFormat pictureFormat() const;
    KeyboardTheme theme() const;

private:
    friend CommandLine parseCommandLine(const QStringList &arguments);

    struct Given
    {
        const CliOption *option;
        QStringList texts;
        QList<int> values;
    };

    const Given *given(const char *option) const;
    int value(const char *option, OptionValue kind, int fallback) const;
    void fail(const QString &problem);
    void parseOptions(const QStringList &args);
    void convertValues();
    void checkCounts();

    Request m_request = Request::Run;
    const CliCommand *m_command = nullptr;
    QString m_problem;
    bool m_help = false;
    QStringList m_arguments;
    QList<Given> m_given;
};

CommandLine parseCommandLine(const QStringList &arguments);

} // namespace velkari
