#pragma once

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace velkari {

// A key as the keyboard-layout-editor.com format places it, in key units.
struct KleKey
{
    QStringList legends; // the twelve positions in the order the site shows them (legendmapping.h)
    double x = 0;        // left edge, from the left of the keyboard
    double width = 1;
    double height = 1;
    // A second rectangle that the key's shape adds to the first (ISO Enter): relative to the
    // first; none when its width is 0.
    double x2 = 0;
    double y2 = 0;
    double width2 = 0;
    double height2 = 0;
    double rotation = 0; // degrees
    double shift = 0;    // how far it was moved down from its row (up when below 0)
    bool decal = false;
    int index = 0; // its position among the keys of its row in the file
};

struct KleRow
{
    int index = 0; // its position among the rows of the file
    QList<KleKey> keys;
};

struct KleKeyboard
{
    QString name; // from the layout's metadata
    QList<KleRow> rows;
};

// The most rows and keys in a row that are read at all; far more than a layout can hold.
constexpr int KleMaxRows = 256;
constexpr int KleMaxKeysInRow = 256;

// Reads what the site gives: the downloaded JSON, the same with bare property names, or the text
// of its "Raw data" box (the rows without the enclosing brackets). Nothing, with `error` naming
// the row and key where reading stopped, when the text is not such a layout or holds no keys.
std::optional<KleKeyboard> readKleKeyboard(QByteArrayView text, QString *error);
// The same from a file: only a regular file is read, and never more of it than a layout can be.
std::optional<KleKeyboard> readKleKeyboardFile(const QString &path, QString *error);

} // namespace velkari
