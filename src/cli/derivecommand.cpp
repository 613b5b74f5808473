#include "clicommand.h"

#include "derivedpictures.h"
#include "layoutpictures.h"
#include "projectfile.h"
#include "shapederive.h"
#include "skinsource.h"

#include <QDir>
#include <QTextStream>

namespace velkari {

namespace {

const QString FromOption = QStringLiteral("--from");
const QString ToOption = QStringLiteral("--to");
const QString ForceOption = QStringLiteral("--force");

int runDerive(CliContext &context, const QStringList &args)
{
    const CommandLine line = ParseCommandLine(
        args, {{{}, FromOption, true}, {{}, ToOption, true, true}, {{}, ForceOption, false}});
    if (!line.ok() || line.positional.size() != 1 || !line.has(FromOption)) {
        return CommandUsageError(context, DeriveCommand(),
                                 line.ok() ? QStringLiteral("derive takes a project file name and --from SHAPE") : line.error);
    }
    const int from = ShapeNamed(line.value(FromOption));
    if (from < 0)
        return UnknownShapeError(context, DeriveCommand(), line.value(FromOption));
    QList<int> targets;
    for (const QString &name : line.repeated.value(ToOption)) {
        const int target = ShapeNamed(name);
        if (target < 0)
            return UnknownShapeError(context, DeriveCommand(), name);
        if (target == from)
            return CommandUsageError(context, DeriveCommand(), QStringLiteral("--to names the --from shape, %1").arg(name));
        targets.append(target);
    }
    for (int shape = 0; line.repeated.value(ToOption).isEmpty() && shape < ScreenShapeCount; ++shape) {
        if (shape != from)
            targets.append(shape);
    }

    SkinProject project;
    if (!OpenProjectForCommand(context, project, line.positional.first()))
        return ExitFailed;
    if (!isShapeInUse(project.layoutList(from))) {
        context.err << "velkari-skin: " << ScreenShapeName(from)
                    << " holds only a fresh Layout00 with no keys; there is nothing to derive from it\n";
        return ExitFailed;
    }
    const DeriveReport derived = deriveShapes(project, from, targets, line.has(ForceOption));
    if (derived.refused()) {
        QStringList names;
        for (int shape : derived.inUse)
            names << ScreenShapeName(shape);
        context.err << "velkari-skin: " << names.join(QStringLiteral(", "))
                    << (names.size() == 1 ? " is" : " are") << " in use; --force replaces "
                    << (names.size() == 1 ? "it" : "them") << " with layouts derived from " << ScreenShapeName(from) << '\n';
        return ExitFailed;
    }
    const DerivedPictures pictures = writeDerivedPictures(project, from, derived.derived, pictureFolderFor(project.projectPath),
                                                          *KeyboardTheme::named(KeyboardTheme::names().first()));
    SaveProjectFile(project, project.projectPath);

    for (int shape : derived.derived) {
        context.out << ScreenShapeName(shape) << ": derived from " << ScreenShapeName(from) << '\n';
    }
    for (const DerivedPicture &picture : pictures.written) {
        context.out << ScreenShapeName(picture.shape) << '/' << project.layoutList(picture.shape).at(picture.layout)->name
                    << (picture.drawn ? ": drawn " : ": scaled ") << QDir::toNativeSeparators(picture.path) << '\n';
    }
    for (const RowNote &note : derived.leftAlone)
        context.out << rowNoteText(note) << '\n';
    for (const QString &problem : pictures.problems)
        context.err << problem << '\n';
    return pictures.problems.isEmpty() ? ExitSuccess : ExitRuleFailed;
}

} // namespace

const CliCommand &DeriveCommand()
{
    static const CliCommand command{
        "derive", "derive PROJECT.vsp --from SHAPE [--to SHAPE]... [--force]",
        "make the layouts of other shapes from those of one shape",
        "Replaces the layouts of the --to shapes (every other shape when --to is not given) with the\n"
        "layouts of the --from shape, in the same order, so that Change Layout keys and drag-up layouts\n"
        "lead where they did: names, flags, rows and keys with their functions. Every row's keys are\n"
        "scaled to add up to the target's screen width (240, 320, 480 or 640), row heights doubled for a\n"
        "Hi-Res. shape and halved for a low-resolution one. A layout whose picture was drawn from its\n"
        "keys, or that has none, gets a picture drawn afresh in PROJECT-pictures; any other picture is\n"
        "scaled into a new file beside it, named after the target shape. No file is written over. The\n"
        "shapes are portrait, landscape, hires-portrait, hires-landscape or their display names. A\n"
        "target that holds more than a fresh Layout00 is in use and is replaced only with --force.\n"
        "The project is saved in place. Exit code 1 when a layout could not be given a picture.",
        runDerive};
    return command;
}

} // namespace velkari
