#include "clicommand.h"

#include "keymaplayout.h"
#include "layoutpictures.h"
#include "projectfile.h"
#include "skinsource.h"
#include "picturereader.h"

#include <QDir>
#include <QTextStream>

namespace velkari {

namespace {

// Written by hand: the members keep this order, which scripts may rely on.
QString keyMapJson(const PictureKeyMap &map)
{
    QStringList rows;
    for (const PictureKeyMap::Row &row : map.rows) {
        QStringList keys;
        for (const PictureKeyMap::Key &key : row.keys)
            keys << QStringLiteral("{\"x\": %1, \"width\": %2}").arg(key.x).arg(key.width);
        rows << QStringLiteral("{\"y\": %1, \"height\": %2, \"keys\": [%3]}")
                    .arg(row.y)
                    .arg(row.height)
                    .arg(keys.join(QStringLiteral(", ")));
    }
    return QStringLiteral("{\"width\": %1, \"height\": %2, \"rows\": [%3]}")
        .arg(map.width)
        .arg(map.height)
        .arg(rows.join(QStringLiteral(", ")));
}

QString keyMapText(const PictureKeyMap &map)
{
    QString text = QStringLiteral("%1 x %2 pixels, %3 rows\n").arg(map.width).arg(map.height).arg(map.rows.size());
    for (qsizetype r = 0; r < map.rows.size(); ++r) {
        const PictureKeyMap::Row &row = map.rows[r];
        text += QStringLiteral("row %1: y %2, height %3, %4 keys (x+width):")
                    .arg(r)
                    .arg(row.y)
                    .arg(row.height)
                    .arg(row.keys.size());
        for (const PictureKeyMap::Key &key : row.keys)
            text += QStringLiteral(" %1+%2").arg(key.x).arg(key.width);
        text += u'\n';
    }
    return text;
}

int runReadKeys(CliContext &context, const QStringList &args)
{
    const QString layoutOption = QStringLiteral("--layout");
    const QString pictureOption = QStringLiteral("--picture");
    const QString dryRunOption = QStringLiteral("--dry-run");
    const CommandLine line = ParseCommandLine(args, {ShapeOption(),
                                                     {{}, layoutOption, true},
                                                     {{}, pictureOption, true},
                                                     {{}, dryRunOption, false},
                                                     FormatOption()});
    if (!line.ok())
        return CommandUsageError(context, ReadKeysCommand(), line.error);
    if (line.positional.size() != 1 || !line.has(ShapeOption().longName) || !line.has(layoutOption)) {
        return CommandUsageError(context, ReadKeysCommand(),
                                 QStringLiteral("read-keys takes a project file name, --shape and --layout"));
    }
    bool json = false;
    if (!JsonFormat(line, json))
        return CommandUsageError(context, ReadKeysCommand(), QStringLiteral("the formats are text and json"));
    const int shape = ShapeFromCommandLine(line);
    if (shape < 0)
        return UnknownShapeError(context, ReadKeysCommand(), line.value(ShapeOption().longName));
    bool numberOk = false;
    const int number = line.value(layoutOption).toInt(&numberOk);
    if (!numberOk || number < 0) {
        return CommandUsageError(context, ReadKeysCommand(),
                                 QStringLiteral("--layout takes a layout's number, counted from 0"));
    }

    SkinProject project;
    if (!OpenProjectForCommand(context, project, line.positional.first()))
        return ExitFailed;
    SkinLayout *layout = project.layoutList(shape).at(number);
    if (!layout) {
        context.err << QStringLiteral("velkari-skin: %1 has no layout %2; it has %3\n")
                           .arg(ScreenShapeName(shape))
                           .arg(number)
                           .arg(project.layoutList(shape).count());
        return ExitFailed;
    }
    // Another picture is only read: the layout keeps its own.
    const QString picture = line.has(pictureOption) ? AbsolutePath(line.value(pictureOption)) : layout->picFileName;
    if (picture.isEmpty()) {
        context.err << QStringLiteral("velkari-skin: the layout \"%1\" names no picture; --picture FILE reads one\n")
                           .arg(layout->name);
        return ExitFailed;
    }
    if (!CheckInputReadable(context, picture))
        return ExitFailed;
    const QImage image = decodePicture(picture);
    if (image.isNull()) {
        context.err << QStringLiteral("velkari-skin: \"%1\" is not a picture that can be read\n")
                           .arg(QDir::toNativeSeparators(picture));
        return ExitFailed;
    }
    const PictureKeyMap map = readPictureKeyMap(image);
    if (map.isEmpty()) {
        context.err << QStringLiteral("velkari-skin: no keys were recognised in \"%1\"; nothing was changed\n")
                           .arg(QDir::toNativeSeparators(picture));
        return ExitRuleFailed;
    }
    if (json)
        context.out << keyMapJson(map) << '\n';
    else
        context.out << keyMapText(map);
    if (line.has(dryRunOption))
        return ExitSuccess;
    const KeyMapReport report = applyKeyMap(*layout, map);
    SaveProjectFile(project, project.projectPath);
    if (!json) {
        for (const QString &reportLine : report.lines())
            context.out << reportLine << '\n';
    }
    return ExitSuccess;
}

} // namespace

const CliCommand &ReadKeysCommand()
{
    static const CliCommand command{
        "read-keys",
        "read-keys PROJECT.vsp --shape NAME --layout N [--picture FILE] [--dry-run] [--format text|json]",
        "set a layout's row heights and key widths from its picture",
        "Finds the rows and keys in the picture of layout N (counted from 0) of a shape, or in FILE\n"
        "(which is only read: the layout keeps its picture), and sets the row heights and key widths\n"
        "from them: each key reaches to the middle of the gap or border line beside it. Keys keep\n"
        "their captions and functions in order; missing keys are added as blank keys, surplus keys\n"
        "and rows are removed and listed. The project is saved in place unless --dry-run is given.\n"
        "Prints the rows and keys found; --format json prints {\"width\": W, \"height\": H, \"rows\":\n"
        "[{\"y\": Y, \"height\": H, \"keys\": [{\"x\": X, \"width\": W}, ...]}, ...]}. Exit code 1, with\n"
        "nothing changed, when the picture shows no keys that can be recognised.",
        runReadKeys};
    return command;
}

} // namespace velkari
