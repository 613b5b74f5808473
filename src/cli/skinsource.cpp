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
    if (!line.has(ShapeOption().longName))
        return Portrait;
    const QString name = line.value(ShapeOption().longName);
    for (int shape = 0; shape < ScreenShapeCount; ++shape) {
        if (name.compare(ScreenShapeName(shape), Qt::CaseInsensitive) == 0
            || name.compare(QLatin1String(ShortShapeNames[shape]), Qt::CaseInsensitive) == 0)
            return shape;
    }
    return -1;
}

QString ShapeNamesHint()
{
    QStringList names;
    for (const char *name : ShortShapeNames)
        names << QLatin1String(name);
    return QStringLiteral("the shapes are %1, or their display names").arg(names.join(QStringLiteral(", ")));
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
