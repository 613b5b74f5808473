#include "commandruns.h"
#include "commandsupport.h"

#include "derivedpictures.h"
#include "layoutpictures.h"
#include "projectfile.h"
#include "shapederive.h"

#include <QDir>
#include <QTextStream>

namespace velkari {

int runDerive(CliContext &context, const CommandLine &line)
{
    const int from = line.shape("--from");
    QList<int> targets = line.shapes("--to");
    if (targets.contains(from))
        return context.usageError(QStringLiteral("--to names the --from shape, %1").arg(screenShapeName(from)));
    for (int shape = 0; !line.has("--to") && shape < ScreenShapeCount; ++shape) {
        if (shape != from)
            targets.append(shape);
    }

    SkinProject project;
    if (!openProjectForCommand(context, project, line.argument(0)))
        return ExitFailed;
    if (!isShapeInUse(project.layoutList(from))) {
        return context.fail(QStringLiteral("%1 holds only a fresh Layout00 with no keys; there is nothing to derive from it")
                                .arg(screenShapeName(from)));
    }
    const DeriveReport derived = deriveShapes(project, from, targets, line.has("--force"));
    if (derived.refused()) {
        QStringList names;
        for (int shape : derived.inUse)
            names << screenShapeName(shape);
        const bool one = names.size() == 1;
        return context.fail(QStringLiteral("%1 %2 in use; --force replaces %3 with layouts derived from %4")
                                .arg(names.join(QStringLiteral(", ")), one ? QStringLiteral("is") : QStringLiteral("are"),
                                     one ? QStringLiteral("it") : QStringLiteral("them"), screenShapeName(from)));
    }
    const DerivedPictures pictures =
        writeDerivedPictures(project, from, derived.derived, pictureFolderFor(project.projectPath),
                             *KeyboardTheme::named(KeyboardTheme::names().first()));
    saveProjectFile(project, project.projectPath);

    for (int shape : derived.derived)
        context.out() << screenShapeName(shape) << ": derived from " << screenShapeName(from) << '\n';
    for (const DerivedPicture &picture : pictures.written) {
        context.out() << screenShapeName(picture.shape) << '/' << project.layoutList(picture.shape).at(picture.layout)->name
                      << (picture.drawn ? ": drawn " : ": scaled ") << QDir::toNativeSeparators(picture.path) << '\n';
    }
    for (const RowNote &note : derived.leftAlone)
        context.out() << rowNoteText(note) << '\n';
    for (const QString &problem : pictures.problems)
        context.message(problem);
    return pictures.problems.isEmpty() ? ExitSuccess : ExitRuleFailed;
}

} // namespace velkari
