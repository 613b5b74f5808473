#pragma once

#include <QString>

namespace velkari {

// The stored form of a path relative to a base file: "<levels>,<rest>", where <levels> counts the
// folders from the base's folder up to the part the two share. Backslash is the only separator.
QString MakeRelativePath(const QString &path, const QString &base,
                         Qt::CaseSensitivity cs = Qt::CaseInsensitive);
QString MakeAbsolutePath(const QString &base, const QString &text);

// The same for paths of this system: native separators become backslashes before the stored
// form is made and come back afterwards, so a project written on another system keeps finding
// pictures that moved together with it. Letter case matters where the file system's does.
QString toStoredPath(const QString &nativePath, const QString &nativeBase);
QString fromStoredPath(const QString &nativeBase, const QString &stored);

} // namespace velkari
