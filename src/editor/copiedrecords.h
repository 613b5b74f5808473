#pragma once

#include <QList>
#include <QtGlobal>

#include <initializer_list>

namespace velkari {

struct SkinButton;
struct SkinLayout;
struct SkinProject;

// A place in the project: a layout (row and button -1) or a button of a layout.
struct RecordPath
{
    int shape = -1;
    int layout = -1;
    int row = -1;
    int button = -1;

    bool isValid() const { return shape >= 0 && layout >= 0; }
    bool isButton() const { return row >= 0 && button >= 0; }
    RecordPath layoutPath() const { return {shape, layout}; }
    bool operator==(const RecordPath &) const = default;
};

// One record inserted (delta +1) or removed (delta -1) at `at`; the records behind it move.
struct ItemMove
{
    RecordPath at;
    int delta = 0;

    ItemMove reversed() const { return {at, -delta}; }
    // Where a record that stood at `path` stands after the move; invalid when it was the one
    // removed.
    RecordPath follow(RecordPath path) const;
};

// The moves one step makes, one after the other: a key moved is removed, then inserted.
struct ItemMoves
{
    ItemMoves() = default;
    ItemMoves(const ItemMove &move) // NOLINT: one move is the usual step
        : moves{move}
    {
    }
    ItemMoves(std::initializer_list<ItemMove> list)
        : moves(list)
    {
    }

    QList<ItemMove> moves;

    ItemMoves reversed() const;
    RecordPath follow(RecordPath path) const;
};

SkinLayout *layoutAt(SkinProject &project, const RecordPath &path);
SkinButton *buttonAt(SkinProject &project, const RecordPath &path);

// What Copy Layout and Copy this button point at: the live records, so that a paste copies them as
// they are then. A record that is destroyed is no longer pointed at, and one built later in its
// place is not taken for it; only undo and redo, which rebuild records where they stood, carry a
// reference over to the record that takes the place of its own.
class CopiedRecords
{
public:
    // Nothing, also when the record is gone.
    SkinLayout *layout(SkinProject &project) const;
    SkinButton *button(SkinProject &project) const;
    void setLayout(const SkinProject &project, const SkinLayout *layout);
    void setButton(const SkinProject &project, const SkinButton *button);
    void clear();

    // The places of the copied records, taken before undo or redo rebuild records...
    struct Places
    {
        RecordPath layout;
        RecordPath button;
    };
    Places locate(SkinProject &project) const;
    // ...and after: the references go to what stands in those places once `move` is done.
    void attach(SkinProject &project, const Places &places, const ItemMoves &moves);

private:
    struct Reference
    {
        quint64 identity = 0; // 0: nothing copied
        RecordPath path;      // where it stood last; looked at first
    };

    Reference m_layout;
    Reference m_button;
};

} // namespace velkari
