#include "commandruns.h"
#include "commandsupport.h"

#include "keymaplayout.h"
#include "layoutpictures.h"
#include "picturereader.h"
#include "projectfile.h"

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

} // namespace

int runReadKeys(CliContext &context, const CommandLine &line)
{
    SkinProject project;
    if (!openProjectForCommand(context, project, line.argument(0)))
        return ExitFailed;
    SkinLayout *layout = layoutForCommand(context, project, line.shape(), line.position());
    if (!layout)
        return ExitFailed;
    // Another picture is only read: the layout keeps its own.
    const QString picture = line.has("--picture") ? absolutePathOf(line.text("--picture")) : layout->picFileName;
    if (picture.isEmpty())
        return context.fail(
            QStringLiteral("the layout \"%1\" names no picture; --picture FILE reads one").arg(layout->name));
    if (!checkInputReadable(context, picture))
        return ExitFailed;
    const QImage image = decodePicture(picture);
    if (image.isNull())
        return context.fail(
            QStringLiteral("\"%1\" is not a picture that can be read").arg(QDir::toNativeSeparators(picture)));
    const PictureKeyMap map = readPictureKeyMap(image);
    if (map.isEmpty()) {
        return context.fail(QStringLiteral("no keys were recognised in \"%1\"; nothing was changed")
                                .arg(QDir::toNativeSeparators(picture)),
                            ExitRuleFailed);
    }
    const bool json = line.json();
    if (json)
        context.out() << keyMapJson(map) << '\n';
    else
        context.out() << keyMapText(map);
    if (line.has("--dry-run"))
        return ExitSuccess;
    const KeyMapReport report = applyKeyMap(*layout, map);
    saveProjectFile(project, project.projectPath);
    if (!json) {
        for (const QString &reportLine : report.lines())
            context.out() << reportLine << '\n';
    }
    return ExitSuccess;
}

} // namespace velkari
