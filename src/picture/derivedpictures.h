#pragma once

#include "keyboardtheme.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace velkari {

struct SkinProject;

// In the look of the pictures the project has, so that a picture drawn now matches them: the
// theme of `ownPicture` where the painter drew it, else of the first of the project's pictures
// that decodes; `fallback` when that is not the painter's.
KeyboardTheme themeToDrawIn(const SkinProject &project, const QString &ownPicture, const KeyboardTheme &fallback);

struct DerivedPicture
{
    int shape = 0;
    int layout = 0;
    QString path;
    bool drawn = false; // drawn afresh by the painter; otherwise the author's picture scaled
};

struct DerivedPictures
{
    QList<DerivedPicture> written;
    QStringList problems; // layouts left without a picture, and why
};

// After deriveShapes(): gives every layout of the `targets` a picture made from that of the layout
// at its position in `from`. Where that layout has no picture that decodes, or one the painter
// drew, the picture is drawn afresh into `drawFolder` (the project's pictures folder), in the
// same format and theme; otherwise the author's picture is scaled smoothly to the new key area
// and written beside it, named after the target shape. No file that exists is written over.
// Needs a QGuiApplication to draw. Raises FileError when a picture cannot be written.
DerivedPictures writeDerivedPictures(SkinProject &project, int from, const QList<int> &targets,
                                     const QString &drawFolder, const KeyboardTheme &fallback);

// For a picture and keys of different sizes. Both point the layout at the picture they write and
// return why nothing was written, empty when it was; both raise FileError.
// Draws the layout's picture again from its keys: over its own picture where the painter drew it
// and no other layout shows it, otherwise into a new file in `drawFolder`.
QString redrawLayoutPicture(SkinProject &project, int shape, int layout, const QString &drawFolder,
                            const KeyboardTheme &fallback);
// Scales the layout's picture smoothly to its key area into a new file beside it; the author's
// file is left as it is.
QString scaleLayoutPicture(SkinProject &project, int shape, int layout);

} // namespace velkari
