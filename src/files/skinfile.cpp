#include "skinfile.h"

#include "cebffile.h"
#include "fileerror.h"
#include "filetarget.h"
#include "projectfile.h"
#include "screenshape.h"
#include "skinlayoutdata.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace velkari {

namespace {

// The rule messages and the reasons a picture cannot be put into a skin are shown by the editor
// in its language.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(velkari::SkinFile)
};

QString layoutLabel(const QString &shapeName, const QString &layoutName)
{
    return shapeName + QStringLiteral("->") + layoutName;
}

constexpr int AllowedLayoutWidths[] = {240, 320, 480, 640};

bool isAllowedLayoutWidth(int width)
{
    return std::find(std::begin(AllowedLayoutWidths), std::end(AllowedLayoutWidths), width)
        != std::end(AllowedLayoutWidths);
}

QByteArray readPicture(const QString &path)
{
    QFile file(path);
    const QFileInfo info(path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly))
        throw FileError(FileError::Action::Read, path,
                        info.exists() && !info.isFile() ? Text::tr("Not a file") : file.errorString());
    if (info.size() > MaxPictureFileSize)
        throw FileError(FileError::Action::Read, path, Text::tr("The picture file is too large."));
    QByteArray bytes = file.read(info.size());
    if (bytes.size() != info.size())
        throw FileError(FileError::Action::Read, path, file.errorString());
    return bytes;
}

// False once `report` has asked to stop.
bool visitRowFailures(const SkinRow &row, const QString &shapeName, const QString &layoutName,
                      const std::function<bool(const RuleFailure &)> &report)
{
    const QString label = layoutLabel(shapeName, layoutName);
    if (row.height == 0
        && !report({LayoutRule::RowHeight, row.index, -1,
                    Text::tr("Invalid Height for the row %1 in layout \"%2\".").arg(QString::number(row.index), label)}))
        return false;
    if (row.buttons.isEmpty()) {
        return report({LayoutRule::RowEmpty, row.index, -1,
                       Text::tr("No button defined for the row %1 in layout \"%2\".")
                           .arg(QString::number(row.index), label)});
    }
    for (const auto &button : row.buttons) {
        QString message = ValidateButton(*button, shapeName, layoutName, row.index);
        if (!message.isEmpty() && !report({LayoutRule::KeyWidth, row.index, button->index, std::move(message)}))
            return false;
    }
    return true;
}

} // namespace

quint16 RowKeyWidth(const SkinRow &row)
{
    quint16 width = 0;
    for (int i = 0; i + 1 < row.buttons.count(); ++i)
        width = quint16(width + row.buttons.at(i)->width);
    return width;
}

quint16 expectedRowKeyWidth(const SkinLayout &layout)
{
    if (layout.rows.isEmpty())
        return 0;
    const int first = RowKeyWidth(*layout.rows.at(0));
    // On a tie the narrower width wins.
    int nearest = AllowedLayoutWidths[0];
    for (const int allowed : AllowedLayoutWidths) {
        if (qAbs(allowed - first) < qAbs(nearest - first))
            nearest = allowed;
    }
    return quint16(nearest);
}

quint16 expectedRowKeyWidth(const SkinLayout &layout, int shape)
{
    const bool firstRowEmpty = !layout.rows.isEmpty() && RowKeyWidth(*layout.rows.at(0)) == 0;
    if (firstRowEmpty && screenShapeWidth(shape) > 0)
        return quint16(screenShapeWidth(shape));
    return expectedRowKeyWidth(layout);
}

QString ValidateButton(const SkinButton &button, const QString &shapeName, const QString &layoutName, int row)
{
    if (button.width == 0) {
        return Text::tr("Invalid Width for the button %1, row %2 in layout \"%3\".")
            .arg(QString::number(button.index), QString::number(row), layoutLabel(shapeName, layoutName));
    }
    return {};
}

QString ValidateRow(const SkinRow &row, const QString &shapeName, const QString &layoutName)
{
    QString first;
    visitRowFailures(row, shapeName, layoutName, [&](const RuleFailure &failure) {
        first = failure.message;
        return false;
    });
    return first;
}

