#pragma once

#include "skinproject.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace velkari::test {

std::unique_ptr<SkinButton> makeButton(const QString &caption, quint16 width, quint16 flags = 0x0001,
                                       quint16 charCode = 0, quint8 vk = 0);
// A row of keys of the given widths, ending in its placeholder.
std::unique_ptr<SkinRow> makeRow(quint16 height, const QList<quint16> &widths);
// What a key sends, for layouts built key by key.
struct KeyCodes
{
    quint16 flags;
    quint16 charCode;
    quint8 vk;
};
// A layout of uncaptioned keys, all `keyWidth` wide in rows `rowHeight` high, each row ending in
// its placeholder.
std::unique_ptr<SkinLayout> makeKeyLayout(const QList<QList<KeyCodes>> &rows, quint16 keyWidth, quint16 rowHeight);
// A layout that passes every rule: rows of keys summing to `width`, a picture that exists.
std::unique_ptr<SkinLayout> makeValidLayout(const QString &name, const QString &picture, int rows = 2,
                                            quint16 width = 240);
// A project whose every shape holds one valid layout using `picture`.
void makeValidProject(SkinProject &project, const QString &picture);

// Layouts of the given names, without rows.
void fillLayouts(LayoutList &list, const QStringList &names);
// Rows holding the given numbers of buttons, captioned "r<row>c<column>", sending 'a', 10 + column
// pixels wide; the last button of a row is its placeholder, as in a normalised project.
void fillRows(SkinLayout &layout, const QList<int> &buttonsPerRow);
// The lines, each ended by a line feed, as descriptions are written.
QString lines(const QStringList &textLines);

// The project file's bytes, written in memory as saving would write them.
QByteArray projectBytes(SkinProject &project);
QByteArray readFile(const QString &path);
void writeFile(const QString &path, const QByteArray &bytes);

} // namespace velkari::test
