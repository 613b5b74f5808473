#pragma once

#include "screenshape.h"
#include "skinlayout.h"

#include <array>

namespace velkari {

using LayoutList = SkinList<SkinLayout, 20>;

// The whole skin being edited: four layout lists, the project settings and the small document
// state that the file commands and the dialogs share.
struct SkinProject
{
    static constexpr quint32 DefaultTextColor = 0x00FFFFFF;
    static constexpr quint32 DefaultHighlightColor = 0x000000FF;
    static QString defaultHelpFileName() { return QStringLiteral("Velkari.htm"); }

    SkinProject();
    SkinProject(const SkinProject &) = delete;
    SkinProject &operator=(const SkinProject &) = delete;
    ~SkinProject();

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

    // New: the settings and document state of a fresh project, then four empty lists.
    void resetToDefaults();

    // Copy Layout and Copy this button keep references to live records; destroying a record
    // clears any reference to it in every project.
    static void forgetLayout(const SkinLayout *layout);
    static void forgetButton(const SkinButton *button);

    std::array<LayoutList, ScreenShapeCount> layouts;
    quint32 textColor = DefaultTextColor;
    quint32 highlightColor = DefaultHighlightColor;
    QString helpFileName = defaultHelpFileName();
    QString projectPath;
    bool modified = false;
    SkinLayout *copiedLayout = nullptr;
    SkinButton *copiedButton = nullptr;

private:
    SkinProject *m_nextLive = nullptr;
};

// Every shape gets a layout, every layout rows, every row exactly one trailing placeholder.
void NormalizeProject(SkinProject &project);
// Every row of the layout ends in exactly one placeholder; no rows are added.
void FixRowPlaceholders(SkinLayout &layout);
// Removes the layout at `position` and keeps the links of the others pointing where they did:
// Change Layout targets and drag-up layouts of later layouts move down with them, those of the
// removed one become "not set". Numbers that named no layout before stay as they are. False when
// there is no such layout.
bool RemoveLayout(LayoutList &layouts, int position);

} // namespace velkari
