#pragma once

#include "compiledskin.h"
#include "skinproject.h"

#include <QByteArrayView>
#include <QString>

#include <functional>

namespace velkari {

class CEBFFile;

inline QString skinFileClassName() { return QStringLiteral("VELKARI_SKIN"); }

// A picture larger than this is refused at skin creation: a keyboard picture for a hand-held
// screen is a few hundred kilobytes at most.
constexpr qint64 MaxPictureFileSize = 4 * 1024 * 1024;

// The sum of the widths of a row's keys, its trailing placeholder left out; 16-bit, wrapping.
quint16 RowKeyWidth(const SkinRow &row);
// The key width every row of the layout needs to pass the width rules: the allowed layout width
// nearest to row 0's own (row 0's when it is allowed), so that a later row is not blamed for a
// wrong row 0. 0 for a layout without rows.
quint16 expectedRowKeyWidth(const SkinLayout &layout);
// The same for a layout of `shape`, where a row 0 whose keys add up to nothing yet needs the
// shape's screen width rather than the narrowest allowed.
quint16 expectedRowKeyWidth(const SkinLayout &layout, int shape);

// The device's rules for a layout, in the order in which they are tried.
enum class LayoutRule { NoPicture, PictureUnreadable, NoRows, RowHeight, RowEmpty, KeyWidth, LayoutWidth, RowWidth };

struct RuleFailure
{
    LayoutRule rule;
    int row = -1; // -1 when the rule is about the whole layout
    int key = -1; // -1 when the rule is about more than one key
    QString message;
};

// Every rule the layout breaks, in the order above, row by row; stops as soon as `report` returns
// false. The picture is looked for where layoutPicturePath() says. A row that fails only because
// row 0 is too wide or too narrow itself is not reported: with no valid width to compare with,
// such a report would point at rows that are right.
void visitRuleFailures(const SkinLayout &layout, const QString &shapeName,
                       const std::function<bool(const RuleFailure &)> &report);

// The first rule a layout breaks, as the message shown to the user; empty when it breaks none.
QString ValidateButton(const SkinButton &button, const QString &shapeName, const QString &layoutName, int row);
QString ValidateRow(const SkinRow &row, const QString &shapeName, const QString &layoutName);
QString ValidateLayout(const SkinLayout &layout, const QString &shapeName);

// Every layout of every shape in order: the first message, or all of them (one per layout).
QString firstValidationFailure(const SkinProject &project);
QStringList allValidationFailures(const SkinProject &project);

// Beside the project: the file name's extension replaced by ".vsk", or ".vsk" appended when the
// file name has none (a dot in a folder name does not count).
QString skinFilePath(const QString &projectPath);

// The skin form of one layout: its picture file's bytes and its packed key data. Raises
// FileError when the picture cannot be read.
void WriteLayoutSkinForm(CEBFFile &file, SkinLayout &layout, QByteArrayView entryName);
// The whole skin into an open container (which must be writing).
void writeSkin(CEBFFile &file, SkinProject &project);
// Compiles the project into a skin file; raises FileError, leaving any previous skin untouched,
// and refuses a skin path that names the project file itself or one of its pictures.
void writeSkinFile(SkinProject &project, const QString &skinPath);

// A skin is read whole into memory; none can be larger than 80 pictures at the largest size skin
// creation takes and their key data.
constexpr qint64 MaxSkinFileSize = qint64(ScreenShapeCount) * LayoutList::capacity * (MaxPictureFileSize + 64 * 1024);

// The sections of the four shapes in a skin, in file order: "P", "L", "PH", "LH".
QByteArrayView skinShapeSectionName(int shape);

// Reads a whole skin from an open container (which must be reading): the settings and, per shape
// and layout, the picture's bytes and the key data. An empty text when everything was read, or
// the first problem, naming the shape and layout where it lies.
QString readSkin(CEBFFile &file, CompiledSkin &skin);
// The same from a file, each problem naming the file as `path` gives it; also says when the file
// cannot be read, is not a skin file or is damaged.
QString readSkinFile(const QString &path, CompiledSkin &skin);

} // namespace velkari
