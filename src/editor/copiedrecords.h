#pragma once

namespace velkari {

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

// Where Copy Layout and Copy this button point, by place: when the records of the project are
// rebuilt (undo, redo), the references are pointed again at whatever stands in those places.
class CopiedRecords
{
public:
    // Records that the project does not hold are left alone by attach().
    static CopiedRecords locate(const SkinProject &project);

    void follow(const ItemMove &move);
    // Points the references at the records in their places, or at nothing where none stands.
    void attach(SkinProject &project) const;

    const RecordPath &layout() const { return m_layout; }
    const RecordPath &button() const { return m_button; }

private:
    RecordPath m_layout;
    RecordPath m_button;
    bool m_layoutHeld = false;
    bool m_buttonHeld = false;
};

} // namespace velkari
