#pragma once

#include <QString>
#include <QStringList>

namespace velkari {

struct SkinButton;

// What a key brought in from a shared layout does, worked out from its legends.
struct LegendMapping
{
    bool mapped = false; // false: the key becomes a blank key that keeps its caption
    bool named = false;  // mapped by a key name (Enter, F5) rather than as a character
    quint16 flags = 0;
    quint16 charCode = 0;
    quint8 vk = 0;
    QString meaning; // mapped: the key's name or the character; otherwise why nothing was mapped
};

// A key's twelve legend positions in the order the site shows them: the top row of its face from
// left to right, the middle row, the bottom row, then the three on its front.
constexpr int LegendPositions = 12;
// The bottom row of the face is this many positions after the top row.
constexpr int LegendRowStep = 6;

// The legend the site shows first: the key's caption.
QString captionOfLegends(const QStringList &legends);

// In order: a column holding a shifted character over an unshifted one types the unshifted one
// (a single character over an arrow is not such a pair);
// the legends read together as a key name ("Caps" over "Lock"); the first legend that is a key
// name or a single character (a letter types its lower case); a key without legends that
// `spaceBar` allows is Space; anything else is not mapped.
LegendMapping mapLegends(const QStringList &legends, bool spaceBar);

// Legends are HTML on the site: tags are dropped (a line break becomes a space) and character
// references decoded. legendMarkup() writes a plain text so that it reads back unchanged.
QString plainLegend(const QString &markup);
QString legendMarkup(const QString &plain);

// The legend text ("\n" between positions) that a key is written with so that mapLegends() gives
// back its function: its caption, and where the caption alone would not say it, under it the
// name of its key or its character. Just the caption when no legend can say it without taking
// the caption's place.
QString legendTextForKey(const SkinButton &button, bool spaceBar);

} // namespace velkari
