#include "safefilewriter.h"

#include "fileerror.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velkari {

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(velkari::SafeFileWriter)
};

constexpr int TemporaryNameAttempts = 16;

QByteArray encoded(const QString &path)
{
    return QFile::encodeName(path);
}

// 0, or the errno of the first write that failed; a write that takes nothing counts as a full disk.
int writeEverything(int descriptor, QByteArrayView bytes, qint64 offset)
{
    const char *data = bytes.data();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = offset < 0 ? ::write(descriptor, data, size_t(left)) : ::pwrite(descriptor, data, size_t(left), offset);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return n < 0 ? errno : ENOSPC;
        data += n;
        left -= n;
        if (offset >= 0)
            offset += n;
    }
    return 0;
}

// The data reached the disk. Devices and pipes have nothing to sync.
int syncData(int descriptor)
{
    struct stat status {};
    if (::fstat(descriptor, &status) != 0)
        return errno;
    if (!S_ISREG(status.st_mode))
        return 0;
    return ::fdatasync(descriptor) == 0 ? 0 : errno;
}

int closeChecked(int descriptor)
{
    // Linux releases the descriptor even when close reports an error, so it is never retried.
    return ::close(descriptor) == 0 || errno == EINTR ? 0 : errno;
}

QString mayBeDamaged(int error)
{
    return qt_error_string(error) + u' '
        + Text::tr("The file was being rewritten in place, since its folder takes no temporary file, and "
                   "may now be damaged.");
}

} // namespace

SafeFileWriter::SafeFileWriter(const QString &path)
    : m_path(path)
    , m_target(resolveWriteTarget(path))
{
    if (!m_target.ok())
        fail(m_target.error);
    if (m_target.kind != WriteTarget::Kind::Replace)
        return;
    struct stat existing {};
    const bool replacing = ::stat(encoded(m_target.path).constData(), &existing) == 0;
    // The folder's permission alone would let a read-only file be replaced.
    if (replacing && ::access(encoded(m_target.path).constData(), W_OK) != 0)
        failWithErrno();
    openTemporary(replacing);
    if (!streaming())
        return;
    if (replacing) {
        if (::fchmod(m_descriptor, existing.st_mode & 07777) != 0)
            failWithErrno();
        // Only the super-user can give a file away; for anyone else it is theirs already.
        if (::fchown(m_descriptor, existing.st_uid, existing.st_gid) != 0 && errno != EPERM)
            failWithErrno();
    }
}

SafeFileWriter::~SafeFileWriter()
{
    discard();
}

void SafeFileWriter::openTemporary(bool replacing)
{
    const QFileInfo target(m_target.path);
    int error = 0;
    for (int attempt = 0; attempt < TemporaryNameAttempts; ++attempt) {
        const QString name = target.dir().filePath(
            u'.' + target.fileName() + u'.' + QString::number(QRandomGenerator::global()->generate(), 36));
        m_descriptor = ::open(encoded(name).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (m_descriptor >= 0) {
            m_temporary = name;
            return;
        }
        error = errno;
        if (error != EEXIST)
            break;
    }
    // A folder that takes no temporary file may still hold a file that can be written.
    if (replacing) {
        m_inPlace = true;
        return;
    }
    fail(qt_error_string(error));
}

void SafeFileWriter::discard()
{
    if (m_descriptor >= 0 && m_target.kind != WriteTarget::Kind::Descriptor)
        ::close(m_descriptor);
    m_descriptor = -1;
    if (!m_temporary.isEmpty())
        ::unlink(encoded(m_temporary).constData());
    m_temporary.clear();
}

void SafeFileWriter::fail(const QString &reason)
{
    discard();
    throw FileError(FileError::Action::Write, m_path, reason);
}

void SafeFileWriter::failWithErrno()
{
    fail(qt_error_string(errno));
}

void SafeFileWriter::write(QByteArrayView bytes)
{
    Q_ASSERT(streaming());
    if (const int error = writeEverything(m_descriptor, bytes, -1))
        fail(qt_error_string(error));
}

void SafeFileWriter::writeAt(quint64 offset, QByteArrayView bytes)
{
    Q_ASSERT(streaming());
    if (const int error = writeEverything(m_descriptor, bytes, qint64(offset)))
        fail(qt_error_string(error));
}

void SafeFileWriter::commit()
{
    Q_ASSERT(streaming());
    int error = syncData(m_descriptor);
    const int closeError = closeChecked(m_descriptor);
    m_descriptor = -1;
    if (!error)
        error = closeError;
    if (!error && ::rename(encoded(m_temporary).constData(), encoded(m_target.path).constData()) != 0)
        error = errno;
    if (error)
        fail(qt_error_string(error));
    m_temporary.clear();
}

void SafeFileWriter::commitWhole(QByteArrayView bytes)
{
    if (streaming()) {
        write(bytes);
        commit();
    } else if (m_inPlace) {
        writeInPlace(bytes);
    } else {
        writeOnePass(bytes);
    }
}

void SafeFileWriter::writeInPlace(QByteArrayView bytes)
{
    m_descriptor = ::open(encoded(m_target.path).constData(), O_WRONLY | O_CLOEXEC);
    if (m_descriptor < 0)
        failWithErrno();
    // Reserved first: a disk that cannot take the new size refuses it here, before a byte of the
    // old file is overwritten.
    if (!bytes.isEmpty()) {
        if (const int error = ::posix_fallocate(m_descriptor, 0, off_t(bytes.size())))
            fail(qt_error_string(error));
    }
    int error = writeEverything(m_descriptor, bytes, 0);
    if (!error && ::ftruncate(m_descriptor, off_t(bytes.size())) != 0)
        error = errno;
    if (!error)
        error = syncData(m_descriptor);
    const int closeError = closeChecked(m_descriptor);
    m_descriptor = -1;
    if (!error)
        error = closeError;
    if (error)
        fail(mayBeDamaged(error));
}

void SafeFileWriter::writeOnePass(QByteArrayView bytes)
{
    QString reason;
    m_descriptor = openOnePassTarget(m_target, reason);
    if (m_descriptor < 0)
        fail(reason);
    int error = writeEverything(m_descriptor, bytes, -1);
    if (m_target.kind != WriteTarget::Kind::Descriptor) {
        const int closeError = closeChecked(m_descriptor);
        if (!error)
            error = closeError;
    }
    m_descriptor = -1;
    if (error)
        fail(qt_error_string(error));
}

void writeFileSafely(const QString &path, QByteArrayView bytes)
{
    SafeFileWriter(path).commitWhole(bytes);
}

} // namespace velkari
