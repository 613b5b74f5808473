#pragma once

#include <QList>
#include <QString>

namespace velkari {

struct SkinProject;
struct SkinRow;

// What became of one row. A row's keys are its buttons but the last, the placeholder, which is
// never touched.
enum class RowOutcome {
    Changed,
    AlreadyFits,
    NoKeys,        // only the placeholder: nothing to widen
    ZeroWidth,     // its keys add up to 0 pixels, so no proportion can be kept
    TooManyKeys,   // more keys than pixels: some would be 0 pixels wide
};

struct RowNote
{
    int shape = 0;
    int layout = 0;
    QString layoutName;
    int row = 0;
    RowOutcome outcome = RowOutcome::AlreadyFits;
    int widthBefore = 0; // the sum of the keys' widths, not wrapped at 16 bits
    int widthAfter = 0;
};

// The rows a command changed and those it had to leave alone; rows that already added up are in
// neither.
struct FitReport
{
    QList<RowNote> changed;
    QList<RowNote> leftAlone;

    bool isEmpty() const { return changed.isEmpty() && leftAlone.isEmpty(); }
    void add(const RowNote &note);
    void append(const FitReport &other);
};

// The keys' widths scaled in proportion to add up to `width` exactly (largest remainders, no key
// narrower than 1 pixel).
RowOutcome fitRowKeys(SkinRow &row, int width);
// The keys made equally wide at `width`, the pixels left over given one at a time from the left.
RowOutcome equalizeRowKeys(SkinRow &row, int width);
// The sum of the keys' widths, without the 16-bit wrap of the skin's rule.
int rowKeySum(const SkinRow &row);

// Fit to the shape's screen width: one row, a layout, a shape, or every shape. Positions that name
// nothing change nothing.
FitReport fitRow(SkinProject &project, int shape, int layout, int row);
FitReport fitLayout(SkinProject &project, int shape, int layout);
FitReport fitShape(SkinProject &project, int shape);
FitReport fitProject(SkinProject &project);
// Equal widths at the shape's screen width for one row.
FitReport equalRowWidths(SkinProject &project, int shape, int layout, int row);

// "Portrait/Letters/row 1: 236 to 240 pixels", or why the row was left alone; in the editor's
// language where a translator is installed.
QString rowNoteText(const RowNote &note);

} // namespace velkari