void visitRuleFailures(const SkinLayout &layout, const QString &shapeName,
                       const std::function<bool(const RuleFailure &)> &report)
{
    const QString label = layoutLabel(shapeName, layout.name);
    if (layout.picFileName.isEmpty()) {
        if (!report({LayoutRule::NoPicture, -1, -1,
                     Text::tr("No picture file is specified for the layout \"%1\".").arg(label)}))
            return;
    } else {
        const QString picturePath = layoutPicturePath(layout);
        const QFileInfo picture(picturePath);
        QFile file(picturePath);
        QString unreadable;
        if (!picture.isFile() || !file.open(QIODevice::ReadOnly)) {
            unreadable = Text::tr("Cannot Open the picture file \"%1\".").arg(layout.picFileName);
        } else if (picture.size() > MaxPictureFileSize) {
            unreadable = Text::tr("The picture file \"%1\" is too large (%2 bytes); a picture may have at most %3 bytes.")
                             .arg(layout.picFileName, QString::number(picture.size()), QString::number(MaxPictureFileSize));
        }
        if (!unreadable.isEmpty() && !report({LayoutRule::PictureUnreadable, -1, -1, unreadable}))
            return;
    }
    if (layout.rows.isEmpty()) {
        report({LayoutRule::NoRows, -1, -1, Text::tr("The layout \"%1\" has no rows.").arg(label)});
        return;
    }
    int firstRowWidth = 0;
    for (const auto &row : layout.rows) {
        if (!visitRowFailures(*row, shapeName, layout.name, report))
            return;
        if (row->buttons.isEmpty())
            continue; // reported as empty; its width says nothing more
        const int width = RowKeyWidth(*row);
        if (row->index == 0) {
            firstRowWidth = width;
            if (!isAllowedLayoutWidth(width)
                && !report({LayoutRule::LayoutWidth, -1, -1,
                            Text::tr("The layout \"%1\" has invalid width (%2).").arg(label, QString::number(width))}))
                return;
        } else if (width != firstRowWidth && (isAllowedLayoutWidth(firstRowWidth) || !isAllowedLayoutWidth(width))) {
            if (!report({LayoutRule::RowWidth, row->index, -1,
                         Text::tr("The layout \"%1\" row %2 has invalid width(%3).")
                             .arg(label, QString::number(row->index), QString::number(width))}))
                return;
        }
    }
}

QString ValidateLayout(const SkinLayout &layout, const QString &shapeName)
{
    QString first;
    visitRuleFailures(layout, shapeName, [&](const RuleFailure &failure) {
        first = failure.message;
        return false;
    });
    return first;
}

QString firstValidationFailure(const SkinProject &project)
{
    for (int shape = 0; shape < ScreenShapeCount; ++shape) {
        for (const auto &layout : project.layoutList(shape)) {
            const QString message = ValidateLayout(*layout, screenShapeName(shape));
            if (!message.isEmpty())
                return message;
        }
    }
    return {};
}

QStringList allValidationFailures(const SkinProject &project)
{
    QStringList messages;
    for (int shape = 0; shape < ScreenShapeCount; ++shape) {
        for (const auto &layout : project.layoutList(shape)) {
            const QString message = ValidateLayout(*layout, screenShapeName(shape));
            if (!message.isEmpty())
                messages.append(message);
        }
    }
    return messages;
}

QString skinFilePath(const QString &projectPath)
{
    const qsizetype nameStart = qMax(projectPath.lastIndexOf(u'/'), projectPath.lastIndexOf(u'\\')) + 1;
    const qsizetype dot = projectPath.lastIndexOf(u'.');
    const QString stem = dot >= nameStart ? projectPath.first(dot) : projectPath;
    return stem + QStringLiteral(".vsk");
}

namespace {

// The head of a skin, in both directions.
void exchangeSettings(CEBFFile &file, quint32 &textColor, quint32 &highlightColor, QString &helpFileName)
{
    file.ExchangeInt32("TC", textColor);
    file.ExchangeInt32("HC", highlightColor);
    file.ExchangeString("HFN", helpFileName);
}

// The two values of a layout's section, in file order.
constexpr const char *LayoutPictureValue = "P";
constexpr const char *LayoutKeyDataValue = "D";

QString readLayoutSkinForm(CEBFFile &file, CompiledLayout &layout, int index, const QString &shapeName)
{
    if (!file.BeginSection(NumberedName("", index)))
        return QStringLiteral("Layout %1 of the shape \"%2\" is missing from the skin.").arg(index).arg(shapeName);
    QByteArray data;
    const bool picture = file.ExchangeBlock(LayoutPictureValue, layout.picture);
    const bool keyData = file.ExchangeBlock(LayoutKeyDataValue, data);
    file.EndSection();
    if (!picture || !keyData) {
        return QStringLiteral("Layout %1 of the shape \"%2\" has no %3 in the skin.")
            .arg(index).arg(shapeName, picture ? QStringLiteral("key data") : QStringLiteral("picture"));
    }
    QString problem;
    if (!decodeSkinLayoutData(data, layout.data, &problem)) {
        return QStringLiteral("The key data of layout %1 of the shape \"%2\" is damaged: %3.")
            .arg(index).arg(shapeName, problem);
    }
    return {};
}

} // namespace

