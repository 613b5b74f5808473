#pragma once

#include "picturefacts.h"
#include "problem.h"

#include <QDateTime>
#include <QHash>
#include <QList>

namespace velkari {

struct SkinProject;

// Finds every problem of a project. Keeps what it learnt of each picture until the file changes,
// so that checking again after each edit costs next to nothing: hold one for as long as a project
// is being edited.
class ProjectChecker
{
public:
    // Shape by shape, layout by layout; within a layout the layout's own problems, then row by row
    // and key by key, errors in the order the device's rules are tried. Relative picture paths
    // are looked for in `folder`, the project file's.
    QList<Problem> check(const SkinProject &project, const QString &folder);

private:
    PictureFacts picture(const QString &path);

    struct KnownPicture
    {
        qint64 bytes = 0;
        QDateTime modified;
        PictureFacts facts;
    };
    QHash<QString, KnownPicture> m_pictures;
};

// Once, with nothing remembered.
QList<Problem> CheckProject(const SkinProject &project, const QString &folder);

} // namespace velkari
