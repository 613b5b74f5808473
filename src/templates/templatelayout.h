#pragma once

#include "buttonfunctions.h"
#include "skinlayout.h"

#include <QString>

#include <initializer_list>
#include <memory>
#include <string_view>
#include <vector>

namespace velkari {

// A key of a template. Its width is a share of its row: `weight` against the sum of the row's
// weights, so one definition fits every screen width.
struct TemplateKey
{
    QString caption;
    int weight = 2;
    quint16 flags = ButtonFlagCharacter;
    quint16 charCode = 0;
    quint8 vk = 0;
};

using TemplateRow = std::vector<TemplateKey>;

struct TemplateLayout
{
    QString name;
    quint16 flags = 0;
    qint8 dragUpLayout = -1;
    std::vector<TemplateRow> rows;
};

TemplateKey characterKey(char16_t c, int weight = 2);
TemplateRow characterKeys(std::u16string_view text);
TemplateRow joinKeys(std::initializer_list<TemplateRow> parts);

// The device finds Enter, Space and Backspace by charCode and vk both being 13, 32 or 8.
TemplateKey enterKey(int weight);
TemplateKey spaceKey(int weight);
TemplateKey backspaceKey(int weight);
// Toggle button 1, released by the next key: one capital letter, as on a phone.
TemplateKey shiftKey(int weight);
TemplateKey layoutKey(const QString &caption, int layout, int weight);
TemplateKey calculatorKey(const QString &caption, CalcKey code, int weight = 4);

// Every row exactly `width` pixels wide: each key ends at its share of the width, rounded, so
// the rounding never adds up. Rows end in their placeholder; the layout is confirmed (not new).
std::unique_ptr<SkinLayout> buildTemplateLayout(const TemplateLayout &definition, int width, quint16 rowHeight);

} // namespace velkari
