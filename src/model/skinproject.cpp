#include "skinproject.h"

#include "buttonfunctions.h"

namespace velkari {

namespace {

void fixPlaceholders(SkinRow &row)
{
    ButtonList &buttons = row.buttons;
    while (!buttons.isEmpty() && buttons.last()->isPlaceholder())
        buttons.removeAt(buttons.count() - 1);
    // A full row has no place left for its placeholder; the reader keeps rows short enough, so
    // this only guards the invariant against rows built elsewhere.
    if (buttons.isFull())
        buttons.removeAt(buttons.count() - 1);
    buttons.append(std::make_unique<SkinButton>());
}

} // namespace

void SkinProject::resetToDefaults()
{
    textColor = DefaultTextColor;
    highlightColor = DefaultHighlightColor;
    helpFileName = defaultHelpFileName();
    projectPath.clear();
    for (LayoutList &list : layouts)
        list.clear();
}

void NormalizeProject(SkinProject &project)
{
    for (LayoutList &list : project.layouts) {
        if (list.isEmpty()) {
            auto layout = std::make_unique<SkinLayout>();
            layout->name = QStringLiteral("Layout00");
            list.append(std::move(layout));
        }
        for (const auto &layout : list) {
            if (layout->rows.isEmpty()) {
                for (int i = 0; i < 5; ++i)
                    layout->rows.append(std::make_unique<SkinRow>());
            }
            FixRowPlaceholders(*layout);
        }
    }
}

void FixRowPlaceholders(SkinLayout &layout)
{
    for (const auto &row : layout.rows)
        fixPlaceholders(*row);
}

bool removeLayoutKeepingLinks(LayoutList &layouts, int position)
{
    const int count = layouts.count();
    if (!layouts.removeAt(position))
        return false;
    // The new number of a layout that was at `target`, for targets that named a layout.
    const auto follow = [&](int target, int notSet) {
        if (target == position)
            return notSet;
        return target > position && target < count ? target - 1 : target;
    };
    for (const auto &layout : layouts) {
        if (layout->dragUpLayout >= 0)
            layout->dragUpLayout = qint8(follow(layout->dragUpLayout, -1));
        for (const auto &row : layout->rows) {
            for (const auto &button : row->buttons) {
                if (buttonKind(button->flags) == KindChangeLayout && button->charCode != LayoutNotSet)
                    button->charCode = quint16(follow(button->charCode, LayoutNotSet));
            }
        }
    }
    return true;
}

} // namespace velkari
