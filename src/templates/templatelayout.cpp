#include "templatelayout.h"

#include "keynames.h"
#include "skinproject.h"

#include <numeric>

namespace velkari {

namespace {

constexpr quint8 VkShift = 0x10;

} // namespace

TemplateKey characterKey(char16_t c, int weight)
{
    return {QString(QChar(c)), weight, ButtonFlagCharacter, c, vkForCharacter(c)};
}

TemplateRow characterKeys(std::u16string_view text)
{
    TemplateRow row;
    for (char16_t c : text)
        row.push_back(characterKey(c));
    return row;
}

TemplateRow joinKeys(std::initializer_list<TemplateRow> parts)
{
    TemplateRow row;
    for (const TemplateRow &part : parts)
        row.insert(row.end(), part.begin(), part.end());
    return row;
}

TemplateKey enterKey(int weight)
{
    return {QStringLiteral(u"\u21B5"), weight, ButtonFlagCharacter, 13, 13};
}

TemplateKey spaceKey(int weight)
{
    return {QStringLiteral("space"), weight, ButtonFlagCharacter, 32, 32};
}

TemplateKey backspaceKey(int weight)
{
    return {QStringLiteral(u"\u232B"), weight, ButtonFlagCharacter, 8, 8};
}

TemplateKey shiftKey(int weight)
{
    return {QStringLiteral(u"\u21E7"), weight, quint16(ButtonFlagCharacter | ButtonFlagAutoToggle | (1 << 12)), 0,
            VkShift};
}

TemplateKey layoutKey(const QString &caption, int layout, int weight)
{
    return {caption, weight, ButtonFlagChangeLayout, quint16(layout), 0};
}

TemplateKey calculatorKey(const QString &caption, CalcKey code, int weight)
{
    return {caption, weight, ButtonFlagCalculator, quint16(code), 0};
}

std::unique_ptr<SkinLayout> buildTemplateLayout(const TemplateLayout &definition, int width, quint16 rowHeight)
{
    auto layout = std::make_unique<SkinLayout>();
    layout->name = definition.name;
    layout->flags = definition.flags;
    layout->dragUpLayout = definition.dragUpLayout;
    for (const TemplateRow &keys : definition.rows) {
        auto row = std::make_unique<SkinRow>();
        row->height = rowHeight;
        const int total = std::accumulate(keys.begin(), keys.end(), 0,
                                          [](int sum, const TemplateKey &key) { return sum + key.weight; });
        int reached = 0;
        int left = 0;
        for (const TemplateKey &key : keys) {
            reached += key.weight;
            const int right = (reached * width + total / 2) / total;
            auto button = std::make_unique<SkinButton>();
            button->caption = key.caption;
            button->flags = key.flags;
            button->charCode = key.charCode;
            button->vk = key.vk;
            button->width = quint16(right - left);
            row->buttons.append(std::move(button));
            left = right;
        }
        layout->rows.append(std::move(row));
    }
    FixRowPlaceholders(*layout);
    return layout;
}

} // namespace velkari
