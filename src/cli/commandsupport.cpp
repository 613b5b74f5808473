#include "commandsupport.h"

#include "filetarget.h"
#include "projectfile.h"
#include "projecttexts.h"
#include "skinfile.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>

#include <cerrno>

namespace velkari {

namespace {

// A skin file begins with its class section's name.
bool isSkinFile(const QString &path)
{
    if (!QFileInfo(path).isFile())
        return false;
    const QByteArray className = skinFileClassName().toLatin1();
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(1 + className.size()) == char(className.size()) + className;
}

QString withoutLoneSurrogates(const QString &text)
{
    QString clean = text;
    for (qsizetype i = 0; i < clean.size(); ++i) {
        const QChar c = clean.at(i);
        if (c.isHighSurrogate() && i + 1 < clean.size() && clean.at(i + 1).isLowSurrogate())
            ++i;
        else if (c.isSurrogate())
            clean[i] = QChar::ReplacementCharacter;
    }
    return clean;
}

QJsonValue withoutLoneSurrogates(const QJsonValue &value)
{
    if (value.isString())
        return withoutLoneSurrogates(value.toString());
    if (value.isArray()) {
        QJsonArray array;
        for (const QJsonValue &item : value.toArray())
            array.append(withoutLoneSurrogates(item));
        return array;
    }
    if (value.isObject()) {
        QJsonObject object;
        const QJsonObject source = value.toObject();
        for (auto it = source.begin(); it != source.end(); ++it)
            object.insert(withoutLoneSurrogates(it.key()), withoutLoneSurrogates(it.value()));
        return object;
    }
    return value;
}

} // namespace

QString absolutePathOf(const QString &path)
{
    return QFileInfo(path).absoluteFilePath();
}

int cannotOpenError(const CliContext &context, const QString &path, const QString &reason)
{
    return context.fail(QStringLiteral("cannot open \"%1\": %2").arg(path, reason));
}

bool checkInputReadable(const CliContext &context, const QString &path)
{
    const QFileInfo info(path);
    if (info.isDir()) {
        cannotOpenError(context, path, qt_error_string(EISDIR));
        return false;
    }
    // Opening a pipe for reading would wait for a writer.
    if (info.exists() && !info.isFile())
        return true;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        cannotOpenError(context, path, file.errorString());
        return false;
    }
    return true;
}

bool refuseOutputOverInput(const CliContext &context, const QStringList &inputs, const QString &output)
{
    for (const QString &input : inputs) {
        if (isSameFile(input, output)) {
            context.message(
                QStringLiteral("the output \"%1\" is the input file \"%2\"; nothing was written").arg(output, input));
            return true;
        }
    }
    return false;
}

QStringList projectAndPictures(const QString &projectArgument, const SkinProject &project)
{
    QStringList files{projectArgument};
    for (const LayoutList &layouts : project.layouts) {
        for (const auto &layout : layouts)
            files << layoutPicturePath(*layout);
    }
    return files;
}

bool openProjectForCommand(const CliContext &context, SkinProject &project, const QString &path, QString *damage)
{
    if (!checkInputReadable(context, path))
        return false;
    LoadReport report;
    if (!loadProjectFile(project, absolutePathOf(path), &report)) {
        if (!report.damage.isEmpty() && damage)
            *damage = damagedProjectMessage(path, report.damage);
        else if (!report.damage.isEmpty())
            context.message(damagedProjectMessage(path, report.damage));
        else if (isSkinFile(path))
            context.message(QStringLiteral("\"%1\" is a skin file, not a project; velkari-skin inspect reads it").arg(path));
        else
            context.message(invalidProjectMessage() + QStringLiteral(" \"%1\"").arg(path));
        return false;
    }
    if (!report.isEmpty())
        context.message(report.message());
    return true;
}

SkinLayout *layoutForCommand(const CliContext &context, SkinProject &project, int shape, int position)
{
    const LayoutList &layouts = project.layoutList(shape);
    SkinLayout *layout = layouts.at(position);
    if (!layout) {
        context.message(QStringLiteral("%1 has no layout %2; its layouts are 0 to %3")
                            .arg(screenShapeName(shape))
                            .arg(position)
                            .arg(layouts.count() - 1));
    }
    return layout;
}

QString jsonText(const QJsonObject &object, QJsonDocument::JsonFormat format)
{
    return QString::fromUtf8(QJsonDocument(withoutLoneSurrogates(QJsonValue(object)).toObject()).toJson(format));
}

} // namespace velkari
