#pragma once

#include <QString>

namespace velkari {

enum class Severity { Error, Warning };

// Errors are the device's rules: a project with one cannot become a skin. Warnings are faults
// the device accepts but a user would not want. The names (problemCodeName) are stable: scripts
// and the README use them.
enum class ProblemCode {
    NoPicture,
    PictureUnreadable,
    NoRows,
    RowHeight,
    RowEmpty,
    KeyWidth,
    LayoutWidth,
    RowWidth,
    PictureFormat,
    PictureSize,
    LayoutTarget,
    LayoutTargetUnset,
    DragUpTarget,
    UnreachableLayout,
    DeadEndLayout,
    DuplicateSpecialKey,
    SurrogateCharacter,
    CodeOutOfRange,
    DuplicateLayoutName,
    ShapeWidth,
    RelativePicturePath,
};
constexpr int ProblemCodeCount = int(ProblemCode::RelativePicturePath) + 1;

// "no-picture", "picture-unreadable", ... "relative-picture-path".
QString problemCodeName(ProblemCode code);
Severity problemSeverity(ProblemCode code);

// One thing wrong with a project, located as precisely as it can be.
struct Problem
{
    ProblemCode code;
    int shape = 0;  // ScreenShape
    int layout = 0; // position in the shape's list
    QString layoutName;
    int row = -1; // -1 when the problem is about the whole layout
    int key = -1; // -1 when it is about a whole row or layout
    QString message;
    // A row that is too wide or too narrow (layout-width: row 0, row-width: a later row): the key
    // width every row needs, and how many pixels its keys lack (below 0: have too many); -1 and 0
    // for every other problem.
    int neededWidth = -1;
    int widthDifference = 0;

    Severity severity() const { return problemSeverity(code); }
    bool isError() const { return severity() == Severity::Error; }
    bool operator==(const Problem &) const = default;
};

// "SHAPE/LAYOUT-NAME", then "/row R" and "/key K" where they apply.
QString problemPlace(const Problem &problem);
// "FILE: error: SHAPE/LAYOUT-NAME/row R/key K: MESSAGE [CODE]", the line of a command-line report;
// control characters in names and messages are escaped ("\n"), so that it stays one line.
QString problemLine(const QString &file, const Problem &problem);

} // namespace velkari
