#include "compiledskin.h"

namespace velkari {

SkinLayoutData makeSkinLayoutData(const SkinLayout &layout)
{
    SkinLayoutData data;
    data.flags = layout.flags;
    data.dragUpLayout = quint8(layout.dragUpLayout);
    for (const auto &row : layout.rows) {
        for (const auto &button : row->buttons) {
            const SkinLayoutData::KeyPosition here{row->index, button->index};
            if (button->charCode == 13 && button->vk == 13)
                data.enter = here;
            else if (button->charCode == 32 && button->vk == 32)
                data.space = here;
            else if (button->charCode == 8 && button->vk == 8)
                data.backspace = here;
        }
    }

    qint32 x = 0;
    qint32 y = 0;
    data.rows.reserve(layout.rows.count());
    for (const auto &row : layout.rows) {
        QList<SkinKeyRecord> keys;
        keys.reserve(qMax(0, row->buttons.count() - 1));
        x = 0;
        for (int i = 0; i + 1 < row->buttons.count(); ++i) {
            const SkinButton &button = *row->buttons.at(i);
            keys.append({button.flags, button.charCode, button.vk, x, y, x + button.width, y + row->height});
            x += button.width;
        }
        data.rows.append(keys);
        y += row->height;
    }
    data.width = x;
    data.height = y;
    return data;
}

QSize SkinKeyRects::extent() const
{
    int widest = 0;
    for (const auto &row : rows) {
        if (!row.isEmpty())
            widest = qMax(widest, row.last().x() + row.last().width());
    }
    return QSize(widest, height);
}

SkinKeyRects skinLayoutKeyRects(const SkinLayout &layout)
{
    return skinLayoutKeyRects(makeSkinLayoutData(layout));
}

SkinKeyRects skinLayoutKeyRects(const SkinLayoutData &data)
{
    SkinKeyRects rects;
    rects.width = data.width;
    rects.height = data.height;
    rects.rows.reserve(data.rows.size());
    for (const QList<SkinKeyRecord> &row : data.rows) {
        QList<QRect> &keys = rects.rows.emplace_back();
        keys.reserve(row.size());
        for (const SkinKeyRecord &key : row)
            keys.append(QRect(key.left, key.top, key.right - key.left, key.bottom - key.top));
    }
    return rects;
}

CompiledSkin compileSkin(const SkinProject &project, int onlyShape)
{
    CompiledSkin skin;
    skin.textColor = project.textColor;
    skin.highlightColor = project.highlightColor;
    skin.helpFileName = project.helpFileName;
    for (int shape = 0; shape < ScreenShapeCount; ++shape) {
        if (onlyShape >= 0 && shape != onlyShape)
            continue;
        for (const auto &layout : project.layoutList(shape))
            skin.shapes[shape].append({QByteArray(), makeSkinLayoutData(*layout)});
    }
    return skin;
}

SkinButton buttonForKey(const SkinKeyRecord &key)
{
    SkinButton button;
    button.flags = key.flags;
    button.charCode = key.charCode;
    button.vk = key.vk;
    button.width = quint16(key.right - key.left);
    return button;
}

} // namespace velkari
