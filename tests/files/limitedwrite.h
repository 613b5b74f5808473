#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>

#include <functional>

namespace velkari::test {

// What a write did in a child process whose files may grow to `limit` bytes and no further
// (RLIMIT_FSIZE, SIGXFSZ ignored): past it a write fails with EFBIG as on a full disk, even for the
// super-user, whose child runs as nobody where `asNobody` asks for a folder's permissions to hold.
struct LimitedWrite
{
    bool written = false; // nothing was raised
    QString error;        // the FileError's message, or what else ended the child
};
LimitedWrite writeWithFileSizeLimit(qint64 limit, const std::function<void()> &write, bool asNobody = false);

// The files in `folder` and the folders below it, by their paths relative to it, with their bytes.
QMap<QString, QByteArray> folderContents(const QString &folder);

// Runs `write` with limits of 0, 1, 2 ... bytes until it succeeds. Each run before must raise a
// FileError naming `path` and the reason "File too large", and leave the folder of `path` as it
// was: the same files with the same bytes, so no temporary file and nothing half written. What
// did not hold, or an empty text; `succeeded` gets the limit that let the write through.
QString failedWritesLeaveNoTrace(const QString &path, const std::function<void()> &write,
                                 qint64 *succeeded = nullptr);

} // namespace velkari::test