QByteArrayView skinShapeSectionName(int shape)
{
    static const char *const names[ScreenShapeCount] = {"P", "L", "PH", "LH"};
    return shape >= 0 && shape < ScreenShapeCount ? QByteArrayView(names[shape]) : QByteArrayView();
}

void WriteLayoutSkinForm(CEBFFile &file, SkinLayout &layout, QByteArrayView entryName)
{
    if (!file.BeginSection(entryName.size() > 3 ? entryName.sliced(3) : QByteArrayView()))
        return;
    // One value at a time: with the picture still held while the key data is made, the heap is
    // given back to the system and faulted in again for every layout (twice the page faults).
    {
        QByteArray picture = readPicture(layoutPicturePath(layout));
        file.ExchangeBlock(LayoutPictureValue, picture);
    }
    QByteArray data = encodeSkinLayoutData(layout);
    file.ExchangeBlock(LayoutKeyDataValue, data);
    file.EndSection();
}

void writeSkin(CEBFFile &file, SkinProject &project)
{
    file.SetSkinOutput(true);
    exchangeSettings(file, project.textColor, project.highlightColor, project.helpFileName);
    SerializeContext context{project.projectPath, {}};
    for (int shape = 0; shape < ScreenShapeCount; ++shape)
        SerializeLayoutList(file, project.layoutList(shape), skinShapeSectionName(shape), context);
    while (file.Level() > 0)
        file.EndSection();
}

void writeSkinFile(SkinProject &project, const QString &skinPath)
{
    // A project saved under a ".vsk" name would otherwise be replaced by its own skin, and a
    // picture named like the skin by a skin that no longer has it.
    if (isSameFile(skinPath, project.projectPath))
        throw FileError(FileError::Action::Write, skinPath, Text::tr("This is the project file itself."));
    for (int shape = 0; shape < ScreenShapeCount; ++shape) {
        for (const auto &layout : project.layoutList(shape)) {
            if (isSameFile(skinPath, layoutPicturePath(*layout))) {
                throw FileError(FileError::Action::Write, skinPath,
                                Text::tr("This is the picture file of the layout \"%1\".")
                                    .arg(layoutLabel(screenShapeName(shape), layout->name)));
            }
        }
    }
    CEBFFile file(skinFileClassName());
    file.OpenForWrite(skinPath);
    writeSkin(file, project);
    file.Close();
}

QString readSkin(CEBFFile &file, CompiledSkin &skin)
{
    skin = CompiledSkin();
    exchangeSettings(file, skin.textColor, skin.highlightColor, skin.helpFileName);
    for (int shape = 0; shape < ScreenShapeCount; ++shape) {
        const QString shapeName = screenShapeName(shape);
        if (!file.BeginSection(skinShapeSectionName(shape)))
            return QStringLiteral("The skin has no layouts for the shape \"%1\".").arg(shapeName);
        const int count = file.EntryCount();
        if (count < 1 || count > LayoutList::capacity) {
            return QStringLiteral("The skin claims %1 layouts for the shape \"%2\"; a shape has 1 to %3.")
                .arg(count).arg(shapeName).arg(LayoutList::capacity);
        }
        QList<CompiledLayout> &layouts = skin.shapes[shape];
        layouts.resize(count);
        for (int i = 0; i < count; ++i) {
            const QString problem = readLayoutSkinForm(file, layouts[i], i, shapeName);
            if (!problem.isEmpty())
                return problem;
        }
        file.EndSection();
    }
    return {};
}

QString readSkinFile(const QString &path, CompiledSkin &skin)
{
    const QFileInfo info(path);
    if (!info.isFile() || !info.isReadable())
        return QStringLiteral("The file \"%1\" cannot be read.").arg(path);
    if (info.size() > MaxSkinFileSize)
        return QStringLiteral("\"%1\" is larger than any skin file (%2 bytes).").arg(path).arg(info.size());
    CEBFFile file(skinFileClassName());
    const bool opened = file.OpenForRead(path, MaxSkinFileSize);
    const QString damage = file.damage();
    if (!damage.isEmpty())
        return QStringLiteral("The skin file \"%1\" is damaged: %2.").arg(path, damage);
    if (!opened)
        return QStringLiteral("\"%1\" is not a skin file.").arg(path);
    const QString problem = readSkin(file, skin);
    return problem.isEmpty() ? problem : QStringLiteral("%1: %2").arg(path, problem);
}

} // namespace velkari
