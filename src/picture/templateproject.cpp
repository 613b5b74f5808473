#include "templateproject.h"

#include "projectfile.h"
#include "skinproject.h"
#include "skintemplates.h"

namespace velkari {

bool planTemplateProject(SkinProject &project, QList<PictureJob> &jobs, const QString &name, const QString &path)
{
    if (!buildTemplateProject(project, name))
        return false;
    project.projectPath = path;
    jobs = planLayoutPictures(project, pictureFolderFor(path), PictureFormat::Gif, false);
    return true;
}

QStringList writeProjectWithPictures(SkinProject &project, const QList<PictureJob> &jobs,
                                     const KeyboardPainter &painter)
{
    const QStringList problems = writeLayoutPictures(project, jobs, painter);
    if (problems.isEmpty())
        saveProjectFile(project, project.projectPath);
    return problems;
}

} // namespace velkari
