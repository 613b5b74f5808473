#pragma once

#include "skinrow.h"

namespace velkari {

enum LayoutFlag : quint16 {
    LayoutFlagNew = 0x0001, // not yet confirmed in the layout properties dialog
    LayoutFlagShortcuts = 0x0004,
    LayoutFlagTaskManager = 0x0008,
    LayoutFlagCalculator = 0x0010,
    LayoutFlagResetOnShow = 0x0020,
    LayoutFlagResetOnHide = 0x0040,
    LayoutFlagMacros = 0x0080,
};

using RowList = SkinList<SkinRow, 6>;

struct SkinLayout
{
    SkinLayout() = default;
    SkinLayout(const SkinLayout &) = delete;
    SkinLayout &operator=(const SkinLayout &) = delete;

    qint16 index = -1;
    QString name;
    QString picFileName;
    quint16 flags = LayoutFlagNew;
    RowList rows;
    qint8 dragUpLayout = -1; // index of a layout of the same shape; -1 for none
    const quint64 identity = newRecordIdentity();
};

// Where the layout's picture file lies: its path used as the project holds it, so a relative one
// is taken from the working folder; made absolute for whoever compares or remembers it. Every
// reader of a layout's picture finds it here. Empty for a layout without a picture.
QString layoutPicturePath(const SkinLayout &layout);

} // namespace velkari
