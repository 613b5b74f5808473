#include "commandruns.h"
#include "skinsource.h"

#include "buttondescription.h"
#include "picturereader.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

namespace velkari {

namespace {

// Change Layout targets are named by number: a skin carries no layout names.
void nameLayoutsByNumber(LayoutList &names, qsizetype count)
{
    for (qsizetype i = 0; i < count; ++i) {
        auto layout = std::make_unique<SkinLayout>();
        layout->name = QStringLiteral("layout %1").arg(i);
        names.append(std::move(layout));
    }
}

QString hex(uint value, int digits)
{
    return QStringLiteral("0x") + hexDigits(value, digits);
}

QJsonValue positionJson(const SkinLayoutData::KeyPosition &position)
{
    if (position.row < 0)
        return QJsonValue::Null;
    return QJsonArray{position.row, position.button};
}

QJsonObject layoutJson(int index, const CompiledLayout &layout)
{
    const SkinLayoutData &data = layout.data;
    const PictureProbe picture = probePicture(layout.picture);
    const bool decoded = picture.readable();
    QJsonArray rows;
    for (const QList<SkinKeyRecord> &row : data.rows) {
        QJsonArray keys;
        for (const SkinKeyRecord &key : row) {
            keys.append(QJsonObject{{"flags", key.flags},
                                    {"char", key.charCode},
                                    {"vk", key.vk},
                                    {"rect", QJsonArray{key.left, key.top, key.right, key.bottom}}});
        }
        rows.append(keys);
    }
    return QJsonObject{
        {"index", index},
        {"flags", data.flags},
        {"dragUp", data.dragUpLayout == SkinLayoutData::NoDragUpLayout ? QJsonValue::Null : QJsonValue(data.dragUpLayout)},
        {"picture", QJsonObject{{"bytes", layout.picture.size()},
                                {"format", decoded ? QJsonValue(QString::fromLatin1(picture.format)) : QJsonValue::Null},
                                {"width", decoded ? QJsonValue(picture.size.width()) : QJsonValue::Null},
                                {"height", decoded ? QJsonValue(picture.size.height()) : QJsonValue::Null}}},
        {"enter", positionJson(data.enter)},
        {"space", positionJson(data.space)},
        {"backspace", positionJson(data.backspace)},
        {"width", data.width},
        {"height", data.height},
        {"rows", rows},
    };
}

QString positionText(const SkinLayoutData::KeyPosition &position)
{
    return position.row < 0 ? QStringLiteral("none") : QStringLiteral("%1,%2").arg(position.row).arg(position.button);
}

void printLayout(QTextStream &out, int index, const CompiledLayout &layout, const LayoutList &names,
                 const QString &helpFileName)
{
    const SkinLayoutData &data = layout.data;
    const PictureProbe picture = probePicture(layout.picture);
    out << QStringLiteral("  layout %1: flags %2, drag-up layout %3, %4 x %5 pixels\n")
               .arg(index)
               .arg(hex(data.flags, 4),
                    data.dragUpLayout == SkinLayoutData::NoDragUpLayout ? QStringLiteral("none")
                                                                        : QString::number(data.dragUpLayout))
               .arg(data.width)
               .arg(data.height);
    out << QStringLiteral("    picture: %1 bytes").arg(layout.picture.size());
    if (!picture.readable())
        out << ", not a picture that can be decoded\n";
    else
        out << QStringLiteral(", %1 %2 x %3\n").arg(QString::fromLatin1(picture.format.toUpper())).arg(picture.size.width()).arg(picture.size.height());
    out << QStringLiteral("    Enter %1; Space %2; Backspace %3\n")
               .arg(positionText(data.enter), positionText(data.space), positionText(data.backspace));
    for (qsizetype r = 0; r < data.rows.size(); ++r) {
        for (qsizetype k = 0; k < data.rows[r].size(); ++k) {
            const SkinKeyRecord &key = data.rows[r][k];
            out << QStringLiteral("    key %1,%2 at %3,%4-%5,%6, flags %7: %8\n")
                       .arg(r)
                       .arg(k)
                       .arg(key.left)
                       .arg(key.top)
                       .arg(key.right)
                       .arg(key.bottom)
                       .arg(hex(key.flags, 4),
                            describeKeyFunction(buttonForKey(key), names, helpFileName).join(QStringLiteral("; ")));
        }
    }
}

} // namespace

int runInspect(CliContext &context, const CommandLine &line)
{
    CompiledSkin skin;
    if (!loadSkinForCommand(context, line.argument(0), skin, false))
        return ExitFailed;
    if (line.json()) {
        QJsonArray shapes;
        for (int shape = 0; shape < ScreenShapeCount; ++shape) {
            QJsonArray layouts;
            for (qsizetype i = 0; i < skin.shapes[shape].size(); ++i)
                layouts.append(layoutJson(int(i), skin.shapes[shape][i]));
            shapes.append(QJsonObject{{"name", screenShapeName(shape)}, {"layouts", layouts}});
        }
        context.out() << jsonText(QJsonObject{{"shapes", shapes}}, QJsonDocument::Compact) << '\n';
        return ExitSuccess;
    }
    context.out() << QStringLiteral("text colour %1, highlight colour %2, help file %3\n")
                       .arg(hex(skin.textColor, 8), hex(skin.highlightColor, 8), quotedText(skin.helpFileName));
    for (int shape = 0; shape < ScreenShapeCount; ++shape) {
        const QList<CompiledLayout> &layouts = skin.shapes[shape];
        LayoutList names;
        nameLayoutsByNumber(names, layouts.size());
        context.out() << screenShapeName(shape) << QStringLiteral(": %1 layout(s)\n").arg(layouts.size());
        for (qsizetype i = 0; i < layouts.size(); ++i)
            printLayout(context.out(), int(i), layouts[i], names, skin.helpFileName);
    }
    return ExitSuccess;
}

} // namespace velkari
