#pragma once

#include "problem.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QSize>

namespace velkari {

struct SkinProject;

// Finds every problem of a project. Keeps what it learnt of each picture until the file changes,
// so that checking again after each edit costs next to nothing: hold one for as long as a project
// is being edited.
class ProjectChecker
{
public:
    // Shape by shape, layout by layout; within a layout the layout's own problems, then row by row
    // and key by key, errors in the order the device's rules are tried. Pictures are looked for
    // where layoutPicturePath() says, as every reader of them does.
    QList<Problem> check(const SkinProject &project);

private:
    // What the picture's header says (probePicture): its size, or an invalid one when it is no
    // readable GIF or BMP.
    QSize pictureSize(const QString &path);

    struct KnownPicture
    {
        qint64 bytes = 0;
        QDateTime modified;
        QSize size;
    };
    QHash<QString, KnownPicture> m_pictures;
};

// Once, with nothing remembered.
QList<Problem> checkProject(const SkinProject &project);

} // namespace velkari
