#include "skinsource.h"

#include "projectfile.h"
#include "skinfile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QTextStream>

namespace velkari {

namespace {

const char *const ShortShapeNames[ScreenShapeCount] = {"portrait", "landscape", "hires-portrait", "hires-landscape"};

} // namespace

bool LoadSkinForCommand(CliContext &context, const QString &path, CompiledSkin &skin, bool projects)
{
    if (!CheckInputReadable(context, path))
        return false;
    const QString problem = ReadSkinFile(path, skin);
    if (problem.isEmpty())
        return true;
    if (projects) {
        SkinProject project;
        LoadReport report;
        if (LoadProjectFile(project, AbsolutePath(path), &report)) {
            skin = CompileSkin(project);
            return true;
        }
        if (!report.damage.isEmpty()) {
            context.err << DamagedProjectMessage(path, report.damage) << '\n';
            return false;
        }
    }
    context.err << problem << '\n';
    return false;
}

const CliOption &ShapeOption()
{
    static const CliOption option{QString(), QStringLiteral("--shape"), true};
    return option;
}

int ShapeFromCommandLine(const CommandLine &line)
{
    return line.has(ShapeOption().longName) ? ShapeNamed(line.value(ShapeOption().longName)) : int(Portrait);
}

int ShapeNamed(const QString &name)
{
    for (int shape = 0; shape < ScreenShapeCount; ++shape) {
        if (name.compare(ScreenShapeName(shape), Qt::CaseInsensitive) == 0
            || name.compare(QLatin1String(ShortShapeNames[shape]), Qt::CaseInsensitive) == 0)
            return shape;
    }
    return -1;
}

QString UnknownShapeProblem(const QString &name)
{
    QStringList names;
    for (const char *shortName : ShortShapeNames)
        names << QLatin1String(shortName);
    return QStringLiteral("unknown shape \"%1\"; the shapes are %2, or their display names")
        .arg(name, names.join(QStringLiteral(", ")));
}

int UnknownShapeError(CliContext &context, const CliCommand &command, const QString &name)
{
    return CommandUsageError(context, command, UnknownShapeProblem(name));
}

const CliOption &FormatOption()
{
    static const CliOption option{QString(), QStringLiteral("--format"), true};
    return option;
}

bool JsonFormat(const CommandLine &line, bool &json)
{
    const QString format = line.value(FormatOption().longName, QStringLiteral("text"));
    json = format == QLatin1String("json");
    return json || format == QLatin1String("text");
}

QString QuotedText(const QString &text)
{
    const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(array.sliced(1, array.size() - 2));
}

} // namespace velkari
