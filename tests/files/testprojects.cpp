#include "testprojects.h"

#include "cebffile.h"
#include "projectfile.h"

#include <QFile>

namespace velkari::test {

std::unique_ptr<SkinButton> makeButton(const QString &caption, quint16 width, quint16 flags, quint16 charCode,
                                       quint8 vk)
{
    auto button = std::make_unique<SkinButton>();
    button->caption = caption;
    button->width = width;
    button->flags = flags;
    button->charCode = charCode;
    button->vk = vk;
    return button;
}

std::unique_ptr<SkinRow> makeRow(quint16 height, const QList<quint16> &widths)
{
    auto row = std::make_unique<SkinRow>();
    row->height = height;
    for (quint16 width : widths)
        row->buttons.append(makeButton(QStringLiteral("K%1").arg(row->buttons.count()), width));
    row->buttons.append(std::make_unique<SkinButton>());
    return row;
}

std::unique_ptr<SkinLayout> makeKeyLayout(const QList<QList<KeyCodes>> &rows, quint16 keyWidth, quint16 rowHeight)
{
    auto layout = std::make_unique<SkinLayout>();
    for (const QList<KeyCodes> &keys : rows) {
        auto row = std::make_unique<SkinRow>();
        row->height = rowHeight;
        for (const KeyCodes &key : keys)
            row->buttons.append(makeButton(QString(), keyWidth, key.flags, key.charCode, key.vk));
        row->buttons.append(std::make_unique<SkinButton>());
        layout->rows.append(std::move(row));
    }
    return layout;
}

std::unique_ptr<SkinLayout> makeValidLayout(const QString &name, const QString &picture, int rows, quint16 width)
{
    auto layout = std::make_unique<SkinLayout>();
    layout->name = name;
    layout->picFileName = picture;
    layout->flags = 0x0004;
    for (int r = 0; r < rows; ++r)
        layout->rows.append(makeRow(20, {quint16(width / 2), quint16(width - width / 2)}));
    return layout;
}

void makeValidProject(SkinProject &project, const QString &picture)
{
    project.resetToDefaults();
    for (int shape = 0; shape < ScreenShapeCount; ++shape)
        project.layoutList(shape).append(makeValidLayout(QStringLiteral("Layout%1").arg(shape), picture));
}

QByteArray projectBytes(SkinProject &project)
{
    CEBFFile file(projectFileClassName());
    file.OpenForWriteInMemory();
    writeProject(file, project, project.projectPath);
    return file.Bytes();
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

void fillLayouts(LayoutList &list, const QStringList &names)
{
    for (const QString &name : names) {
        auto layout = std::make_unique<SkinLayout>();
        layout->name = name;
        list.append(std::move(layout));
    }
}

QString lines(const QStringList &textLines)
{
    QString text;
    for (const QString &line : textLines)
        text += line + u'\n';
    return text;
}

void fillRows(SkinLayout &layout, const QList<int> &buttonsPerRow)
{
    for (int r = 0; r < buttonsPerRow.size(); ++r) {
        auto row = std::make_unique<SkinRow>();
        for (int c = 0; c < buttonsPerRow[r]; ++c) {
            auto button = std::make_unique<SkinButton>();
            if (c + 1 < buttonsPerRow[r]) {
                button->caption = QStringLiteral("r%1c%2").arg(r).arg(c);
                button->flags = ButtonFlagCharacter;
                button->charCode = u'a';
                button->vk = 0x41;
                button->width = quint16(10 + c);
            }
            row->buttons.append(std::move(button));
        }
        layout.rows.append(std::move(row));
    }
}

} // namespace velkari::test
