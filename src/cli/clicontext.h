#pragma once

#include "clicommand.h"

#include <QString>

class QTextStream;

namespace velkari {

// Where a command writes: its results to out(), and every message through the functions below,
// which put the tool's name before it, once.
class CliContext
{
public:
    CliContext(QTextStream &out, QTextStream &err, const CliCommand *command = nullptr);

    QTextStream &out() const { return m_out; }

    // "velkari-skin: TEXT"; later lines of the text follow as they are.
    void message(const QString &text) const;
    // The message; returns `exitCode`.
    int fail(const QString &text, int exitCode = ExitFailed) const;
    // The problem with the command's usage, or the general help without a command; returns ExitFailed.
    int usageError(const QString &problem) const;
    // A line that begins with the file it is about, as a compiler's do, takes no prefix.
    void fileLine(const QString &line) const;

private:
    QTextStream &m_out;
    QTextStream &m_err;
    const CliCommand *m_command;
};

} // namespace velkari
