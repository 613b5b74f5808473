#include "drawsupport.h"

#include "clicontext.h"
#include "keyboardpainter.h"
#include "skinproject.h"
#include "templateproject.h"

#include <QDir>
#include <QTextStream>

namespace velkari {

bool refuseToOverwrite(const CliContext &context, const SkinProject &project, const QList<PictureJob> &jobs, bool force)
{
    const QStringList inTheWay = picturesInTheWay(project, jobs);
    if (force || inTheWay.isEmpty())
        return false;
    QString refusal = QDir::toNativeSeparators(inTheWay.first()) + QStringLiteral(" exists");
    if (inTheWay.size() > 1)
        refusal += QStringLiteral(" (and %1 more picture(s))").arg(inTheWay.size() - 1);
    context.message(refusal + QStringLiteral("; --force replaces it"));
    return true;
}

bool writeProjectAndPictures(const CliContext &context, SkinProject &project, const QList<PictureJob> &jobs,
                             const KeyboardTheme &theme, bool force)
{
    if (refuseToOverwrite(context, project, jobs, force))
        return false;
    const QStringList problems = writeProjectWithPictures(project, jobs, KeyboardPainter(theme));
    for (const QString &problem : problems)
        context.message(problem);
    return problems.isEmpty();
}

int drawPictures(const CliContext &context, SkinProject &project, const QList<PictureJob> &jobs,
                 const KeyboardPainter &painter, bool listPictures)
{
    for (const QString &problem : writeLayoutPictures(project, jobs, painter))
        context.message(problem);
    int written = 0;
    for (const PictureJob &job : jobs) {
        const SkinLayout *layout = project.layoutList(job.shape).at(job.layout);
        if (!layout || layout->picFileName != job.path)
            continue;
        ++written;
        if (listPictures) {
            context.out() << screenShapeName(job.shape) << '/' << layout->name << ": "
                          << QDir::toNativeSeparators(job.path) << '\n';
        }
    }
    return written;
}

} // namespace velkari
