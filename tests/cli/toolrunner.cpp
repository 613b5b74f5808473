#include "toolrunner.h"

#include "commandline.h"
#include "skintool.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

namespace velkari::test {

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool AddressSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool AddressSanitizer = true;
#else
constexpr bool AddressSanitizer = false;
#endif
#else
constexpr bool AddressSanitizer = false;
#endif

constexpr uid_t Nobody = 65534;

// The tool takes about 60 MiB of address space to start; opening the largest file it accepts
// adds a few times that file's size. Far more means something grew without bound.
constexpr rlim_t MemoryLimit = 1024 * 1024 * 1024;
constexpr rlim_t CpuSeconds = 60;
constexpr int BoundedMilliseconds = 120 * 1000;

// The tool where nobody can run it: the build may lie in a folder only its owner may enter.
QString toolForNobody()
{
    static QTemporaryDir dir;
    const QString tool = dir.filePath(QStringLiteral("velkari-skin"));
    if (!QFile::exists(tool)) {
        QFile::copy(QStringLiteral(VELKARI_SKIN_TOOL), tool);
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther
                                              | QFile::ExeOther);
    }
    return tool;
}

ToolRun runInProcess(const QStringList &arguments, const QString &workingDirectory)
{
    const QString before = QDir::currentPath();
    if (!workingDirectory.isEmpty())
        QDir::setCurrent(workingDirectory);
    ToolRun run;
    QByteArray errBytes;
    {
        QTextStream out(&run.outBytes, QIODevice::WriteOnly);
        QTextStream err(&errBytes, QIODevice::WriteOnly);
        run.exitCode = SkinTool(out, err).run(arguments);
    }
    QDir::setCurrent(before);
    run.finished = true;
    run.out = QString::fromUtf8(run.outBytes);
    run.err = QString::fromUtf8(errBytes);
    return run;
}

ToolRun runProcess(const QStringList &arguments, const ToolRunOptions &options)
{
    QProcess process;
    if (!options.workingDirectory.isEmpty())
        process.setWorkingDirectory(options.workingDirectory);
    QProcessEnvironment environment = options.environment.value_or(QProcessEnvironment::systemEnvironment());
    if (options.bounded && AddressSanitizer) {
        // The shadow memory alone exceeds the bound on the address space: the sanitizer's own
        // limit stands in.
        const QString sanitizer = environment.value(QStringLiteral("ASAN_OPTIONS"));
        environment.insert(QStringLiteral("ASAN_OPTIONS"),
                           sanitizer + (sanitizer.isEmpty() ? "" : ":") + QStringLiteral("hard_rss_limit_mb=1024"));
    }
    process.setProcessEnvironment(environment);
    const bool changeUser = options.asNobody && geteuid() == 0;
    const qint64 fileSizeLimit = options.fileSizeLimit;
    const bool bounded = options.bounded;
    process.setChildProcessModifier([changeUser, fileSizeLimit, bounded] {
        if (changeUser && (setgid(Nobody) != 0 || setuid(Nobody) != 0))
            _exit(99);
        const rlimit size{rlim_t(fileSizeLimit), rlim_t(fileSizeLimit)};
        if (fileSizeLimit >= 0 && (std::signal(SIGXFSZ, SIG_IGN) == SIG_ERR || setrlimit(RLIMIT_FSIZE, &size) != 0))
            _exit(98);
        const rlimit memory{MemoryLimit, MemoryLimit};
        const rlimit cpu{CpuSeconds, CpuSeconds};
        if (bounded && ((!AddressSanitizer && setrlimit(RLIMIT_AS, &memory) != 0) || setrlimit(RLIMIT_CPU, &cpu) != 0))
            _exit(97);
    });
    if (options.bounded)
        process.setStandardOutputFile(QProcess::nullDevice());
    process.start(changeUser ? toolForNobody() : QStringLiteral(VELKARI_SKIN_TOOL), arguments);
    ToolRun run;
    run.finished = process.waitForFinished(options.bounded ? BoundedMilliseconds : 60000);
    if (!run.finished) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.crashed = process.exitStatus() != QProcess::NormalExit;
    run.exitCode = process.exitCode();
    run.outBytes = process.readAllStandardOutput();
    run.out = QString::fromUtf8(run.outBytes);
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

} // namespace

ToolRun runTool(const QStringList &arguments, const ToolRunOptions &options)
{
    const bool canDraw = qobject_cast<QGuiApplication *>(QCoreApplication::instance()) != nullptr;
    if (options.ownProcess || options.asNobody || options.fileSizeLimit >= 0 || options.bounded || options.environment
        || (parseCommandLine(arguments).needsGuiApplication() && !canDraw))
        return runProcess(arguments, options);
    return runInProcess(arguments, options.workingDirectory);
}

} // namespace velkari::test
