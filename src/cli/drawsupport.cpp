#include "drawsupport.h"

#include "clicommand.h"
#include "keyboardpainter.h"
#include "skinproject.h"
#include "templateproject.h"

#include <QDir>
#include <QTextStream>

namespace velkari {

std::optional<KeyboardTheme> ThemeOption(CliContext &context, const CliCommand &command, const CommandLine &line)
{
    const QString name = line.value(QStringLiteral("--theme"), KeyboardTheme::names().first());
    std::optional<KeyboardTheme> theme = KeyboardTheme::named(name);
    if (!theme) {
        CommandUsageError(context, command,
                          QStringLiteral("unknown theme \"%1\"; the themes are %2")
                              .arg(name, KeyboardTheme::names().join(QStringLiteral(" and "))));
    }
    return theme;
}

bool RefuseToOverwrite(CliContext &context, const SkinProject &project, const QList<PictureJob> &jobs, bool force)
{
    const QStringList inTheWay = picturesInTheWay(project, jobs);
    if (force || inTheWay.isEmpty())
        return false;
    context.err << "velkari-skin: " << QDir::toNativeSeparators(inTheWay.first()) << " exists";
    if (inTheWay.size() > 1)
        context.err << " (and " << inTheWay.size() - 1 << " more picture(s))";
    context.err << "; --force replaces it\n";
    return true;
}

bool WriteProjectAndPictures(CliContext &context, SkinProject &project, const QList<PictureJob> &jobs,
                             const KeyboardTheme &theme, bool force)
{
    if (RefuseToOverwrite(context, project, jobs, force))
        return false;
    const QStringList problems = writeProjectWithPictures(project, jobs, KeyboardPainter(theme));
    for (const QString &problem : problems)
        context.err << problem << '\n';
    return problems.isEmpty();
}

int DrawPictures(CliContext &context, SkinProject &project, const QList<PictureJob> &jobs,
                 const KeyboardPainter &painter, bool listPictures)
{
    for (const QString &problem : writeLayoutPictures(project, jobs, painter))
        context.err << problem << '\n';
    int written = 0;
    for (const PictureJob &job : jobs) {
        const SkinLayout *layout = project.layoutList(job.shape).at(job.layout);
        if (!layout || layout->picFileName != job.path)
            continue;
        ++written;
        if (listPictures) {
            context.out << ScreenShapeName(job.shape) << '/' << layout->name << ": "
                        << QDir::toNativeSeparators(job.path) << '\n';
        }
    }
    return written;
}

} // namespace velkari
