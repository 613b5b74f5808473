#include "filetarget.h"

#include "fileerror.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

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

WriteTarget ResolveWriteTarget(const QString &path)
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

std::unique_ptr<QFileDevice> OpenOnePassTarget(const WriteTarget &target, QString &error)
{
    auto file = std::make_unique<QFile>(target.path);
    const QIODevice::OpenMode mode = QIODevice::WriteOnly | QIODevice::Unbuffered;
    switch (target.kind) {
    case WriteTarget::Kind::Replace:
        error = QStringLiteral("Not written in one pass");
        return nullptr;
    case WriteTarget::Kind::Stream:
        if (!file->open(mode)) {
            error = file->errorString();
            return nullptr;
        }
        return file;
    case WriteTarget::Kind::Descriptor:
        if (!file->open(target.descriptor, mode, QFileDevice::DontCloseHandle)) {
            error = file->errorString();
            return nullptr;
        }
        return file;
    case WriteTarget::Kind::Socket:
        break;
    }
    const QByteArray name = QFile::encodeName(target.path);
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    if (size_t(name.size()) >= sizeof address.sun_path) {
        error = qt_error_string(ENAMETOOLONG);
        return nullptr;
    }
    std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (socket < 0 || ::connect(socket, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0) {
        error = qt_error_string(errno);
        if (socket >= 0)
            ::close(socket);
        return nullptr;
    }
    if (!file->open(socket, mode, QFileDevice::AutoCloseHandle)) {
        error = file->errorString();
        ::close(socket);
        return nullptr;
    }
    return file;
}

void WriteTargetInOnePass(const WriteTarget &target, const QString &fileName, const QByteArray &bytes)
{
    if (target.kind == WriteTarget::Kind::Replace) {
        QSaveFile file(target.path);
        file.setDirectWriteFallback(true);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
            throw FileError(FileError::Action::Write, fileName, file.errorString());
        return;
    }
    QString error;
    const std::unique_ptr<QFileDevice> device = OpenOnePassTarget(target, error);
    if (!device)
        throw FileError(FileError::Action::Write, fileName, error);
    for (qint64 written = 0; written < bytes.size();) {
        const qint64 n = device->write(bytes.constData() + written, bytes.size() - written);
        if (n <= 0)
            throw FileError(FileError::Action::Write, fileName, device->errorString());
        written += n;
    }
}

void WriteWholeFile(const QString &path, const QByteArray &bytes)
{
    const WriteTarget target = ResolveWriteTarget(path);
    if (!target.ok())
        throw FileError(FileError::Action::Write, path, target.error);
    const QFileInfo existing(target.path);
    if (target.kind != WriteTarget::Kind::Descriptor && existing.exists() && !existing.isWritable())
        throw FileError(FileError::Action::Write, path, qt_error_string(EACCES));
    WriteTargetInOnePass(target, path, bytes);
}

bool IsSameFile(const QString &first, const QString &second)
{
    struct stat a {};
    struct stat b {};
    return statPath(first, a) && statPath(second, b) && a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

} // namespace velkari
