#include "filetarget.h"

#include "fileerror.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace velkari {

namespace {

// As many links as the system itself follows before it gives up.
constexpr int MaxLinkHops = 40;

// The names under which a process reaches its own open descriptors. Reopening them by name would
// fail for a socket and would replace a redirected file instead of writing into it.
int descriptorOf(const QString &path)
{
    const QString clean = QDir::cleanPath(path);
    if (clean == QLatin1String("/dev/stdin"))
        return 0;
    if (clean == QLatin1String("/dev/stdout"))
        return 1;
    if (clean == QLatin1String("/dev/stderr"))
        return 2;
    static const QRegularExpression numbered(QStringLiteral("^(?:/dev/fd|/proc/self/fd)/(\\d{1,9})$"));
    const QRegularExpressionMatch match = numbered.match(clean);
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

bool statPath(const QString &path, struct stat &status)
{
    return ::stat(QFile::encodeName(path).constData(), &status) == 0;
}

} // namespace

WriteTarget resolveWriteTarget(const QString &path)
{
    WriteTarget target;
    target.path = path;
    if (const int descriptor = descriptorOf(path); descriptor >= 0) {
        target.kind = WriteTarget::Kind::Descriptor;
        target.descriptor = descriptor;
        if (::fcntl(descriptor, F_GETFD) == -1)
            target.error = qt_error_string(EBADF);
        return target;
    }
    for (int hops = 0; QFileInfo(target.path).isSymLink(); ++hops) {
        if (hops == MaxLinkHops) {
            target.error = qt_error_string(ELOOP);
            return target;
        }
        target.path = QFileInfo(target.path).symLinkTarget();
    }
    struct stat status {};
    // A name that cannot be looked at is left to the temporary file, whose failure names the reason.
    if (!statPath(target.path, status) || S_ISREG(status.st_mode))
        return target;
    if (S_ISDIR(status.st_mode))
        target.error = qt_error_string(EISDIR);
    else if (S_ISSOCK(status.st_mode))
        target.kind = WriteTarget::Kind::Socket;
    else
        target.kind = WriteTarget::Kind::Stream;
    return target;
}

int openOnePassTarget(const WriteTarget &target, QString &error)
{
    switch (target.kind) {
    case WriteTarget::Kind::Replace:
        error = QStringLiteral("Not written in one pass");
        return -1;
    case WriteTarget::Kind::Stream: {
        const int descriptor = ::open(QFile::encodeName(target.path).constData(), O_WRONLY | O_CLOEXEC);
        if (descriptor < 0)
            error = qt_error_string(errno);
        return descriptor;
    }
    case WriteTarget::Kind::Descriptor:
        return target.descriptor;
    case WriteTarget::Kind::Socket:
        break;
    }
    const QByteArray name = QFile::encodeName(target.path);
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    if (size_t(name.size()) >= sizeof address.sun_path) {
        error = qt_error_string(ENAMETOOLONG);
        return -1;
    }
    std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (socket < 0 || ::connect(socket, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0) {
        error = qt_error_string(errno);
        if (socket >= 0)
            ::close(socket);
        return -1;
    }
    return socket;
}

bool isSameFile(const QString &first, const QString &second)
{
    struct stat a {};
    struct stat b {};
    return statPath(first, a) && statPath(second, b) && a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

} // namespace velkari
