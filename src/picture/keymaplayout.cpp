#include "keymaplayout.h"

#include "skinlayout.h"
#include "skinproject.h"

#include <QCoreApplication>

#include <algorithm>

namespace velkari {

namespace {

// Shown by the editor in its language.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(velkari::KeyMapLayout)
};

// A row's keys and its placeholder fill the row's slots.
constexpr int MaximumKeys = ButtonList::capacity - 1;

// Widths and heights are 16-bit; a picture wider than that is no keyboard picture anyway.
quint16 pixels(int value)
{
    return quint16(std::clamp(value, 0, 0xFFFF));
}

int keyCount(const SkinRow &row)
{
    int count = row.buttons.count();
    while (count > 0 && row.buttons.at(count - 1)->isPlaceholder())
        --count;
    return count;
}

void removeKeysFrom(SkinRow &row, int first, int rowNumber, KeyMapReport &report)
{
    const int count = keyCount(row);
    for (int k = first; k < count; ++k)
        report.removedKeys.append({rowNumber, k, row.buttons.at(k)->caption});
    for (int k = row.buttons.count() - 1; k >= first; --k)
        row.buttons.removeAt(k);
}

} // namespace

KeyMapReport applyKeyMap(SkinLayout &layout, const PictureKeyMap &map)
{
    KeyMapReport report;
    if (map.isEmpty())
        return report;
    const int rowCount = std::min<int>(int(map.rows.size()), RowList::capacity);
    report.droppedRows = int(map.rows.size()) - rowCount;
    for (int r = 0; r < rowCount; ++r) {
        const PictureKeyMap::Row &mapRow = map.rows[r];
        if (!layout.rows.at(r)) {
            layout.rows.append(std::make_unique<SkinRow>());
            ++report.newRows;
        }
        SkinRow &row = *layout.rows.at(r);
        row.height = pixels(mapRow.height);
        ++report.rows;
        const int keys = std::min<int>(int(mapRow.keys.size()), MaximumKeys);
        if (keys < mapRow.keys.size())
            report.droppedKeys.append({r, int(mapRow.keys.size()) - keys});
        const int existing = keyCount(row);
        removeKeysFrom(row, std::min(existing, keys), r, report);
        for (int k = 0; k < keys; ++k) {
            if (k >= existing) {
                auto blank = std::make_unique<SkinButton>();
                blank->flags = ButtonFlagCharacter;
                row.buttons.append(std::move(blank));
                ++report.newKeys;
            }
            row.buttons.at(k)->width = pixels(mapRow.keys[k].width);
            ++report.keys;
        }
    }
    while (layout.rows.count() > rowCount) {
        const int last = layout.rows.count() - 1;
        removeKeysFrom(*layout.rows.at(last), 0, last, report);
        layout.rows.removeAt(last);
        ++report.removedRows;
    }
    std::sort(report.removedKeys.begin(), report.removedKeys.end(), [](const auto &a, const auto &b) {
        return std::pair(a.row, a.position) < std::pair(b.row, b.position);
    });
    FixRowPlaceholders(layout);
    return report;
}

QStringList KeyMapReport::lines() const
{
    QStringList lines{Text::tr("Set from the picture: %1 row heights, %2 key widths.").arg(rows).arg(keys)};
    if (newRows > 0)
        lines << Text::tr("Rows added: %1.").arg(newRows);
    if (newKeys > 0)
        lines << Text::tr("Blank keys added: %1.").arg(newKeys);
    if (removedRows > 0)
        lines << Text::tr("Rows removed: %1.").arg(removedRows);
    for (const RemovedKey &key : removedKeys)
        lines << Text::tr("Removed: row %1, key %2 \"%3\".").arg(key.row).arg(key.position).arg(key.caption);
    if (droppedRows > 0)
        lines << Text::tr("Left out: the picture's rows after the 6th (%1).").arg(droppedRows);
    for (const DroppedKeys &dropped : droppedKeys)
        lines << Text::tr("Left out: the picture's keys after the 29th in row %1 (%2).")
                     .arg(dropped.row)
                     .arg(dropped.count);
    return lines;
}

} // namespace velkari
