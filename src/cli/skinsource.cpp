#include "skinsource.h"

#include "projectfile.h"
#include "skinfile.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace velkari {

bool loadSkinForCommand(const CliContext &context, const QString &path, CompiledSkin &skin, bool projects)
{
    if (!checkInputReadable(context, path))
        return false;
    const QString problem = readSkinFile(path, skin);
    if (problem.isEmpty())
        return true;
    if (projects) {
        SkinProject project;
        LoadReport report;
        if (loadProjectFile(project, absolutePathOf(path), &report)) {
            skin = compileSkin(project);
            return true;
        }
        if (!report.damage.isEmpty()) {
            context.message(damagedProjectMessage(path, report.damage));
            return false;
        }
    }
    context.message(problem);
    return false;
}

QString quotedText(const QString &text)
{
    const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(array.sliced(1, array.size() - 2));
}

} // namespace velkari
