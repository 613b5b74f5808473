#pragma once

#include <QByteArray>
#include <QString>

namespace velkari {

// Where a write to a path really goes. Only a regular file, or a name that does not exist yet, is
// replaced through a temporary file; a device, a pipe or a socket is written as it stands, and a
// symbolic link keeps being a link while the file it points to is replaced.
struct WriteTarget
{
    enum class Kind {
        Replace,    // a regular file, or a new name: temporary file, then rename
        Stream,     // a character or block device or a FIFO: opened and written in one pass
        Socket,     // a Unix socket: connected to and written in one pass
        Descriptor, // /dev/stdout, /dev/fd/N and the like: the process's own open descriptor
    };

    Kind kind = Kind::Replace;
    QString path;        // the links followed
    int descriptor = -1; // Descriptor only
    QString error;       // why nothing can be written there; empty when something can

    bool ok() const { return error.isEmpty(); }
    bool seekable() const { return kind == Kind::Replace; }
};

WriteTarget resolveWriteTarget(const QString &path);

// Opens a target that is written in one pass (every kind but Replace): a descriptor to write to,
// which the caller closes unless the kind is Descriptor; -1, with the system's reason in `error`,
// when it cannot be opened.
int openOnePassTarget(const WriteTarget &target, QString &error);

// True when both paths name one existing file, also through links or other names.
bool isSameFile(const QString &first, const QString &second);

} // namespace velkari
