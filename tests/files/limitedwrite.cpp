#include "limitedwrite.h"

#include "fileerror.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace velkari::test {

namespace {

constexpr uid_t Nobody = 65534;
// The outputs these runs are made for are small; a write that never succeeds ends the search.
constexpr qint64 LargestOutput = 256 * 1024;

[[noreturn]] void endChild(int pipe, int code, const QByteArray &message)
{
    for (qsizetype sent = 0; sent < message.size();) {
        const ssize_t n = ::write(pipe, message.constData() + sent, size_t(message.size() - sent));
        if (n <= 0)
            break;
        sent += n;
    }
    _exit(code);
}

} // namespace

QMap<QString, QByteArray> folderContents(const QString &folder)
{
    QMap<QString, QByteArray> contents;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        contents.insert(QDir(folder).relativeFilePath(path),
                        it.fileInfo().isFile() && file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
    }
    return contents;
}

LimitedWrite writeWithFileSizeLimit(qint64 limit, const std::function<void()> &write, bool asNobody)
{
    int channel[2];
    if (::pipe(channel) != 0)
        return {false, QStringLiteral("no pipe to the child")};
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        if (asNobody && ::geteuid() == 0 && (::setgid(Nobody) != 0 || ::setuid(Nobody) != 0))
            endChild(channel[1], 4, "cannot become nobody");
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit bound{rlim_t(limit), rlim_t(limit)};
        if (::setrlimit(RLIMIT_FSIZE, &bound) != 0)
            endChild(channel[1], 4, "cannot set the file size limit");
        try {
            write();
        } catch (const FileError &error) {
            endChild(channel[1], 2, error.message().toUtf8());
        } catch (...) {
            endChild(channel[1], 3, "something else than a FileError was raised");
        }
        endChild(channel[1], 0, {});
    }
    ::close(channel[1]);
    if (child < 0) {
        ::close(channel[0]);
        return {false, QStringLiteral("no child process")};
    }
    QByteArray message;
    char buffer[4096];
    for (ssize_t n; (n = ::read(channel[0], buffer, sizeof buffer)) != 0;) {
        if (n > 0)
            message.append(buffer, n);
        else if (errno != EINTR)
            break;
    }
    ::close(channel[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!WIFEXITED(status))
        return {false, QStringLiteral("the child ended by signal %1").arg(WTERMSIG(status))};
    if (WEXITSTATUS(status) == 0)
        return {true, {}};
    return {false, WEXITSTATUS(status) == 2 ? QString::fromUtf8(message)
                                            : QStringLiteral("exit code %1: %2").arg(WEXITSTATUS(status)).arg(QString::fromUtf8(message))};
}

QString failedWritesLeaveNoTrace(const QString &path, const std::function<void()> &write, qint64 *succeeded)
{
    const QString folder = QFileInfo(path).absolutePath();
    const QMap<QString, QByteArray> before = folderContents(folder);
    for (qint64 limit = 0; limit <= LargestOutput; ++limit) {
        const LimitedWrite run = writeWithFileSizeLimit(limit, write);
        if (run.written) {
            if (succeeded)
                *succeeded = limit;
            return {};
        }
        const QString at = QStringLiteral("limit %1: ").arg(limit);
        if (!run.error.contains(path) || !run.error.contains(QLatin1String("File too large")))
            return at + QStringLiteral("the failure said \"%1\"").arg(run.error);
        if (folderContents(folder) != before)
            return at + QStringLiteral("the folder changed");
    }
    return QStringLiteral("no write succeeded");
}

} // namespace velkari::test
