#include "copiedrecords.h"

#include "skinproject.h"

namespace velkari {

namespace {

template <typename Project, typename Visit>
void forEachButton(Project &project, Visit visit)
{
    for (int shape = 0; shape < ScreenShapeCount; ++shape) {
        for (const auto &layout : project.layoutList(shape)) {
            for (const auto &row : layout->rows) {
                for (const auto &button : row->buttons)
                    visit(RecordPath{shape, layout->index, row->index, button->index}, *button);
            }
        }
    }
}

} // namespace

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

ItemMoves ItemMoves::reversed() const
{
    ItemMoves back;
    for (auto move = moves.crbegin(); move != moves.crend(); ++move)
        back.moves.append(move->reversed());
    return back;
}

RecordPath ItemMoves::follow(RecordPath path) const
{
    for (qsizetype i = 0; i < moves.size(); ++i) {
        const RecordPath followed = moves[i].follow(path);
        // Removed and inserted again at once: the record moved, it was not destroyed.
        const bool moved = !followed.isValid() && path.isValid() && i + 1 < moves.size() && moves[i + 1].delta > 0;
        path = moved ? moves[++i].at : followed;
    }
    return path;
}

SkinLayout *layoutAt(SkinProject &project, const RecordPath &path)
{
    return path.isValid() && path.shape < ScreenShapeCount ? project.layoutList(path.shape).at(path.layout) : nullptr;
}

SkinButton *buttonAt(SkinProject &project, const RecordPath &path)
{
    const SkinLayout *layout = path.isButton() ? layoutAt(project, path) : nullptr;
    const SkinRow *row = layout ? layout->rows.at(path.row) : nullptr;
    return row ? row->buttons.at(path.button) : nullptr;
}

SkinLayout *CopiedRecords::layout(SkinProject &project) const
{
    if (!m_layout.identity)
        return nullptr;
    if (SkinLayout *there = layoutAt(project, m_layout.path); there && there->identity == m_layout.identity)
        return there;
    for (int shape = 0; shape < ScreenShapeCount; ++shape) {
        for (const auto &layout : project.layoutList(shape)) {
            if (layout->identity == m_layout.identity)
                return layout.get();
        }
    }
    return nullptr;
}

SkinButton *CopiedRecords::button(SkinProject &project) const
{
    if (!m_button.identity)
        return nullptr;
    if (SkinButton *there = buttonAt(project, m_button.path); there && there->identity == m_button.identity)
        return there;
    SkinButton *found = nullptr;
    forEachButton(project, [&](const RecordPath &, SkinButton &button) {
        if (button.identity == m_button.identity)
            found = &button;
    });
    return found;
}

void CopiedRecords::setLayout(const SkinProject &project, const SkinLayout *layout)
{
    m_layout = {};
    if (!layout)
        return;
    m_layout.identity = layout->identity;
    for (int shape = 0; shape < ScreenShapeCount; ++shape) {
        if (project.layoutList(shape).at(layout->index) == layout)
            m_layout.path = {shape, layout->index};
    }
}

void CopiedRecords::setButton(const SkinProject &project, const SkinButton *button)
{
    m_button = {};
    if (!button)
        return;
    m_button.identity = button->identity;
    forEachButton(project, [&](const RecordPath &path, const SkinButton &candidate) {
        if (&candidate == button)
            m_button.path = path;
    });
}

void CopiedRecords::clear()
{
    m_layout = {};
    m_button = {};
}

CopiedRecords::Places CopiedRecords::locate(SkinProject &project) const
{
    Places places;
    if (const SkinLayout *copied = layout(project)) {
        for (int shape = 0; shape < ScreenShapeCount; ++shape) {
            if (project.layoutList(shape).at(copied->index) == copied)
                places.layout = {shape, copied->index};
        }
    }
    if (const SkinButton *copied = button(project)) {
        forEachButton(project, [&](const RecordPath &path, const SkinButton &candidate) {
            if (&candidate == copied)
                places.button = path;
        });
    }
    return places;
}

void CopiedRecords::attach(SkinProject &project, const Places &places, const ItemMoves &moves)
{
    // A reference that pointed at nothing before stays empty: undoing a removal does not bring
    // back what the removal cleared.
    if (places.layout.isValid())
        setLayout(project, layoutAt(project, moves.follow(places.layout)));
    if (places.button.isValid())
        setButton(project, buttonAt(project, moves.follow(places.button)));
}

} // namespace velkari
