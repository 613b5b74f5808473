#include "copiedrecords.h"

#include "skinproject.h"

namespace velkari {

RecordPath ItemMove::follow(RecordPath path) const
{
    if (delta == 0 || !path.isValid() || path.shape != at.shape)
        return path;
    // A layout that moves takes its buttons along; a button moves only its own row.
    const bool buttonMove = at.isButton();
    if (buttonMove && !(path.isButton() && path.layout == at.layout && path.row == at.row))
        return path;
    int &place = buttonMove ? path.button : path.layout;
    const int moved = buttonMove ? at.button : at.layout;
    if (delta < 0 && place == moved)
        return {};
    if (place > moved || (delta > 0 && place == moved))
        place += delta;
    return path;
}

CopiedRecords CopiedRecords::locate(const SkinProject &project)
{
    CopiedRecords found;
    found.m_layoutHeld = project.copiedLayout;
    found.m_buttonHeld = project.copiedButton;
    for (int shape = 0; shape < ScreenShapeCount; ++shape) {
        for (const auto &layout : project.layoutList(shape)) {
            if (layout.get() == project.copiedLayout)
                found.m_layout = {shape, layout->index};
            if (!project.copiedButton)
                continue;
            for (const auto &row : layout->rows) {
                for (const auto &button : row->buttons) {
                    if (button.get() == project.copiedButton)
                        found.m_button = {shape, layout->index, row->index, button->index};
                }
            }
        }
    }
    // A reference into records the project does not hold (a layout still being added) is not
    // touched.
    found.m_layoutHeld = found.m_layoutHeld && found.m_layout.isValid();
    found.m_buttonHeld = found.m_buttonHeld && found.m_button.isValid();
    return found;
}

void CopiedRecords::follow(const ItemMove &move)
{
    m_layout = move.follow(m_layout);
    m_button = move.follow(m_button);
}

void CopiedRecords::attach(SkinProject &project) const
{
    const auto layoutAt = [&project](const RecordPath &path) -> SkinLayout * {
        return path.isValid() && path.shape < ScreenShapeCount ? project.layoutList(path.shape).at(path.layout)
                                                               : nullptr;
    };
    if (m_layoutHeld)
        project.copiedLayout = layoutAt(m_layout);
    if (m_buttonHeld) {
        const SkinLayout *layout = layoutAt(m_button);
        const SkinRow *row = layout ? layout->rows.at(m_button.row) : nullptr;
        project.copiedButton = row ? row->buttons.at(m_button.button) : nullptr;
    }
}

} // namespace velkari
