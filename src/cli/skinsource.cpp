#include "skinsource.h"

#include "projectfile.h"
#include "skinfile.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace velkari {

bool LoadSkinForCommand(const CliContext &context, const QString &path, CompiledSkin &skin, bool projects)
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
            context.message(DamagedProjectMessage(path, report.damage));
            return false;
        }
    }
    context.message(problem);
    return false;
}

QString QuotedText(const QString &text)
{
    const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(array.sliced(1, array.size() - 2));
}

} // namespace velkari
