#pragma once

#include "filetarget.h"

#include <QByteArrayView>
#include <QString>

namespace velkari {

// The one way every file of this system is written, so that a failure is never reported as
// success and never costs what was there before. Every write, the final fdatasync and the close
// are checked; a failure raises FileError naming the file and the system's reason.
//
// A regular file, or a new name, is written to a temporary file beside it that replaces it only
// once it is complete and on disk, with the old file's permissions; on a failure, or when the
// writer is destroyed without a commit, the temporary file is removed and the old file is as it
// was. A writable file in a folder that cannot take a temporary file is rewritten in place, with
// the whole output at hand and its size reserved before the first byte is overwritten. A device,
// a pipe, a socket or an open descriptor is written as it stands, in one pass; nothing that is
// not a regular file is ever replaced, and a symbolic link stays a link.
class SafeFileWriter
{
public:
    // Finds where `path` leads and opens the temporary file when the folder takes one. Raises
    // FileError when nothing can be written there.
    explicit SafeFileWriter(const QString &path);
    ~SafeFileWriter();
    SafeFileWriter(const SafeFileWriter &) = delete;
    SafeFileWriter &operator=(const SafeFileWriter &) = delete;

    // A temporary file is open: the output may be written piece by piece and patched, then
    // committed. Otherwise only commitWhole() writes.
    bool streaming() const { return !m_temporary.isEmpty(); }
    void write(QByteArrayView bytes);
    // Over bytes written before.
    void writeAt(quint64 offset, QByteArrayView bytes);
    void commit();
    // The whole output at once, whichever way the target takes it.
    void commitWhole(QByteArrayView bytes);

private:
    [[noreturn]] void fail(const QString &reason);
    [[noreturn]] void failWithErrno();
    void openTemporary(bool replacing);
    void writeInPlace(QByteArrayView bytes);
    void writeOnePass(QByteArrayView bytes);
    void discard();

    QString m_path;
    WriteTarget m_target;
    QString m_temporary;
    int m_descriptor = -1;
    bool m_inPlace = false;
};

// The whole of `bytes` into `path`, by whichever way its target takes. Raises FileError.
void writeFileSafely(const QString &path, QByteArrayView bytes);

} // namespace velkari
