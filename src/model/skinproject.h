#pragma once

#include "screenshape.h"
#include "skinlayout.h"

#include <array>

namespace velkari {

using LayoutList = SkinList<SkinLayout, 20>;

// The whole skin being edited: four layout lists, the project settings and the file it belongs to.
// What the editor keeps besides (unsaved changes, the copied key and layout) is its document's.
struct SkinProject
{
    static constexpr quint32 DefaultTextColor = 0x00FFFFFF;
    static constexpr quint32 DefaultHighlightColor = 0x000000FF;
    static QString defaultHelpFileName() { return QStringLiteral("Velkari.htm"); }

    SkinProject() = default;
    SkinProject(const SkinProject &) = delete;
    SkinProject &operator=(const SkinProject &) = delete;

    LayoutList &layoutList(int shape) { return layouts[shape]; }
    const LayoutList &layoutList(int shape) const { return layouts[shape]; }
    // Of all four shapes together.
    int layoutCount() const
    {
        int count = 0;
        for (const LayoutList &list : layouts)
            count += list.count();
        return count;
    }

    // New: the settings of a fresh project without a file, then four empty lists.
    void resetToDefaults();

    std::array<LayoutList, ScreenShapeCount> layouts;
    quint32 textColor = DefaultTextColor;
    quint32 highlightColor = DefaultHighlightColor;
    QString helpFileName = defaultHelpFileName();
    QString projectPath;
};

// Every shape gets a layout, every layout rows, every row exactly one trailing placeholder.
void NormalizeProject(SkinProject &project);
// Every row of the layout ends in exactly one placeholder; no rows are added.
void FixRowPlaceholders(SkinLayout &layout);
// Removes the layout at `position` and keeps the links of the others pointing where they did:
// Change Layout targets and drag-up layouts of later layouts move down with them, those of the
// removed one become "not set". Numbers that named no layout before stay as they are. False when
// there is no such layout.
bool removeLayoutKeepingLinks(LayoutList &layouts, int position);

} // namespace velkari
