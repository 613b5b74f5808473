#pragma once

#include "keymapreader.h"

#include <QString>
#include <QStringList>

namespace velkari {

struct SkinLayout;

// What setting a layout's rows and keys from a key map changed.
struct KeyMapReport
{
    struct RemovedKey
    {
        int row = 0;      // counted from 0, as before the change
        int position = 0; // in its row, counted from 0
        QString caption;
    };
    struct DroppedKeys
    {
        int row = 0;
        int count = 0;
    };

    int rows = 0;    // rows whose height was set
    int keys = 0;    // keys whose width was set, the new ones included
    int newRows = 0;
    int newKeys = 0; // blank keys added
    int removedRows = 0;
    QList<RemovedKey> removedKeys;   // surplus keys, those of removed rows included, in order
    int droppedRows = 0;             // rows of the map past the sixth, left out
    QList<DroppedKeys> droppedKeys;  // keys of a map's row past the 29th, left out

    // One line for each kind of change, in the user's language.
    QStringList lines() const;
};

// Sets the layout's row heights and key widths from the map: existing keys keep their captions
// and functions in their order, missing keys and rows are added (blank keys: empty caption,
// Character, character 0, VK 0), surplus keys and rows are removed. At most 6 rows of 29 keys are
// kept; every row ends in one placeholder. An empty map changes nothing.
KeyMapReport applyKeyMap(SkinLayout &layout, const PictureKeyMap &map);

} // namespace velkari
