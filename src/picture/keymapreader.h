#pragma once

#include <QImage>
#include <QList>

namespace velkari {

// Where the keys of a keyboard picture lie, in pixels from its top-left corner. Rows tile the
// picture from top to bottom and the keys of a row tile it from left to right, each boundary in
// the middle of the gap or border line between two keys.
struct PictureKeyMap
{
    struct Key
    {
        int x = 0;
        int width = 0;

        bool operator==(const Key &) const = default;
    };

    struct Row
    {
        int y = 0;
        int height = 0;
        QList<Key> keys;

        bool operator==(const Row &) const = default;
    };

    int width = 0;
    int height = 0;
    QList<Row> rows; // empty when the picture shows no recognisable keys

    bool isEmpty() const { return rows.isEmpty(); }
    bool operator==(const PictureKeyMap &) const = default;
};

// Finds the rows and keys of a keyboard picture: key faces on a background that shows between
// them, or faces separated by border lines. Smoothed edges, rounded corners, shaded faces,
// captions and a textured background are allowed for.
PictureKeyMap readPictureKeyMap(const QImage &picture);

} // namespace velkari
