#pragma once

#include "klereader.h"
#include "skinproject.h"

#include <memory>

namespace velkari {

// What importing did to the keys, for the user. Rows and keys are the imported layout's,
// counted from 0; what was dropped names the rows and keys of the file.
struct KleImportSummary
{
    struct Entry
    {
        int row = 0;
        int key = 0;
        QString caption;
        QString what; // mapped: the key's name or character; blank: why
    };

    QList<Entry> characters; // keys that type their character
    QList<Entry> named;      // keys mapped by their name (Enter, Shift, F5)
    QList<Entry> blank;
    QStringList dropped;

    // A few lines: the characters, the names (each once, with a count), then one line per blank
    // key and per thing dropped.
    QString text() const;
};

// A layout of the site's format made ready for this keyboard: keys in rows with their widths in
// key units, every row as wide as the widest, gaps and the room under tall keys filled with
// blank keys (no caption, Character, char 0, VK 0), legends mapped to functions. Built once and
// turned into a layout for any shape.
class KleImport
{
public:
    struct Key
    {
        QString caption;
        quint16 flags = 0;
        quint16 charCode = 0;
        quint8 vk = 0;
        double units = 1;
    };

    explicit KleImport(const KleKeyboard &keyboard);

    // Why the layout cannot be imported, one line per key or row that stands in the way; empty
    // when it can.
    const QStringList &refusals() const { return m_refusals; }
    bool ok() const { return m_refusals.isEmpty(); }

    const QString &metadataName() const { return m_metadataName; }
    // What the layout is called unless the user says otherwise: the name in its metadata, else
    // the name of the file it came from without the extension.
    QString defaultName(const QString &filePath) const;
    const QList<QList<Key>> &rows() const { return m_rows; }
    const KleImportSummary &summary() const { return m_summary; }

    // The layout for a shape, named `name`: the widest row as wide as the shape's screen and every
    // row as wide, widths split by largest remainder; rows `keyHeight` pixels high
    // (screenShapeKeyHeight() when 0). Null when refused or the shape is none.
    std::unique_ptr<SkinLayout> layoutFor(int shape, const QString &name, int keyHeight = 0) const;

private:
    void plan(const KleKeyboard &keyboard);

    QStringList m_refusals;
    QString m_metadataName;
    QList<QList<Key>> m_rows;
    KleImportSummary m_summary;
};

// A shape whose only layout is the "Layout00" a new project starts with, still without a
// picture or any key: an imported layout takes its place.
bool holdsOnlyFreshLayout(const LayoutList &layouts);
// Why the shape cannot take one more imported layout (it holds 19 already); empty when it can.
QString importRoomProblem(const SkinProject &project, int shape);
// Appends the layout to the shape, or puts it in place of the fresh "Layout00"; returns its
// position, or -1 (the layout dropped) when importRoomProblem() says no.
int addImportedLayout(SkinProject &project, int shape, std::unique_ptr<SkinLayout> layout);

} // namespace velkari
