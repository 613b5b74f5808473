#pragma once

#include "skinproject.h"

#include <QByteArray>
#include <QList>
#include <QRect>
#include <QString>

#include <array>

namespace velkari {

// One key as the device sees it: what it does and where it lies, in pixels from the layout's
// top-left corner. The rectangle is half-open: right and bottom are the first pixels outside.
struct SkinKeyRecord
{
    quint16 flags = 0;
    quint16 charCode = 0;
    quint8 vk = 0;
    qint32 left = 0;
    qint32 top = 0;
    qint32 right = 0;
    qint32 bottom = 0;

    static constexpr int Size = 21;

    bool contains(qint64 x, qint64 y) const { return x >= left && x < right && y >= top && y < bottom; }
    bool operator==(const SkinKeyRecord &) const = default;
};

// A layout as the device runs it: the key data a skin file carries for it.
struct SkinLayoutData
{
    struct KeyPosition
    {
        qint32 row = -1;
        qint32 button = -1;

        bool operator==(const KeyPosition &) const = default;
    };

    static constexpr quint8 NoDragUpLayout = 0xFF;

    quint16 flags = 0;
    quint8 dragUpLayout = NoDragUpLayout;
    KeyPosition enter;
    KeyPosition space;
    KeyPosition backspace;
    QList<QList<SkinKeyRecord>> rows;
    qint32 width = 0;
    qint32 height = 0;

    static constexpr int HeaderSize = 31;
    static constexpr int FooterSize = 8;

    const SkinKeyRecord *key(int row, int key) const
    {
        return row >= 0 && row < rows.size() && key >= 0 && key < rows[row].size() ? &rows[row][key] : nullptr;
    }
    bool operator==(const SkinLayoutData &) const = default;
};

// What a skin holds for one layout. The picture is empty when the skin was built from a project
// in memory, whose picture files need not exist.
struct CompiledLayout
{
    QByteArray picture;
    SkinLayoutData data;
};

struct CompiledSkin
{
    quint32 textColor = SkinProject::DefaultTextColor;
    quint32 highlightColor = SkinProject::DefaultHighlightColor;
    QString helpFileName;
    std::array<QList<CompiledLayout>, ScreenShapeCount> shapes;
};

// The key data of a layout: every row's buttons but its last, which is the placeholder, laid out
// left to right from their widths and top to bottom from the row heights. The Enter, Space and
// Backspace keys are found by what they send; the last of a kind wins, the placeholder included.
SkinLayoutData makeSkinLayoutData(const SkinLayout &layout);

// Where the keys of a layout lie on the device screen, exactly as its skin records them (from
// makeSkinLayoutData): x restarts at 0 in every row and grows by each written key's width, y grows
// by each row's height. A row's placeholder is not written, so it has no rectangle.
struct SkinKeyRects
{
    QList<QList<QRect>> rows;
    qint32 width = 0;  // the x reached after the last key of the last row
    qint32 height = 0; // the sum of all row heights

    // The smallest rectangle from the origin that holds every row, the widest included.
    QSize extent() const;
};

SkinKeyRects skinLayoutKeyRects(const SkinLayout &layout);
// The same for key data as a skin carries it, read from a file or compiled in memory.
SkinKeyRects skinLayoutKeyRects(const SkinLayoutData &data);

// The project as its skin would carry it, without the pictures; with `onlyShape`, the layouts of
// that shape alone, and none of the others.
CompiledSkin compileSkin(const SkinProject &project, int onlyShape = -1);

// A button with the key's function and its width, for the descriptions; it has no caption.
SkinButton buttonForKey(const SkinKeyRecord &key);

} // namespace velkari
