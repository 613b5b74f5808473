#pragma once

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <optional>

namespace velkari::test {

struct ToolRun
{
    bool finished = false; // ended by itself, within the time allowed
    bool crashed = false;  // ended by a signal
    int exitCode = -1;
    QByteArray outBytes;
    QString out;
    QString err;
};

// How velkari-skin is run. Every field but the first asks for a process of its own; a command that
// draws gets one too unless the test has a QGuiApplication. Anything else runs in this process.
struct ToolRunOptions
{
    QString workingDirectory = {};
    bool ownProcess = false; // the binary itself: its exit, its descriptors, its start of Qt
    // As the super-user, run the tool as an ordinary user, for whom permissions hold.
    bool asNobody = false;
    // The files it writes may grow to that many bytes, no further, as on a full disk.
    qint64 fileSizeLimit = -1;
    // Address space and processor time bounded, a run that outlasts its time ended, standard
    // output not kept.
    bool bounded = false;
    std::optional<QProcessEnvironment> environment = {};
};

ToolRun runTool(const QStringList &arguments, const ToolRunOptions &options = {});

} // namespace velkari::test
